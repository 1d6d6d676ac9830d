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

#include "app/form_widget.h"
#include "app/main_frame.h"
#include "app/qmoor_app.h"
#include "app/widget_factory.h"

namespace qmoor {
namespace {

class AppTest : public ::testing::Test {
 protected:
  QTemporaryDir folder;
  CQmoorApp app;

  void start(const QStringList& arguments = {}) { ASSERT_TRUE(app.InitInstance(QStringList{"quillmoor"} + arguments)); }
  template <typename W>
  W* widgetOf(CQmoorApp& program, ControlId id) {
    auto* found = qobject_cast<W*>(program.form().widgetFor(id));
    EXPECT_NE(found, nullptr) << static_cast<int>(id);
    return found;
  }
  template <typename W>
  W* widgetOf(ControlId id) {
    return widgetOf<W>(app, id);
  }
  QStringList tabLabels(CQmoorApp& program) {
    QTabBar* row = tabRowOf(program.form().widgetFor(ControlId::TabBar));
    QStringList labels;
    for (int i = 0; i < row->count(); ++i) labels << row->tabText(i);
    return labels;
  }
  // The table of a list view compared cell by cell with its control model.
  void expectTableShowsModel(ControlId id) {
    const ListView& model = app.view().form().listView(id);
    const QAbstractItemModel* shown = widgetOf<QTableView>(id)->model();
    ASSERT_EQ(shown->rowCount(), model.rowCount());
    ASSERT_EQ(shown->columnCount(), static_cast<int>(model.columns().size()));
    for (int r = 0; r < model.rowCount(); ++r)
      for (int c = 0; c < shown->columnCount(); ++c)
        ASSERT_EQ(shown->index(r, c).data().toString().toStdString(), model.cell(r, c)) << "row " << r << " column " << c;
  }
  QAction* menuBarEntry(const QString& text) {
    for (QAction* action : app.frame().menuBar()->actions())
      if (action->text() == text) return action;
    return nullptr;
  }
};

TEST_F(AppTest, StartsOnTheFirstDemonOfTheRaceOrder) {
  start();
  EXPECT_TRUE(app.frame().isVisible());
  EXPECT_EQ(app.frame().windowTitle(), QStringLiteral("Quillmoor ver.1.705"));
  EXPECT_EQ(tabLabels(app), QStringList{QString::fromStdString(app.view().form().tabs().label(0))});
  EXPECT_FALSE(tabLabels(app).first().isEmpty());
  EXPECT_EQ(widgetOf<QComboBox>(ControlId::RaceOrderCombo)->currentIndex(), 0);
  EXPECT_EQ(widgetOf<QComboBox>(ControlId::Skill1KindCombo)->currentText(), QStringLiteral("アギ"));
  EXPECT_EQ(widgetOf<QLineEdit>(ControlId::LimitEdit)->text(), "50");
  EXPECT_FALSE(widgetOf<QPushButton>(ControlId::CloseTabButton)->isEnabled());
  expectTableShowsModel(ControlId::MaterialPairView);
  expectTableShowsModel(ControlId::StatsView);
  EXPECT_LE(app.frame().width(), 803);
  EXPECT_LE(app.frame().height(), 625);
}

TEST_F(AppTest, ChoosingADemonInTheRaceOrderListFillsTheMaterialPairTable) {
  start();
  auto* box = widgetOf<QComboBox>(ControlId::RaceOrderCombo);
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Down);
  EXPECT_EQ(app.view().form().combo(ControlId::RaceOrderCombo).selection(), 1);
  EXPECT_EQ(tabLabels(app).first().toStdString(), app.view().form().tabs().label(0));
  ASSERT_GT(app.view().form().listView(ControlId::MaterialPairView).rowCount(), 0);
  expectTableShowsModel(ControlId::MaterialPairView);
  EXPECT_EQ(widgetOf<QLineEdit>(ControlId::DetailNameEdit)->text().toStdString(),
            app.view().form().edit(ControlId::DetailNameEdit).text());
}

TEST_F(AppTest, ClickingAMaterialPairShowsBothMaterials) {
  start();
  auto* table = widgetOf<QTableView>(ControlId::MaterialPairView);
  ASSERT_GT(table->model()->rowCount(), 0);
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(table->model()->index(0, 0)).center());
  EXPECT_EQ(app.view().working().pickedRow, 0);
  for (ControlId edit : {ControlId::Material1RaceEdit, ControlId::Material2RaceEdit, ControlId::SelectedTotalEdit}) {
    EXPECT_FALSE(app.view().form().edit(edit).text().empty()) << static_cast<int>(edit);
    EXPECT_EQ(widgetOf<QLineEdit>(edit)->text().toStdString(), app.view().form().edit(edit).text());
  }
}

TEST_F(AppTest, ACaptionClickTogglesItsCheckBoxThroughTheView) {
  start();
  auto* check = widgetOf<QCheckBox>(ControlId::NeutralCheck);
  QTest::mouseClick(widgetOf<QLabel>(ControlId::NeutralCaption), Qt::LeftButton);
  EXPECT_TRUE(check->isChecked());
  EXPECT_TRUE(app.view().form().check(ControlId::NeutralCheck).checked());
  QTest::mouseClick(widgetOf<QLabel>(ControlId::NeutralCaption), Qt::LeftButton);
  EXPECT_FALSE(check->isChecked());
}

TEST_F(AppTest, SavedTabsComeBackWhenTheFileIsNamedOnTheCommandLine) {
  start();
  QTest::mouseClick(widgetOf<QPushButton>(ControlId::OpenDetailButton), Qt::LeftButton);
  auto* box = widgetOf<QComboBox>(ControlId::RaceOrderCombo);
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Down);
  QTest::keyClick(box, Qt::Key_Down);
  const QStringList saved = tabLabels(app);
  ASSERT_EQ(saved.size(), 2);

  const QString path = folder.filePath("tabs.qmf");
  app.host().answerNextDialog(path.toStdString());
  QAction* save = menuBarEntry(QStringLiteral("SAVE(&S)"));
  ASSERT_NE(save, nullptr);
  save->trigger();
  EXPECT_TRUE(QFileInfo::exists(path));
  EXPECT_EQ(app.frame().windowTitle(), "tabs.qmf");

  CQmoorApp again;
  ASSERT_TRUE(again.InitInstance({"quillmoor", path}));
  EXPECT_EQ(again.frame().windowTitle(), "tabs.qmf");
  EXPECT_EQ(tabLabels(again), saved);
  EXPECT_EQ(tabRowOf(again.form().widgetFor(ControlId::TabBar))->currentIndex(), 0);
}

TEST_F(AppTest, LoadingFromTheMenuReplacesTheTabs) {
  start();
  const QString path = folder.filePath("one.qmf");
  app.host().answerNextDialog(path.toStdString());
  menuBarEntry(QStringLiteral("SAVE(&S)"))->trigger();
  QTest::mouseClick(widgetOf<QPushButton>(ControlId::OpenDetailButton), Qt::LeftButton);
  ASSERT_EQ(tabLabels(app).size(), 2);
  app.host().answerNextDialog(path.toStdString());
  menuBarEntry(QStringLiteral("LOAD(&L)"))->trigger();
  EXPECT_EQ(tabLabels(app).size(), 1);
  EXPECT_FALSE(widgetOf<QPushButton>(ControlId::CloseTabButton)->isEnabled());
}

TEST_F(AppTest, AScreenshotIsTakenAfterTheScriptAndTheWidgetsShowItsActions) {
  const QString script = folder.filePath("steps.qmd");
  std::ofstream(script.toStdString()) << "select 1026 2\ndump window\n";
  const QString picture = folder.filePath("shot.png");
  start({"--screenshot", picture, "--script", script});
  ::testing::internal::CaptureStdout();
  const int status = app.Run();
  const std::string dumps = ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(status, 0);
  EXPECT_NE(dumps.find("\"kind\":\"window\""), std::string::npos) << dumps;
  EXPECT_EQ(widgetOf<QComboBox>(ControlId::RaceOrderCombo)->currentIndex(), 2);
  const QImage image(picture);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), app.frame().size() * app.frame().devicePixelRatio());
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

TEST_F(AppTest, RefusesACommandLineItCannotUse) {
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(app.InitInstance({"quillmoor", "--script", "steps.qmd"}));
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("usage"), std::string::npos);
}

}  // namespace
}  // namespace qmoor
