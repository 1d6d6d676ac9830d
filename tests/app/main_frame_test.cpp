// The window: title, styles, size, the menu bar and its commands, the About box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/about_box.h"
#include "app/dialog_units.h"
#include "app/main_frame.h"

namespace qmoor {
namespace {

struct MenuEntry {
  QString text;
  int command;  // 0: none; -1: a separator
  bool enabled;
  friend bool operator==(const MenuEntry&, const MenuEntry&) = default;
  friend std::ostream& operator<<(std::ostream& out, const MenuEntry& entry) {
    return out << '"' << entry.text.toStdString() << "\" " << entry.command << (entry.enabled ? "" : " disabled");
  }
};

std::vector<MenuEntry> entriesOf(const QList<QAction*>& actions) {
  std::vector<MenuEntry> entries;
  for (const QAction* action : actions)
    entries.push_back({action->text(), action->isSeparator() ? -1 : action->data().toInt(), action->isEnabled()});
  return entries;
}

class MainFrameTest : public ::testing::Test {
 protected:
  QWidget* form = new QWidget;
  std::vector<CommandId> commands;
  CMainFrame frame{form, [this](CommandId id) { commands.push_back(id); }};

  QAction* barEntry(const QString& text) {
    for (QAction* action : frame.menuBar()->actions())
      if (action->text() == text) return action;
    ADD_FAILURE() << "no menu bar entry " << text.toStdString();
    return nullptr;
  }
};

TEST_F(MainFrameTest, StartsTitledAt5x5With803x625AndNoMaximizeButton) {
  EXPECT_EQ(frame.windowTitle(), QStringLiteral("Quillmoor ver.1.705"));
  EXPECT_EQ(frame.pos(), QPoint(5, 5));
  EXPECT_EQ(frame.size(), QSize(803, 625));
  const Qt::WindowFlags flags = frame.windowFlags();
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowTitleHint);
  EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
  EXPECT_NE(frame.minimumSize(), frame.maximumSize()) << "the window can be resized";
  EXPECT_FALSE(frame.windowIcon().isNull());
}

TEST_F(MainFrameTest, ShrinksToFitASmallFormButNeverGrowsForALargeOne) {
  form->resize(400, 300);
  frame.fitToForm();
  const int menuHeight = frame.menuBar()->sizeHint().height();
  EXPECT_EQ(frame.size(), QSize(400, 300 + menuHeight));

  QWidget* large = new QWidget;
  large->resize(2000, 1000);
  CMainFrame roomy(large, [](CommandId) {});
  roomy.fitToForm();
  EXPECT_EQ(roomy.size(), QSize(803, 625));

  QWidget* tall = new QWidget;
  tall->resize(700, 1000);
  CMainFrame narrow(tall, [](CommandId) {});
  narrow.fitToForm();
  EXPECT_EQ(narrow.size(), QSize(700, 625));
}

TEST_F(MainFrameTest, TheMenuBarHoldsTheFileAndViewMenusThenCommandsAndAbout) {
  const std::vector<MenuEntry> bar = entriesOf(frame.menuBar()->actions());
  const std::vector<MenuEntry> expected{{"ファイル(&F)", 0, true},    {"表示(&V)", 0, false}, {"SAVE(&S)", 32773, true},
                                        {"LOAD(&L)", 32775, true},    {"タブのクリア(&C)", 32778, true},
                                        {"バージョン情報 (&A)...", 57664, true}};
  EXPECT_EQ(bar, expected);
  for (QAction* action : frame.menuBar()->actions()) {
    const bool dropDown = action->text() == QStringLiteral("ファイル(&F)") || action->text() == QStringLiteral("表示(&V)");
    EXPECT_EQ(action->menu() != nullptr, dropDown) << action->text().toStdString();
  }
}

TEST_F(MainFrameTest, TheFileMenuSavesLoadsAndExits) {
  QAction* file = barEntry(QStringLiteral("ファイル(&F)"));
  ASSERT_TRUE(file && file->menu());
  const std::vector<MenuEntry> expected{
      {"SAVE(&S)", 32773, true}, {"LOAD(&L)", 32775, true}, {"", -1, true}, {"終了(&X)", 57665, true}};
  EXPECT_EQ(entriesOf(file->menu()->actions()), expected);
}

TEST_F(MainFrameTest, TheViewMenuIsDisabledWhole) {
  QAction* show = barEntry(QStringLiteral("表示(&V)"));
  ASSERT_TRUE(show && show->menu());
  EXPECT_FALSE(show->isEnabled());
  const std::vector<MenuEntry> expected{{"", -1, true}, {"ステータス バー(&S)", 59393, false}, {"ヘルプ(&H)", 0, true}};
  EXPECT_EQ(entriesOf(show->menu()->actions()), expected);
}

TEST_F(MainFrameTest, CommandsFromTheBarAndTheFileMenuGoToTheSink) {
  barEntry(QStringLiteral("タブのクリア(&C)"))->trigger();
  barEntry(QStringLiteral("SAVE(&S)"))->trigger();
  QAction* load = barEntry(QStringLiteral("ファイル(&F)"))->menu()->actions().at(1);
  load->trigger();
  EXPECT_EQ(commands, (std::vector<CommandId>{CommandId::ClearTabs, CommandId::SaveTabs, CommandId::LoadTabs}));
}

TEST_F(MainFrameTest, ExitClosesTheWindowWithoutACommand) {
  frame.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
  barEntry(QStringLiteral("ファイル(&F)"))->menu()->actions().at(3)->trigger();
  EXPECT_FALSE(frame.isVisible());
  EXPECT_TRUE(commands.empty());
}

TEST_F(MainFrameTest, TheAboutEntryOpensTheAboutBoxModally) {
  QString shownTitle;
  bool modal = false;
  QTimer::singleShot(0, [&] {
    if (auto* box = qobject_cast<AboutBox*>(QApplication::activeModalWidget())) {
      shownTitle = box->windowTitle();
      modal = box->isModal();
      box->accept();
    }
  });
  barEntry(QStringLiteral("バージョン情報 (&A)..."))->trigger();
  EXPECT_EQ(shownTitle, QStringLiteral("Quillmoorのバージョン情報 "));
  EXPECT_TRUE(modal);
  EXPECT_TRUE(commands.empty());
}

TEST(AboutBox, ShowsTheNameAndVersionBesideTheIconWithADefaultOk) {
  AboutBox box;
  EXPECT_EQ(box.windowTitle(), QStringLiteral("Quillmoorのバージョン情報 "));
  const DialogUnits units = DialogUnits::of(box.font());
  EXPECT_EQ(box.size(), units.size(183, 52));
  EXPECT_FALSE(box.windowFlags() & Qt::WindowMaximizeButtonHint);

  QStringList texts;
  const QLabel* icon = nullptr;
  for (const QLabel* label : box.findChildren<QLabel*>()) {
    if (!label->pixmap().isNull()) icon = label;
    else texts << label->text();
  }
  EXPECT_EQ(texts, (QStringList{"Quillmoor", "Version 1.705"}));
  ASSERT_NE(icon, nullptr);
  EXPECT_TRUE(units.rect({11, 14, 20, 20}).contains(icon->geometry()));
  for (const QLabel* label : box.findChildren<QLabel*>()) {
    if (label == icon) continue;
    EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->text().toStdString();
    EXPECT_EQ(label->buddy(), nullptr) << "no mnemonic processing";
  }

  const auto buttons = box.findChildren<QPushButton*>();
  ASSERT_EQ(buttons.size(), 1);
  EXPECT_EQ(buttons.first()->text(), "OK");
  EXPECT_TRUE(buttons.first()->isDefault());
  EXPECT_EQ(buttons.first()->geometry(), units.rect({124, 7, 50, 16}));
  QTest::mouseClick(buttons.first(), Qt::LeftButton);
  EXPECT_EQ(box.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace qmoor
