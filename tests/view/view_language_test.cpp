// The view in a language: switching shows exactly what a view started in that
// language shows, keeps the query, leaves no Japanese in English, and coming
// back to Japanese restores every text byte for byte.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "data/races.h"
#include "data/recipes.h"
#include "form/layout.h"
#include "names/file_error_text.h"
#include "names/ui_texts.h"
#include "script/drive_host.h"
#include "script/script_runner.h"
#include "view/view.h"

namespace qmoor {
namespace {

// Every control and the working state after script, run on a view started in
// `start`, then switched to each language of `switches` in turn; the story's
// own dumps go to storyDumps.
std::string dumpAfter(Language start, const std::string& script, const std::vector<Language>& switches,
                      std::string* storyDumps = nullptr) {
  DriveHost host;
  CQmoorView view(host);
  view.SetLanguage(start);
  view.InitialUpdate();
  std::ostringstream out, errors;
  ScriptRunner runner(view, host, out);
  std::istringstream lines(script);
  EXPECT_EQ(runner.run(lines, errors), 0) << errors.str();
  if (storyDumps) *storyDumps = out.str();
  out.str("");
  for (Language language : switches) view.SetLanguage(language);
  std::istringstream dumps("dump all\n");
  runner.run(dumps, errors);
  return out.str();
}

// "" when both dumps are the same, else the first line where they part.
std::string difference(const std::string& got, const std::string& expected) {
  std::istringstream a(got), b(expected);
  std::string lineA, lineB;
  for (int line = 1;; ++line) {
    const bool moreA = static_cast<bool>(std::getline(a, lineA));
    const bool moreB = static_cast<bool>(std::getline(b, lineB));
    if (!moreA && !moreB) return "";
    if (lineA != lineB || moreA != moreB)
      return "line " + std::to_string(line) + "\n got: " + lineA.substr(0, 400) + "\nwant: " + lineB.substr(0, 400);
  }
}

// The first character of kana, kanji, CJK punctuation or full-width forms in
// text, or "" when there is none.
std::string firstJapanese(const std::string& text) {
  for (std::size_t i = 0; i + 2 < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if ((lead & 0xF0) != 0xE0) continue;
    const int code = ((lead & 0x0F) << 12) | ((text[i + 1] & 0x3F) << 6) | (text[i + 2] & 0x3F);
    if ((code >= 0x3000 && code <= 0x30FF) || (code >= 0x3400 && code <= 0x9FFF) || (code >= 0xFF00 && code <= 0xFFEF))
      return text.substr(i, 3) + " in …" + text.substr(i < 60 ? 0 : i - 60, 120);
  }
  return "";
}

// User stories that leave every kind of text on screen: race pairs and picked
// rows, a skill condition, special recipes of each kind, spirit and phase
// demons, several tabs and a loaded file's message; and names typed into
// combos, which stay as typed.
const std::vector<std::string> Stories{
    "select 1026 2\nselect 1001 0\ntype 1087 pixie\ntype 1085 jack",
    "select 1026 2\nselect 1001 0\nrow 1116 3\nselect 1172 40\nclick 1174\nselect 1084 1",
    "select 1026 3\nclick 1168\nselect 1005 17\nselect 1002 2\nclick 1168\ntab 0",
    "select 1005 30\nselect 1002 0\nselect 1001 0\nselect 1005 7\nselect 1002 3\nselect 1001 10\nrow 1116 0\nclick 1165",
    "select 1005 31\nselect 1002 0\nclick 1059\nclick 1057\nselect 1000 5",
    "select 1024 20\nclick 1018\ntype 1019 40\nselect 1181 100\nclick 1180\nselect 1005 6\nselect 1002 5",
    "load " QMOOR_TEST_DATA_DIR "/tab-files/truncated-record.qmf\ndump window",
};

TEST(ViewLanguage, SwitchingShowsWhatAViewStartedInTheLanguageShows) {
  for (const std::string& story : Stories) {
    SCOPED_TRACE(story);
    const std::string japanese = dumpAfter(Language::Japanese, story, {});
    std::string englishStory;
    const std::string english = dumpAfter(Language::English, story, {}, &englishStory);
    EXPECT_EQ(difference(dumpAfter(Language::Japanese, story, {Language::English}), english), "");
    EXPECT_EQ(difference(dumpAfter(Language::Japanese, story, {Language::English, Language::Japanese}), japanese), "");
    EXPECT_EQ(difference(dumpAfter(Language::English, story, {Language::Japanese}), japanese), "");
    EXPECT_EQ(firstJapanese(englishStory + english), "");
  }
}

TEST(ViewLanguage, SavedFilesAreTheSameInEitherLanguage) {
  const std::string story = "select 1026 2\nselect 1172 40\nclick 1174\nselect 1181 12\nclick 1168\nselect 1005 17\nselect 1002 2\n";
  std::vector<std::string> files;
  for (Language language : {Language::Japanese, Language::English}) {
    const std::string path = ::testing::TempDir() + "language-" + std::string(languageCode(language)) + ".qmf";
    dumpAfter(language, story + "save " + path + "\n", {});
    std::ifstream file(path, std::ios::binary);
    files.emplace_back(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }
  EXPECT_FALSE(files[0].empty());
  EXPECT_EQ(files[0], files[1]);
}

TEST(ViewLanguage, EveryReasonAFileCanFailForHasEnglish) {
  for (int error : {EPERM, EACCES, EROFS, ENOSPC, EDQUOT, EFBIG, EISDIR, ENOTDIR, ENOENT, ENAMETOOLONG, ELOOP, EIO,
                    EBUSY, ETXTBSY, EXDEV})
    EXPECT_EQ(firstJapanese(fileErrorText(error, Language::English)), "") << fileErrorText(error, Language::Japanese);
}

// A host whose every write fails part way and cannot put the old bytes back.
class WriteDamagingHost : public DriveHost {
 public:
  FileError writeFile(const std::string&, std::span<const std::uint8_t>) override {
    return {FileErrorKind::CannotWriteOrRestore, EPIPE};
  }
};

TEST(ViewLanguage, AFailedSaveSaysWhyAndThatTheFileMayBeDamagedInEitherLanguage) {
  const struct {
    Language language;
    std::string message;
  } cases[] = {
      {Language::Japanese,
       "「x.qmf」を保存できませんでした。\nBroken pipe（エラー番号 32）\n"
       "元の内容に戻せなかったため、ファイルが壊れているおそれがあります。"},
      {Language::English,
       "Could not save \"x.qmf\".\nBroken pipe (error 32)\nIts old contents could not be put back, so the file may be damaged."},
  };
  for (const auto& c : cases) {
    WriteDamagingHost host;
    CQmoorView view(host);
    view.SetLanguage(c.language);
    view.InitialUpdate();
    host.answerNextDialog("x.qmf");
    view.command(CommandId::SaveTabs);
    EXPECT_EQ(host.takeMessages(), std::vector<std::string>{c.message});
  }
}

TEST(ViewLanguage, EveryCaptionOfTheFormAndEverySpecialRecipeLineHasEnglish) {
  for (const LayoutEntry& entry : formLayout()) {
    EXPECT_EQ(firstJapanese(std::string(uiText(entry.caption, Language::English))), "") << entry.caption;
    EXPECT_EQ(firstJapanese(std::string(uiText(entry.groupBox, Language::English))), "") << entry.groupBox;
  }
  for (Race race = 0; race < RaceTotal; ++race) {
    for (Slot slot = 0; slot < raceCount(race); ++slot) {
      if (const auto lines = recipeLines({race, slot})) {
        for (std::string_view line : *lines)
          EXPECT_EQ(firstJapanese(recipeLineText(line, Language::English)), "") << line;
      }
    }
  }
}

#ifdef QMOOR_DRIVE_PATH
// What qmoor-drive prints for `dump 1005` with the given options, and its exit status.
std::pair<std::string, int> driveRaceCombo(const std::string& options) {
  const std::string command = "printf 'dump 1005\\n' | " QMOOR_DRIVE_PATH " " + options + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  std::string output;
  char buffer[4096];
  while (const std::size_t read = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, read);
  const int status = pclose(pipe);
  return {output, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

TEST(ViewLanguage, QmoorDriveStartsInTheLanguageItIsGiven) {
  EXPECT_NE(driveRaceCombo("--lang en").first.find("\"items\":[\"Deity\",\"Megami\""), std::string::npos);
  EXPECT_NE(driveRaceCombo("").first.find("\"items\":[\"魔神   \""), std::string::npos);
  EXPECT_EQ(driveRaceCombo("--lang de").second, 2);
}
#endif

}  // namespace
}  // namespace qmoor
