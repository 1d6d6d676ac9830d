// Saving into a file keeps what the file is: its link, mode, owner, group and
// hard links; it is refused where writing is refused, and a failed write
// leaves the previous file. The saves run as nobody, as a user would.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "files/file_io.h"
#include "unprivileged.h"

namespace qmoor::testing {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

constexpr uid_t Root = 0;
constexpr gid_t OtherGroup = 100;  // a group nobody is not a member of

// A failure as the child reports it: empty for none, else the kind and the error number.
std::string described(FileError error) {
  return error.failed() ? std::to_string(static_cast<int>(error.kind)) + " " + std::to_string(error.number) : std::string();
}

const Bytes OldBytes(64, 0x11);
const Bytes NewBytes(96, 0x22);

Bytes bytesOf(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& file, const Bytes& bytes) {
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

struct stat statOf(const fs::path& file) {
  struct stat info {};
  ::lstat(file.c_str(), &info);
  return info;
}

std::vector<std::string> namesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class FileSaving : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const std::string why = whyNotUnprivileged(); !why.empty()) GTEST_SKIP() << why;
    std::string pattern = (fs::temp_directory_path() / "qmoor-saving-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder = pattern;
  }
  void TearDown() override {
    if (!folder.empty()) fs::remove_all(folder);
  }

  // file.qmf with the old bytes, and the extra name the user saves to; then
  // the owners and modes of the file and the folder.
  void prepare(const std::string& savedAs, uid_t folderOwner, mode_t folderMode, uid_t fileOwner, gid_t fileGroup,
               mode_t fileMode) {
    fs::remove_all(folder);
    fs::create_directory(folder);
    const fs::path file = folder / "file.qmf";
    writeBytes(file, OldBytes);
    if (savedAs == "link.qmf") fs::create_symlink("file.qmf", folder / savedAs);
    if (savedAs == "other.qmf") fs::create_hard_link(file, folder / savedAs);
    ASSERT_EQ(::chown(file.c_str(), fileOwner, fileGroup), 0);
    ASSERT_EQ(::chmod(file.c_str(), fileMode), 0);
    ASSERT_EQ(::chown(folder.c_str(), folderOwner, folderOwner == Root ? Root : NobodyGid), 0);
    ASSERT_EQ(::chmod(folder.c_str(), folderMode), 0);
  }

  // What saving bytes to the name gives as nobody, with writes limited to sizeLimit bytes.
  std::string saveAsNobody(const std::string& name, const Bytes& bytes, rlim_t sizeLimit = RLIM_INFINITY) {
    const std::string path = (folder / name).string();
    const std::optional<std::string> reason = runAsNobody([&] {
      const rlimit limit{sizeLimit, sizeLimit};
      if (sizeLimit != RLIM_INFINITY) ::setrlimit(RLIMIT_FSIZE, &limit);
      return described(writeFileSafely(path, bytes));
    });
    EXPECT_TRUE(reason.has_value()) << "the saving child failed";
    return reason.value_or("no answer");
  }

  fs::path folder;
};

TEST_F(FileSaving, KeepsWhatTheFileIsAndRefusesWhatWritingRefuses) {
  const struct {
    const char* what;
    uid_t folderOwner;
    mode_t folderMode;
    uid_t fileOwner;
    gid_t fileGroup;
    mode_t fileMode;
    const char* savedAs;  // the name the user chooses; link.qmf links to file.qmf, other.qmf is a hard link
    bool refused;
    bool attributed = false;  // file.qmf carries a user attribute
  } cases[] = {
      {"a symbolic link", NobodyUid, 0755, NobodyUid, NobodyGid, 0644, "link.qmf", false},
      {"a private file", NobodyUid, 0755, NobodyUid, NobodyGid, 0600, "file.qmf", false},
      {"a file with two hard links", NobodyUid, 0755, NobodyUid, NobodyGid, 0644, "other.qmf", false},
      {"a file of a group the user is not in", NobodyUid, 0755, NobodyUid, OtherGroup, 0664, "file.qmf", false},
      {"a file in a read-only folder", Root, 0555, NobodyUid, NobodyGid, 0644, "file.qmf", false},
      {"another user's file in a sticky folder", Root, 01777, Root, Root, 0666, "file.qmf", false},
      {"a read-only file", NobodyUid, 0755, NobodyUid, NobodyGid, 0444, "file.qmf", true},
      {"a file with an extended attribute", NobodyUid, 0755, NobodyUid, NobodyGid, 0644, "file.qmf", false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    prepare(c.savedAs, c.folderOwner, c.folderMode, c.fileOwner, c.fileGroup, c.fileMode);
    if (c.attributed && ::setxattr((folder / "file.qmf").c_str(), "user.origin", "x", 1, 0) != 0) {
      continue;  // a file system without user attributes has nothing to keep
    }
    const std::vector<std::string> names = namesIn(folder);
    const std::string reason = saveAsNobody(c.savedAs, NewBytes);
    EXPECT_EQ(reason, c.refused ? described({FileErrorKind::CannotWrite, EACCES}) : std::string());
    const fs::path file = folder / "file.qmf";
    const struct stat info = statOf(file);
    EXPECT_EQ(bytesOf(file), c.refused ? OldBytes : NewBytes);
    EXPECT_EQ(info.st_mode & 07777, c.fileMode);
    EXPECT_EQ(info.st_uid, c.fileOwner);
    EXPECT_EQ(info.st_gid, c.fileGroup);
    EXPECT_EQ(info.st_nlink, std::string(c.savedAs) == "other.qmf" ? 2u : 1u);
    if (std::string(c.savedAs) == "link.qmf") {
      EXPECT_TRUE(S_ISLNK(statOf(folder / c.savedAs).st_mode));
    }
    if (std::string(c.savedAs) == "other.qmf") {
      EXPECT_EQ(statOf(folder / c.savedAs).st_ino, info.st_ino);
    }
    if (c.attributed) {
      EXPECT_EQ(::getxattr(file.c_str(), "user.origin", nullptr, 0), 1);
    }
    EXPECT_EQ(namesIn(folder), names) << "nothing left behind";
  }
}

TEST_F(FileSaving, AFailedWriteLeavesThePreviousFile) {
  const struct {
    const char* what;
    uid_t folderOwner;
    mode_t folderMode;
  } cases[] = {
      {"replaced whole", NobodyUid, 0755},
      {"written in place", Root, 0555},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    prepare("file.qmf", c.folderOwner, c.folderMode, NobodyUid, NobodyGid, 0644);
    EXPECT_EQ(saveAsNobody("file.qmf", NewBytes, 80), described({FileErrorKind::CannotWrite, EFBIG}));
    EXPECT_EQ(bytesOf(folder / "file.qmf"), OldBytes);
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{"file.qmf"});
  }
  prepare("file.qmf", NobodyUid, 0755, NobodyUid, NobodyGid, 0644);
  EXPECT_EQ(saveAsNobody("new.qmf", NewBytes, 80), described({FileErrorKind::CannotWrite, EFBIG}));
  EXPECT_FALSE(fs::exists(folder / "new.qmf")) << "a new file that could not be written is removed";
}

TEST_F(FileSaving, SaysSoWhenEvenTheOldBytesCannotBePutBack) {
  prepare("file.qmf", Root, 0555, NobodyUid, NobodyGid, 0644);  // written in place
  writeBytes(folder / "file.qmf", Bytes(128, 0x11));              // longer than the size limit allows
  EXPECT_EQ(saveAsNobody("file.qmf", NewBytes, 80), described({FileErrorKind::CannotWriteOrRestore, EFBIG}));
}

}  // namespace
}  // namespace qmoor::testing
