// The window: title, styles, size, the menu bar and its commands, the About box.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "app/main_window/about_box.h"
#include "app/form_widget/dialog_units.h"
#include "app/main_window/main_frame.h"
#include "app/widgets/screen_fit.h"

namespace qmoor {
namespace {

// Each entry as "text command", a separator as "-", a disabled entry marked "(off)".
QStringList entriesOf(const QList<QAction*>& actions) {
  QStringList entries;
  for (const QAction* action : actions)
    entries << (action->isSeparator() ? QStringLiteral("-")
                                      : action->text() + ' ' + QString::number(action->data().toInt()) +
                                            (action->isEnabled() ? "" : " (off)"));
  return entries;
}

class MainFrameTest : public ::testing::Test {
 protected:
  QWidget* form = new QWidget;
  std::vector<CommandId> commands;
  CMainFrame frame{form, [this](CommandId id) { commands.push_back(id); }};
  QAction* entry(int index) { return frame.menuBar()->actions().at(index); }
};

TEST_F(MainFrameTest, StartsTitledAt5x5With803x625ResizableWithoutAMaximizeButton) {
  EXPECT_EQ(frame.windowTitle(), QStringLiteral("Quillmoor ver.1.705"));
  EXPECT_EQ(frame.geometry().topLeft(), QPoint(5, 5));
  EXPECT_EQ(frame.size(), QSize(803, 625));
  EXPECT_FALSE(frame.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(frame.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_NE(frame.minimumSize(), frame.maximumSize());
}

// A window made shorter than its form (as a window manager's frame does on a
// small screen) widens by the scroll bar, so that the form's right edge stays
// in view without scrolling sideways.
TEST_F(MainFrameTest, AWindowTooShortForItsFormWidensByTheScrollBar) {
  form->resize(400, 300);
  frame.fitToForm();
  frame.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
  frame.resize(400, 200);
  QApplication::processEvents();
  const auto* client = static_cast<QAbstractScrollArea*>(frame.centralWidget());
  EXPECT_EQ(frame.width(), 400 + client->verticalScrollBar()->sizeHint().width());
  EXPECT_FALSE(client->horizontalScrollBar()->isVisible());
}

// Fitted to the form, but never beyond the screen's available area, where
// the client area scrolls the form instead; beside a form only too tall, the
// window makes room for the scroll bar, so that no sideways bar hides its
// right edge.
TEST_F(MainFrameTest, FitsItsClientAreaToTheFormWithinTheScreen) {
  const auto* client = static_cast<QAbstractScrollArea*>(frame.centralWidget());
  const QRect area = frame.screen()->availableGeometry();
  for (const QSize& formSize : {QSize(400, 1000), QSize(300, 200), QSize(area.width() + 50, 100)}) {
    form->resize(formSize);
    frame.fitToForm();
    QSize needed(formSize.width(), formSize.height() + frame.menuBar()->sizeHint().height());
    // Too tall, the form scrolls up and down, and its scroll bar takes room beside it.
    const bool tooTall = needed.height() > area.height();
    if (tooTall) needed.rwidth() += client->verticalScrollBar()->sizeHint().width();
    EXPECT_EQ(frame.size(), needed.boundedTo(area.size())) << formSize.width() << "x" << formSize.height();
    EXPECT_TRUE(area.contains(frame.geometry())) << formSize.width() << "x" << formSize.height();
  }
}

// The window with its frame (title bar and borders as a window manager adds
// them at 100 %, 150 % and 200 %) stays whole within the available area.
TEST(ScreenFit, TheWindowFitsWithItsFrame) {
  const QRect area(0, 0, 1366, 728);  // 1366x768 less a 40-pixel panel
  const struct {
    QRect client;
    QMargins frame;
    QRect fitted;
  } cases[] = {
      {{5, 5, 803, 625}, {}, {5, 5, 803, 625}},
      {{5, 30, 803, 625}, {2, 25, 2, 2}, {5, 30, 803, 625}},         // whole already
      {{5, 30, 803, 900}, {2, 25, 2, 2}, {5, 25, 803, 701}},         // shorter by the frame, not off the bottom
      {{5, 30, 1600, 900}, {3, 38, 3, 3}, {3, 38, 1360, 687}},       // 200 %: both ways
      {{900, 600, 400, 300}, {2, 25, 2, 2}, {900, 426, 400, 300}},   // moved up whole
      {{-50, -20, 400, 300}, {2, 25, 2, 2}, {2, 25, 400, 300}},      // moved down and right whole
  };
  for (const auto& c : cases) {
    const QRect fitted = fittedClient(c.client, c.frame, area);
    EXPECT_EQ(fitted, c.fitted) << c.client.width() << "x" << c.client.height() << " framed " << c.frame.top();
    EXPECT_TRUE(area.contains(fitted.marginsAdded(c.frame)));
  }
}

TEST_F(MainFrameTest, HasTheMenusInOrderWithTheViewMenuDisabledWhole) {
  EXPECT_EQ(entriesOf(frame.menuBar()->actions()),
            QStringList({"ファイル(&F) 0", "表示(&V) 0 (off)", "SAVE(&S) 32773", "LOAD(&L) 32775", "タブのクリア(&C) 32778",
                         "ツール(&T) 0", "バージョン情報 (&A)... 57664"}));
  ASSERT_TRUE(entry(0)->menu() && entry(1)->menu());
  EXPECT_EQ(entriesOf(entry(0)->menu()->actions()), QStringList({"SAVE(&S) 32773", "LOAD(&L) 32775", "-", "終了(&X) 57665"}));
  EXPECT_EQ(entriesOf(entry(1)->menu()->actions()), QStringList({"-", "ステータス バー(&S) 59393 (off)", "ヘルプ(&H) 0"}));
  for (int i : {2, 3, 4, 6}) EXPECT_EQ(entry(i)->menu(), nullptr) << "a command directly on the bar";
  EXPECT_NE(entry(5)->menu(), nullptr);
}

TEST_F(MainFrameTest, SendsTheCommandsOnAndExitsWithoutOne) {
  entry(4)->trigger();
  entry(2)->trigger();
  entry(0)->menu()->actions().at(1)->trigger();
  EXPECT_EQ(commands, (std::vector<CommandId>{CommandId::ClearTabs, CommandId::SaveTabs, CommandId::LoadTabs}));
  frame.show();
  EXPECT_FALSE(frame.windowIcon().isNull()) << "a window on screen carries its icon";
  entry(0)->menu()->actions().at(3)->trigger();
  EXPECT_FALSE(frame.isVisible());
  EXPECT_EQ(commands.size(), 3u);
}

TEST_F(MainFrameTest, TheAboutEntryOpensTheAboutBoxModally) {
  QString shownTitle;
  QTimer::singleShot(0, [&] {
    if (auto* box = qobject_cast<AboutBox*>(QApplication::activeModalWidget())) {
      shownTitle = box->windowTitle();
      box->accept();
    }
  });
  entry(6)->trigger();
  EXPECT_EQ(shownTitle, QStringLiteral("Quillmoorのバージョン情報 "));
}

TEST(AboutBox, ShowsNameAndVersionBesideTheIconWithADefaultOk) {
  AboutBox box;
  const DialogUnits units = DialogUnits::of(box.font());
  EXPECT_EQ(box.size(), units.size(183, 52));
  QStringList texts;
  for (const QLabel* label : box.findChildren<QLabel*>()) {
    if (label->pixmap().isNull()) texts << label->text() + (label->textFormat() == Qt::PlainText ? "" : " (rich)");
    else EXPECT_EQ(label->geometry(), units.rect({11, 14, 20, 20}));
  }
  EXPECT_EQ(texts, QStringList({"Quillmoor", "Version 1.705"}));
  auto* ok = box.findChild<QPushButton*>();
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->text(), "OK");
  EXPECT_TRUE(ok->isDefault());
  EXPECT_EQ(ok->geometry(), units.rect({124, 7, 50, 16}));
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_EQ(box.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace qmoor
