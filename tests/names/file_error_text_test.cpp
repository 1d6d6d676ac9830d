// The reasons given when a file cannot be saved or loaded.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <set>

#include "names/file_error_text.h"

namespace qmoor {
namespace {

TEST(FileErrorText, EveryReasonAUserMeetsHasItsOwnJapaneseText) {
  const int errors[] = {EPERM, EACCES,       EROFS, ENOSPC, EDQUOT, EFBIG, EISDIR,
                        ENOTDIR, ENOENT, ENAMETOOLONG, ELOOP, EIO,    EBUSY,  ETXTBSY};
  std::set<std::string> texts;
  for (int error : errors) {
    const std::string text = fileErrorText(error, Language::Japanese);
    EXPECT_FALSE(text.empty()) << std::strerror(error);
    EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
        << std::strerror(error) << ": " << text;
    texts.insert(text);
  }
  EXPECT_EQ(texts.size(), std::size(errors)) << "two reasons share a text";
}

TEST(FileErrorText, AnyOtherErrorGivesTheSystemsTextWithItsNumber) {
  for (int error : {ENXIO, EXDEV, EMFILE}) {
    const std::string text = fileErrorText(error, Language::Japanese);
    EXPECT_NE(text.find(std::strerror(error)), std::string::npos) << text;
    EXPECT_NE(text.find(std::to_string(error)), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace qmoor
