// The whole program in one process: start-up with the real view, user actions
// on real widgets, the saved-tabs file through the dialog interface, and the
// command line (a file to load, a screenshot after a script).
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "app/form_widget/form_widget.h"
#include "app/main_window/main_frame.h"
#include "app/program/qmoor_app.h"
#include "app/tools/skill_table/skill_table_window.h"

namespace qmoor {
namespace {

class AppTest : public ::testing::Test {
 protected:
  QTemporaryDir folder;
  CQmoorApp app;

  void start(const QStringList& arguments = {}) { ASSERT_TRUE(app.InitInstance(QStringList{"quillmoor"} + arguments)); }
  template <typename W>
  static W* widgetOf(CQmoorApp& program, ControlId id) {
    return qobject_cast<W*>(program.form().widgetFor(id));
  }
  static QStringList tabLabels(CQmoorApp& program) {
    QTabBar* row = program.form().widgetFor(ControlId::TabBar)->findChild<QTabBar*>();
    QStringList labels;
    for (int i = 0; i < row->count(); ++i) labels << row->tabText(i);
    return labels;
  }
  void pickInRaceOrder(int steps) {
    for (int i = 0; i < steps; ++i) QTest::keyClick(widgetOf<QComboBox>(app, ControlId::RaceOrderCombo), Qt::Key_Down);
  }
  QAction* menuBarEntry(int index) { return app.frame().menuBar()->actions().at(index); }
};

TEST_F(AppTest, ChoosingADemonFillsTheMaterialPairTableWithTheRowsOfItsModel) {
  start();
  EXPECT_EQ(app.frame().windowTitle(), QStringLiteral("Quillmoor ver.1.705"));
  EXPECT_LE(app.frame().width(), 803);
  pickInRaceOrder(1);
  const ListView& model = app.view().form().listView(ControlId::MaterialPairView);
  const QAbstractItemModel* shown = widgetOf<QTableView>(app, ControlId::MaterialPairView)->model();
  ASSERT_GT(model.rowCount(), 0);
  ASSERT_EQ(shown->rowCount(), model.rowCount());
  for (int r = 0; r < model.rowCount(); ++r)
    for (int c = 0; c < 2; ++c) ASSERT_EQ(shown->index(r, c).data().toString().toStdString(), model.cell(r, c));
  EXPECT_EQ(tabLabels(app).value(0).toStdString(), app.view().form().tabs().label(0));
}

TEST_F(AppTest, ClickingAPairShowsBothMaterialsAndACaptionTogglesItsCheckBox) {
  start();
  auto* table = widgetOf<QTableView>(app, ControlId::MaterialPairView);
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(table->model()->index(0, 0)).center());
  EXPECT_EQ(app.view().working().pickedRow, 0);
  for (ControlId edit : {ControlId::Material1RaceEdit, ControlId::SelectedTotalEdit}) {
    EXPECT_FALSE(app.view().form().edit(edit).text().empty());
    EXPECT_EQ(widgetOf<QLineEdit>(app, edit)->text().toStdString(), app.view().form().edit(edit).text());
  }
  QTest::mouseClick(widgetOf<QLabel>(app, ControlId::NeutralCaption), Qt::LeftButton);
  EXPECT_TRUE(widgetOf<QCheckBox>(app, ControlId::NeutralCheck)->isChecked());
}

TEST_F(AppTest, SavedTabsComeBackFromTheMenuAndFromTheCommandLine) {
  start();
  QTest::mouseClick(widgetOf<QPushButton>(app, ControlId::OpenDetailButton), Qt::LeftButton);
  pickInRaceOrder(2);
  const QStringList saved = tabLabels(app);
  ASSERT_EQ(saved.size(), 2);
  const QString path = folder.filePath("tabs.qmf");
  app.host().answerNextDialog(path.toStdString());
  menuBarEntry(2)->trigger();  // SAVE
  EXPECT_EQ(app.frame().windowTitle(), "tabs.qmf");

  QTest::mouseClick(widgetOf<QPushButton>(app, ControlId::OpenDetailButton), Qt::LeftButton);
  app.host().answerNextDialog(path.toStdString());
  menuBarEntry(3)->trigger();  // LOAD
  EXPECT_EQ(tabLabels(app), saved);

  CQmoorApp again;
  ASSERT_TRUE(again.InitInstance({"quillmoor", path}));
  EXPECT_EQ(again.frame().windowTitle(), "tabs.qmf");
  EXPECT_EQ(tabLabels(again), saved);
  EXPECT_TRUE(widgetOf<QPushButton>(again, ControlId::CloseTabButton)->isEnabled());
}

TEST_F(AppTest, AScreenshotFollowsTheScriptWhoseActionsTheWidgetsShow) {
  const QString script = folder.filePath("steps.qmd");
  std::ofstream(script.toStdString()) << "select 1026 2\ndump window\n";
  const QString picture = folder.filePath("shot.png");
  start({"--screenshot", picture, "--script", script});
  ::testing::internal::CaptureStdout();
  EXPECT_EQ(app.Run(), 0);
  EXPECT_NE(::testing::internal::GetCapturedStdout().find("\"kind\":\"window\""), std::string::npos);
  EXPECT_EQ(widgetOf<QComboBox>(app, ControlId::RaceOrderCombo)->currentIndex(), 2);
  EXPECT_EQ(QImage(picture).size(), app.frame().size() * app.frame().devicePixelRatio());
}

TEST_F(AppTest, AScreenshotOfAToolWindowIsThatWindowsPicture) {
  const QString picture = folder.filePath("tool.png");
  start({"--screenshot", picture, "--tool", "4"});
  EXPECT_EQ(app.Run(), 0);
  auto* window = app.frame().findChild<SkillTableWindow*>();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(QImage(picture).size(), window->size() * window->devicePixelRatio());

  CQmoorApp beyond;
  ASSERT_TRUE(beyond.InitInstance({"quillmoor", "--screenshot", picture, "--tool", "99"}));
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(beyond.Run(), 2);
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("entry 99"), std::string::npos);
}

TEST_F(AppTest, AFailingScriptTakesNoScreenshot) {
  const QString script = folder.filePath("bad.qmd");
  std::ofstream(script.toStdString()) << "select 1026 100000\n";
  const QString picture = folder.filePath("shot.png");
  start({"--screenshot", picture, "--script", script});
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(app.Run(), 2);
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("line 1"), std::string::npos);
  EXPECT_FALSE(QFileInfo::exists(picture));
}

}  // namespace
}  // namespace qmoor
