// SAVE and LOAD on the view: round trips, the window title, and files that
// cannot be read or written, which must cost the user nothing.
#include <filesystem>
#include <fstream>
#include <random>
#include <set>

#include "names/file_error_text.h"
#include "tabs/tab_codec.h"
#include "view/tab_file_messages.h"
#include "view_fixture.h"

namespace qmoor::testing {
namespace {

namespace fs = std::filesystem;

class TabFile : public ViewFixture {
 protected:
  void SetUp() override {
    ViewFixture::SetUp();
    folder = fs::temp_directory_path() / ("qmoor-tab-file-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                          "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  std::string path(const char* name) { return (folder / name).string(); }
  std::vector<std::uint8_t> bytesOf(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  void writeBytes(const std::string& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  std::vector<std::string> messages() { return host.takeMessages(); }

  fs::path folder;
};

TEST_F(TabFile, StartUpTabIsWrittenByteForByte) {
  run("save " + path("start.qmf"));
  const std::vector<std::uint8_t> bytes = bytesOf(path("start.qmf"));
  ASSERT_EQ(bytes.size(), 64u);
  const std::vector<std::uint8_t> record(bytes.begin() + 32, bytes.begin() + 54);
  const std::vector<std::uint8_t> expected = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x21, 0x21, 0x00, 0x00,
                                              0x00, 0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x32};
  EXPECT_EQ(record, expected);
  EXPECT_EQ(host.title(), "start.qmf");
  EXPECT_EQ(view.tabTable().lastFileName, "start.qmf");
}

TEST_F(TabFile, SavedTabsLoadBackAsTheyWere) {
  choose({0, 2});
  run("click 1061\nselect 1001 1\nrow 1116 0\nclick 1168");
  choose({31, 0});
  run("click 1081\nclick 1018\ntype 1019 77\nclick 1168\ntab 1\nselect 1000 5");
  const std::vector<std::string> labels = tabLabels();
  run("save " + path("tabs.qmf"));
  std::vector<TabState> saved(view.tabTable().records.begin(), view.tabTable().records.begin() + 3);

  run("command 32778");
  choose({7, 8});
  run("load " + path("tabs.qmf"));
  EXPECT_EQ(tabLabels(), labels);
  EXPECT_EQ(view.tabTable().currentTab, 0);
  for (int tab = 0; tab < 3; ++tab) {
    const TabState& record = saved[static_cast<size_t>(tab)];
    run("tab " + std::to_string(tab));
    EXPECT_EQ(state().currentRace, record.race) << tab;
    EXPECT_EQ(state().currentSlot, record.slot) << tab;
    EXPECT_EQ(checked(ControlId::ReverseCheck), record.reverse != 0) << tab;
    EXPECT_EQ(checked(ControlId::CurseCheck), record.curse != 0) << tab;
    EXPECT_EQ(checked(ControlId::ManualLimitCheck), record.manualLimit != 0) << tab;
    EXPECT_EQ(text(ControlId::LimitEdit), record.limitText) << tab;
    EXPECT_EQ(state().materialRaceChoice, record.materialRaceChoice) << tab;
    EXPECT_EQ(list(ControlId::RacePairList).selection(), record.racePairIndex) << tab;
  }
  EXPECT_TRUE(messages().empty());
}

TEST_F(TabFile, CancelledDialogsTouchNoFile) {
  run("save-cancel\nload-cancel");
  EXPECT_EQ(host.title(), "Quillmoor ver.1.705");
  EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(TabFile, UnreadableFileKeepsTheOpenTabs) {
  run("click 1168\nclick 1168");
  run("load " + path("missing.qmf"));
  EXPECT_EQ(view.form().tabs().count(), 3);
  EXPECT_EQ(host.title(), "Quillmoor ver.1.705");
  const auto shown = messages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find("missing.qmf"), std::string::npos);

  writeBytes(path("short.qmf"), {0xA9, 0x06, 0x00, 0xFF});
  run("load " + path("short.qmf"));
  EXPECT_EQ(view.form().tabs().count(), 3);
  EXPECT_NE(messages().at(0).find("short.qmf"), std::string::npos);
}

TEST_F(TabFile, TruncatedFileLoadsItsCompleteRecordsAndSaysSo) {
  run("click 1168\nclick 1168");
  run("save " + path("three.qmf"));
  std::vector<std::uint8_t> bytes = bytesOf(path("three.qmf"));
  bytes.resize(bytes.size() - 10);
  writeBytes(path("cut.qmf"), bytes);
  run("command 32778\nload " + path("cut.qmf"));
  EXPECT_EQ(view.form().tabs().count(), 2);
  const auto shown = messages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find("cut.qmf"), std::string::npos);
}

TEST_F(TabFile, MoreThanTwoHundredTabsLoadTheFirstTwoHundred) {
  std::vector<std::uint8_t> bytes = encodeTabs(std::vector<TabState>(MaxTabs));
  const std::vector<std::uint8_t> record(bytes.end() - 32, bytes.end());
  for (int extra = MaxTabs; extra < 256; ++extra) bytes.insert(bytes.end(), record.begin(), record.end());
  bytes[2] = 255;  // 256 tabs announced
  writeBytes(path("many.qmf"), bytes);
  run("load " + path("many.qmf"));
  EXPECT_EQ(view.form().tabs().count(), MaxTabs);
  EXPECT_EQ(view.tabTable().lastTab, MaxTabs - 1);
  const auto shown = messages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find("many.qmf"), std::string::npos);
  EXPECT_FALSE(enabled(ControlId::OpenDetailButton));
}

TEST_F(TabFile, RandomTabTablesRestoreAsSaved) {
  std::mt19937 random(1705);
  const auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  for (int table = 0; table < 6; ++table) {
    std::vector<TabState> tabs(static_cast<size_t>(pick(1, 5)));
    for (TabState& tab : tabs) {
      tab.race = pick(0, RaceTotal - 1);
      tab.slot = pick(0, raceCount(tab.race) - 1);
      tab.reverse = pick(0, 1);
      tab.neutral = pick(0, 1);
      tab.curse = pick(0, 1);
      tab.skill1On = pick(0, 1);
      tab.skill2On = pick(0, 1);
      tab.skill1Index = pick(0, SelectableSkillTotal - 1);
      tab.skill2Index = pick(0, SelectableSkillTotal - 1);
      tab.autoLimit = pick(0, 1);
      tab.manualLimit = pick(0, 1);
      tab.materialRaceChoice = tab.materialRaceCombo = pick(0, 3) == 0 ? pick(1, RaceTotal) : 0;
      tab.materialRaceSet = tab.materialRaceChoice != 0 ? 1 : 0;
      tab.racePairIndex = pick(-1, 3);
      tab.pickedRow = pick(-1, 3);
      tab.materialSel1 = tab.materialSel2 = -1;
      tab.materialList1Index = pick(-1, 2);
      tab.materialList2Index = pick(-1, 2);
      tab.limitText = std::to_string(pick(0, 99));
    }
    writeBytes(path("random.qmf"), encodeTabs(tabs));
    run("load " + path("random.qmf"));
    ASSERT_EQ(view.form().tabs().count(), static_cast<int>(tabs.size()));
    for (size_t i = 0; i < tabs.size(); ++i) {
      const TabState& tab = tabs[i];
      if (i > 0) run("tab " + std::to_string(i));
      const std::string where = "table " + std::to_string(table) + " tab " + std::to_string(i);
      EXPECT_EQ(tabLabels()[i], std::string(cell(Column::Name, {tab.race, tab.slot}))) << where;
      EXPECT_EQ(state().currentRace, tab.race) << where;
      EXPECT_EQ(state().currentSlot, tab.slot) << where;
      EXPECT_EQ(checked(ControlId::ReverseCheck), tab.reverse != 0) << where;
      EXPECT_EQ(checked(ControlId::NeutralCheck), tab.neutral != 0) << where;
      EXPECT_EQ(checked(ControlId::CurseCheck), tab.curse != 0) << where;
      EXPECT_EQ(checked(ControlId::Skill1Check), tab.skill1On != 0) << where;
      EXPECT_EQ(checked(ControlId::Skill2Check), tab.skill2On != 0) << where;
      EXPECT_EQ(combo(ControlId::Skill1KindCombo).selection(), tab.skill1Index) << where;
      EXPECT_EQ(combo(ControlId::Skill2KindCombo).selection(), tab.skill2Index) << where;
      EXPECT_EQ(text(ControlId::LimitEdit), tab.limitText) << where;
      EXPECT_EQ(checked(ControlId::AutoLimitCheck), tab.autoLimit != 0) << where;
      EXPECT_EQ(checked(ControlId::ManualLimitCheck), tab.autoLimit == 0 && tab.manualLimit != 0) << where;
      if (tab.autoLimit != 0) EXPECT_EQ(state().LevelCap, level({tab.race, tab.slot})) << where;
      else if (tab.manualLimit != 0) EXPECT_EQ(state().LevelCap, std::stoi(tab.limitText)) << where;
      else EXPECT_EQ(state().LevelCap, 99) << where;
      EXPECT_EQ(state().materialRaceChoice, tab.materialRaceChoice) << where;
      const ListBox& lines = list(ControlId::RacePairList);
      EXPECT_EQ(lines.selection(), tab.racePairIndex < lines.count() ? tab.racePairIndex : -1) << where;
      if (rows().isValidRow(tab.pickedRow)) {
        EXPECT_EQ(state().pickedRow, tab.pickedRow) << where;
        EXPECT_EQ(rows().hotRow(), tab.pickedRow) << where;
      }
    }
  }
}

TEST_F(TabFile, DamagedFieldsRestoreSafely) {
  std::vector<std::uint8_t> bytes = encodeTabs(std::vector<TabState>(1));
  bytes[32 + 0] = 40;   // race beyond the compendium
  bytes[32 + 7] = 251;  // skill index beyond the catalogue
  bytes[32 + 15] = 200; // race-pair line that does not exist
  bytes[32 + 16] = 0x34;
  bytes[32 + 17] = 0x12;  // picked row beyond the rows
  writeBytes(path("damaged.qmf"), bytes);
  run("load " + path("damaged.qmf"));
  EXPECT_EQ(state().currentSlot, -1);
  EXPECT_EQ(combo(ControlId::Skill1KindCombo).selection(), -1);
  EXPECT_EQ(list(ControlId::RacePairList).selection(), -1);
  EXPECT_EQ(state().pickedRow, -1);
}

TEST_F(TabFile, FailedSaveLeavesThePreviousFileAndTitle) {
  run("save " + path("kept.qmf"));
  const std::vector<std::uint8_t> before = bytesOf(path("kept.qmf"));
  choose({0, 2});
  run("row 1116 3\nrow 1116 -1\nclick 1168\nsave " + (folder / "no-such-folder" / "kept.qmf").string());
  EXPECT_EQ(host.title(), "kept.qmf");
  EXPECT_EQ(rows().selectedRow(), -1);  // the failed command ends before it shows the pick
  const auto shown = messages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find("kept.qmf"), std::string::npos);
  EXPECT_EQ(bytesOf(path("kept.qmf")), before);

  run("save " + folder.string());  // a folder is not a file
  EXPECT_EQ(messages().size(), 1u);
  EXPECT_TRUE(fs::is_directory(folder));
}

TEST_F(TabFile, MessagesNameThePathTheUserChoseAndTheReason) {
  fs::create_directory(folder / "sub");
  const struct {
    std::string line, path, reason;
  } cases[] = {
      {"load", path("sub") + "/", fileErrorText(EISDIR, Language::Japanese)},
      {"save", path("sub") + "/", fileErrorText(EISDIR, Language::Japanese)},
      {"load", path("missing.qmf"), fileErrorText(ENOENT, Language::Japanese)},
      {"save", path("no-such-folder") + "/x.qmf", fileErrorText(ENOENT, Language::Japanese)},
  };
  for (const auto& c : cases) {
    run(c.line + " " + c.path);
    const auto shown = messages();
    ASSERT_EQ(shown.size(), 1u) << c.line << ' ' << c.path;
    EXPECT_NE(shown[0].find("「" + c.path + "」"), std::string::npos) << shown[0];
    EXPECT_NE(shown[0].find(c.reason), std::string::npos) << shown[0];
  }
}

TEST(TabFileMessage, EveryDamageOfAFileHasItsOwnMessageWithItsCounts) {
  const struct {
    TabFileStatus status;
    int read, announced;
    std::string japanese, english;  // a part the message must hold; "" for no message at all
  } cases[] = {
      {TabFileStatus::Complete, 3, 3, "", ""},
      {TabFileStatus::Truncated, 2, 4, "4個のタブのうち2個", "Read 2 of its 4 tabs"},
      {TabFileStatus::CutToMaxTabs, MaxTabs, 256, "256個のタブ", "The file has 256 tabs"},
      {TabFileStatus::HeaderTooShort, 0, 0, "ヘッダー", "header"},
      {TabFileStatus::NoCompleteRecord, 0, 1, "タブの記録", "tab record"},
  };
  std::set<std::string> texts;
  for (const auto& c : cases) {
    for (auto [language, part] : {std::pair{Language::Japanese, c.japanese}, std::pair{Language::English, c.english}}) {
      const std::string text = tabFileMessage(c.status, c.read, c.announced, language);
      EXPECT_EQ(text.empty(), part.empty()) << text;
      EXPECT_NE(text.find(part), std::string::npos) << text;
      texts.insert(text);
    }
  }
  EXPECT_EQ(texts.size(), 2 * std::size(cases) - 1) << "two kinds of damage share a message";
}

}  // namespace
}  // namespace qmoor::testing
