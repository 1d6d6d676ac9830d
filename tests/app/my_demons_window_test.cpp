// The window of my demons offscreen: adding, editing, reordering and removing
// through its buttons and dialog, each change saved; a file that could not be
// read kept untouched until the player saves on purpose (asked first when it
// changed meanwhile), its unreadable entries kept as they were; the
// planner's old owned list taken over once;
// two holders of the file (two windows, or a hand edit) never writing over
// each other silently, and quitting with unsaved changes asked about first;
// names for screen readers.
#include "app/tools/my_demons/my_demons_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSettings>
#include <QSpinBox>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <functional>

#include "app/widgets/demon_texts.h"
#include "app/tools/simulator/fusion_simulator_window.h"
#include "app/main_window/main_frame.h"
#include "app/tools/my_demons/my_demon_dialog.h"
#include "app/tools/my_demons/my_demons_store.h"
#include "app/program/program_settings.h"
#include "app/widgets/skill_texts.h"
#include "app/tools/tool_windows.h"
#include "data/compendium.h"
#include "data/races.h"
#include "forward/forward_fusion.h"
#include "forward/inheritance.h"
#include "stock_files/demons_file_reading.h"
#include "widget_lookup.h"

namespace qmoor {
namespace {

constexpr DemonRef Pixie{7, 8};
constexpr DemonRef Mizuchi{11, 3};

class MyDemonsWindowTest : public ::testing::Test {
 protected:
  QTemporaryDir folder;
  QString path;
  QWidget owner;
  std::vector<DemonRef> opened;

  void SetUp() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    path = folder.filePath(QStringLiteral("Quillmoor/demons.json"));
  }

  void writeFile(const QByteArray& bytes) {
    QDir().mkpath(folder.filePath(QStringLiteral("Quillmoor")));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QByteArray fileBytes() const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  std::vector<MyDemon> saved() const { return readDemonsFileFromDisk(path.toStdString()).read.demons; }

  MyDemonsWindow* makeWindow(MyDemonsStore* store) {
    auto* window = new MyDemonsWindow(
        store,
        [this](DemonRef demon) {
          opened.push_back(demon);
          return true;
        },
        &owner);
    window->present();
    return window;
  }


  // Clicks button, and works the dialog it opens with answer.
  static void throughDialog(QPushButton* button, const std::function<void(MyDemonDialog*)>& answer) {
    bool answered = false;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<MyDemonDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      answer(dialog);
      answered = true;
    });
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(answered);
  }

  // Every control the keyboard reaches has a name (a combo's or spin box's text field goes by its box's).
  static void expectNamed(QWidget* window) {
    for (QWidget* control : window->findChildren<QWidget*>())
      if (control->isVisible() && control->focusPolicy() & Qt::TabFocus &&
          !qobject_cast<QComboBox*>(control->parentWidget()) && !qobject_cast<QSpinBox*>(control->parentWidget())) {
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
            << window->windowTitle().toStdString() << ": " << control->metaObject()->className();
      }
  }
};

// Clicks the button of the message box on top whose text starts with start.
void answerWith(QWidget* modal, const QString& start) {
  auto* box = qobject_cast<QMessageBox*>(modal);
  ASSERT_NE(box, nullptr);
  for (QAbstractButton* button : box->buttons())
    if (button->text().startsWith(start)) {
      button->click();
      return;
    }
  ADD_FAILURE() << "no button " << start.toStdString();
}

TEST_F(MyDemonsWindowTest, AddsEditsMovesAndRemovesSavingEachChange) {
  MyDemonsStore store(nullptr, path);
  MyDemonsWindow* window = makeWindow(&store);
  expectNamed(window);

  // Adding ミズチ: the slots start with its innate skills; raised to 38 it has learned four more.
  throughDialog(named<QPushButton>(window, QStringLiteral("追加")), [](MyDemonDialog* dialog) {
    expectNamed(dialog);
    auto* demon = named<QComboBox>(dialog, QStringLiteral("悪魔"));
    demon->setCurrentIndex(levelOrderIndexOf(Mizuchi));
    auto* level = named<QSpinBox>(dialog, QStringLiteral("レベル"));
    EXPECT_EQ(level->minimum(), 34);
    EXPECT_EQ(level->maximum(), 99);
    EXPECT_EQ(named<QComboBox>(dialog, QStringLiteral("スキル 4"))->currentText(), QString());
    level->setValue(37);
    const auto* fifth = named<QComboBox>(dialog, QStringLiteral("スキル 5"));
    EXPECT_EQ(fifth->findText(skillText(116)), -1);  // フォッグブレス: learned at 38, no 口 to inherit it
    level->setValue(38);
    EXPECT_NE(fifth->findText(skillText(116)), -1);
    // Each slot, offered anew at the new level, describes its skill.
    auto* seventh = named<QComboBox>(dialog, QStringLiteral("スキル 7"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(seventh)->text(QAccessible::Description), skillToolTip(116));
    EXPECT_EQ(dialog->entry(), (MyDemon{Mizuchi, 38, {8, 11, 66, 69, 51, 142, 116}, {}}));
    dialog->accept();
  });
  EXPECT_EQ(saved(), (std::vector<MyDemon>{{Mizuchi, 38, {8, 11, 66, 69, 51, 142, 116}, {}}}));

  throughDialog(named<QPushButton>(window, QStringLiteral("追加")), [](MyDemonDialog* dialog) {
    named<QComboBox>(dialog, QStringLiteral("悪魔"))->setCurrentIndex(levelOrderIndexOf(Pixie));
    dialog->accept();
  });
  EXPECT_EQ(window->selectedRow(), 1);
  named<QPushButton>(window, QStringLiteral("上へ"))->click();
  EXPECT_EQ(saved()[0].demon, Pixie);
  throughDialog(named<QPushButton>(window, QStringLiteral("編集")), [](MyDemonDialog* dialog) {
    named<QSpinBox>(dialog, QStringLiteral("レベル"))->setValue(20);
    dialog->accept();
  });
  EXPECT_EQ(saved()[0], (MyDemon{Pixie, 20, {43, 13, 253, 61, 53, 85}, {}}));
  auto* table = named<QTableView>(window, QStringLiteral("所持悪魔の一覧"));
  EXPECT_EQ(table->model()->index(0, 2).data().toString(), demonNameText(Pixie));
  const QString facts = skillsToolTip(saved()[0].skills);
  EXPECT_EQ(table->model()->index(0, 3).data(Qt::ToolTipRole).toString(), facts);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(table)->tableInterface()->cellAt(0, 3)->text(QAccessible::Description),
            facts);

  named<QPushButton>(window, QStringLiteral("削除"))->click();
  EXPECT_EQ(saved().size(), 1u);
  EXPECT_EQ(table->model()->rowCount(), 1);

  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  QTest::keyClick(window, Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(MyDemonsWindowTest, AFileItCannotReadIsWrittenOnlyOnPurpose) {
  const QByteArray damaged = "{\"format\":\"quillmoor-demons\",\"version\":1,\"demons\":[\n";
  writeFile(damaged);
  MyDemonsStore store(nullptr, path);
  MyDemonsWindow* window = makeWindow(&store);
  EXPECT_TRUE(store.heldBack());
  EXPECT_TRUE(named<QLabel>(window, QStringLiteral("保存の状態"))->text().contains(QStringLiteral("2 行目")));
  store.change({atBaseLevel(Pixie)});
  EXPECT_EQ(fileBytes(), damaged);
  auto* save = named<QPushButton>(window, QStringLiteral("上書き保存"));
  ASSERT_TRUE(save->isEnabled());
  // Mended by hand meanwhile, though not yet heard of: saving asks first.
  writeFile("{\"format\":\"quillmoor-demons\",\"version\":1,\"demons\":[]}");
  bool answered = false;
  whenModal([](QWidget* modal) { answerWith(modal, QStringLiteral("この一覧で上書き")); }, answered);
  save->click();
  EXPECT_TRUE(answered);
  EXPECT_FALSE(store.heldBack());
  EXPECT_EQ(saved(), std::vector<MyDemon>{atBaseLevel(Pixie)});
}

// So are the fields a later version adds, to the file or to an entry, even
// through an edit of the entry.
TEST_F(MyDemonsWindowTest, EntriesWithProblemsAreShownAndKeptAsTheyWere) {
  writeFile("{\"format\":\"quillmoor-demons\",\"version\":1,\"names\":{\"7/8\":\"Pip\"},\"demons\":[\n"
            "{\"race\":7,\"slot\":8,\"level\":5,\"skills\":[43,116],\"nick\":\"Pip\"},\n"
            "{\"race\":7, \"slot\":8, \"level\":2.5, \"skills\":[]}\n]}\n");
  MyDemonsStore store(nullptr, path);
  MyDemonsWindow* window = makeWindow(&store);
  auto* table = named<QTableView>(window, QStringLiteral("所持悪魔の一覧"));
  EXPECT_EQ(table->model()->index(0, 4).data().toString(), skillText(116) + QStringLiteral(" はこのレベルでは持てません"));
  EXPECT_FALSE(table->model()->index(1, 4).data().toString().isEmpty());
  std::vector<MyDemon> demons = store.demons();
  demons.push_back(atBaseLevel(Mizuchi));
  store.change(demons);
  EXPECT_EQ(saved()[1].unread, "{\"race\":7, \"slot\":8, \"level\":2.5, \"skills\":[]}");
  EXPECT_EQ(saved()[0], (MyDemon{Pixie, 5, {43, 116}, {}, "\"nick\":\"Pip\""}));
  EXPECT_TRUE(fileBytes().contains("\"version\":1,\"names\":{\"7/8\":\"Pip\"},\"demons\":[")) << fileBytes().toStdString();
  table->selectRow(0);
  throughDialog(named<QPushButton>(window, QStringLiteral("編集")), [](MyDemonDialog* dialog) {
    named<QSpinBox>(dialog, QStringLiteral("レベル"))->setValue(20);
    dialog->accept();
  });
  EXPECT_EQ(saved()[0].level, 20);
  EXPECT_EQ(saved()[0].otherFields, "\"nick\":\"Pip\"");
}

TEST_F(MyDemonsWindowTest, ThePlannersOwnedListJoinsOnce) {
  programSettings().setValue(QStringLiteral("planner/owned"), QStringList{QStringLiteral("7/8"), QStringLiteral("0/2")});
  {
    MyDemonsStore store(nullptr, path);
    EXPECT_EQ(store.demons(), (std::vector<MyDemon>{atBaseLevel(Pixie), atBaseLevel({0, 2})}));
  }
  EXPECT_EQ(saved().size(), 2u);
  writeFile("{\"format\":\"quillmoor-demons\",\"version\":1,\"demons\":[]}");
  MyDemonsStore again(nullptr, path);
  EXPECT_TRUE(again.demons().empty());
  EXPECT_EQ(programSettings().value(QStringLiteral("planner/owned")).toStringList().size(), 2);
}

// The simulator takes its materials at any level or from my demons, and its
// second page lists what every pair of my demons makes.
TEST_F(MyDemonsWindowTest, TheSimulatorFusesAtLevelsAndFromMyDemons) {
  MyDemonsStore store(nullptr, path);
  store.change({{Pixie, 20, {43, 13, 253, 61, 53, 85}, {}}, {Mizuchi, 38, {8, 11, 66, 116}, {}}});
  auto* window = new FusionSimulatorWindow(
      &store,
      [this](DemonRef demon) {
        opened.push_back(demon);
        return true;
      },
      &owner);
  window->present();
  expectNamed(window);
  named<QComboBox>(window, QStringLiteral("素材を所持悪魔から"))->setCurrentIndex(1);
  EXPECT_EQ(named<QComboBox>(window, QStringLiteral("素材"))->currentIndex(), levelOrderIndexOf(Pixie));
  auto* materialLevel = named<QSpinBox>(window, QStringLiteral("素材のレベル"));
  EXPECT_EQ(materialLevel->value(), 20);
  named<QComboBox>(window, QStringLiteral("相手を所持悪魔から"))->setCurrentIndex(2);
  EXPECT_EQ(named<QSpinBox>(window, QStringLiteral("相手のレベル"))->value(), 38);
  // The answers read as their texts; the result's description says what it
  // is, and what it inherits tells each skill's facts.
  const QLabel* result = nullptr;
  QLabel* inherits = nullptr;
  for (QLabel* label : window->findChildren<QLabel*>()) {
    if (label->accessibleDescription() == QStringLiteral("合体結果")) result = label;
    if (label->text().startsWith(QStringLiteral("継承:"))) inherits = label;
  }
  ASSERT_TRUE(result && inherits);
  const DemonRef made = *fuseAtLevels({Pixie, 20}, {Mizuchi, 38}, false).normal;
  EXPECT_EQ(result->text(), demonNameText(made));
  EXPECT_TRUE(inherits->text().contains(QStringLiteral("3")));
  const QString inheritable = skillsToolTip(inheritance(store.demons()[0].skills, store.demons()[1].skills, made).pool);
  ASSERT_FALSE(inheritable.isEmpty());
  EXPECT_EQ(inherits->toolTip(), inheritable);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(inherits)->text(QAccessible::Description), inheritable);
  QTest::keyClick(inherits, Qt::Key_F1, Qt::ShiftModifier);
  EXPECT_TRUE(QToolTip::isVisible() && QToolTip::text() == inheritable) << "Shift+F1 shows the facts";
  QToolTip::hideText();
  materialLevel->setValue(2);
  EXPECT_EQ(result->text(), demonNameText(*fuseAtLevels({Pixie, 2}, {Mizuchi, 38}, false).normal));
  EXPECT_EQ(named<QComboBox>(window, QStringLiteral("素材を所持悪魔から"))->currentIndex(), 0);

  named<QTabBar>(window, QStringLiteral("合体シミュレーターのページ"))->setCurrentIndex(1);
  auto* table = named<QTableView>(window, QStringLiteral("所持悪魔どうしの合体"));
  const std::vector<MyFusion> fusions = fusionsAmong(store.demons(), false);
  ASSERT_EQ(fusions.size(), 1u);
  ASSERT_EQ(table->model()->rowCount(), static_cast<int>(fusions[0].results.size()));
  EXPECT_EQ(table->model()->index(0, 3).data().toString(), demonEntryText(fusions[0].results[0].result));
  EXPECT_EQ(table->model()->index(0, 4).data().toString(), QString::number(fusions[0].results[0].inheritance.count));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(table)->tableInterface()->cellAt(0, 5)->text(QAccessible::Description),
            skillsToolTip(fusions[0].results[0].inheritance.pool));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  const QRect cell = table->visualRect(table->model()->index(0, 3));
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());  // the row is picked first
  QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(opened, std::vector<DemonRef>{fusions[0].results[0].result});
  store.change({});
  EXPECT_EQ(table->model()->rowCount(), 0);
}

// Two holders of one file: what one saves, the other reads again while it
// holds nothing unsaved; a change made beside the other's save is never
// written over it until the player chooses, and each choice keeps both lists
// somewhere.
TEST_F(MyDemonsWindowTest, TwoHoldersNeverWriteOverEachOtherSilently) {
  MyDemonsStore first(nullptr, path);
  MyDemonsStore second(nullptr, path);
  QSignalSpy conflicts(&second, &MyDemonsStore::conflictFound);
  first.change({atBaseLevel(Pixie)});
  EXPECT_TRUE(QTest::qWaitFor([&] { return second.demons() == first.demons(); })) << "read again, nothing unsaved";

  first.change({atBaseLevel(Mizuchi)});
  second.change({atBaseLevel(Pixie), atBaseLevel(Mizuchi)});  // before the watcher tells it
  EXPECT_EQ(conflicts.count(), 1);
  EXPECT_TRUE(second.changedOnDisk() && second.unsaved());
  EXPECT_EQ(saved(), first.demons());
  EXPECT_FALSE(second.problem().isEmpty());

  const QString elsewhere = folder.filePath(QStringLiteral("mine.json"));
  EXPECT_TRUE(second.saveElsewhere(elsewhere).isEmpty());
  EXPECT_EQ(MyDemonsStore(nullptr, elsewhere).demons(), (std::vector<MyDemon>{atBaseLevel(Pixie), atBaseLevel(Mizuchi)}));
  EXPECT_EQ(second.demons(), first.demons()) << "then takes the file as it is";
  EXPECT_FALSE(second.unsaved() || second.changedOnDisk());

  first.change({});
  second.change({atBaseLevel(Pixie)});
  ASSERT_TRUE(second.changedOnDisk());
  EXPECT_TRUE(second.saveOnPurpose());
  EXPECT_EQ(saved(), std::vector<MyDemon>{atBaseLevel(Pixie)});
  EXPECT_FALSE(second.unsaved() || second.changedOnDisk());
  EXPECT_TRUE(QTest::qWaitFor([&] { return first.demons() == second.demons(); }));
}

// A hand edit while the window is open: shown at once when nothing is
// unsaved; beside a change of the window, the window asks, and reading the
// file again shows the hand's list.
TEST_F(MyDemonsWindowTest, AHandEditIsShownOrAskedAbout) {
  MyDemonsStore store(nullptr, path);
  store.change({atBaseLevel(Pixie), atBaseLevel(Mizuchi)});
  MyDemonsWindow* window = makeWindow(&store);
  auto* table = named<QTableView>(window, QStringLiteral("所持悪魔の一覧"));
  const QByteArray byHand = "{\"format\":\"quillmoor-demons\",\"version\":1,\"demons\":[{\"race\":7,\"slot\":8,\"level\":9,\"skills\":[]}]}";
  writeFile(byHand);
  EXPECT_TRUE(QTest::qWaitFor([&] { return table->model()->rowCount() == 1; }));
  EXPECT_EQ(table->model()->index(0, 0).data().toInt(), 9);

  store.change({atBaseLevel(Pixie), atBaseLevel(Mizuchi)});
  writeFile(byHand);
  bool answered = false;
  QString asked;
  whenModal(
      [&](QWidget* modal) {
        asked = qobject_cast<QMessageBox*>(modal)->text();
        answerWith(modal, QStringLiteral("ファイルを読み直す"));
      },
      answered);
  table->selectRow(0);
  named<QPushButton>(window, QStringLiteral("削除"))->click();
  EXPECT_TRUE(answered);
  EXPECT_TRUE(asked.contains(path)) << asked.toStdString();
  EXPECT_EQ(fileBytes(), byHand);
  EXPECT_EQ(table->model()->rowCount(), 1);
  EXPECT_FALSE(store.unsaved());
}

// Quitting while my demons hold changes the file does not (here, a file that
// could not be read) asks first; staying shows the window of my demons.
TEST_F(MyDemonsWindowTest, QuittingWithUnsavedChangesAsksFirst) {
  const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", folder.path().toLocal8Bit());
  writeFile("not json");
  {
    CMainFrame frame{new QWidget, [](CommandId) {}};
    auto* tools = new ToolWindows(frame.toolsMenu(), [](DemonRef) { return true; }, &frame);
    frame.show();
    tools->myDemons()->change({atBaseLevel(Pixie)});
    for (const auto& [answer, closes] : {std::pair{QStringLiteral("終了しない"), false},
                                         std::pair{QStringLiteral("保存せずに終了"), true}}) {
      bool answered = false;
      whenModal([&](QWidget* modal) { answerWith(modal, answer); }, answered);
      EXPECT_EQ(frame.close(), closes);
      EXPECT_TRUE(answered);
      EXPECT_EQ(frame.isVisible(), !closes);
    }
    EXPECT_TRUE(tools->showMyDemons()->isVisible());
    EXPECT_EQ(fileBytes(), "not json");
  }
  qputenv("XDG_DATA_HOME", dataHome);
}

}  // namespace
}  // namespace qmoor
