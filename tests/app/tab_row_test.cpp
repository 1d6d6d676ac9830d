// The tab row: many tabs entering a shown form at once, and the row drawn
// exactly as Qt's own tab bar draws the same tabs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTabBar>
#include <QTest>

#include "app/form_widget/tab_row.h"
#include "form_fixture.h"

namespace qmoor {
namespace {

using TabRowTest = FormFixture;

TEST_F(TabRowTest, ManyTabsEnterAndLeaveAtOnceWithTheRowShownAndTheFocusKept) {
  QTabBar* row = widget.widgetFor(ControlId::TabBar)->findChild<QTabBar*>();
  for (const bool focused : {false, true}) {
    if (focused) {
      widget.activateWindow();
      row->setFocus();
      ASSERT_TRUE(QTest::qWaitFor([&] { return row->hasFocus(); }));
    }
    for (int i = form.tabs().count(); i < 150; ++i) form.tabs().insertItem(i, QStringLiteral("タブ%1").arg(i).toStdString());
    form.tabs().setSelection(149);
    widget.syncDirty();
    EXPECT_TRUE(row->isVisible());
    EXPECT_EQ(row->hasFocus(), focused);
    ASSERT_EQ(row->count(), 150);
    EXPECT_EQ(row->currentIndex(), 149);
    EXPECT_EQ(row->tabText(149), QStringLiteral("タブ149"));
    for (int i = 0; i < row->count(); ++i) ASSERT_TRUE(row->isTabVisible(i)) << i;
    EXPECT_TRUE(row->rect().intersects(row->tabRect(149))) << "the current tab is scrolled into view";

    while (form.tabs().count() > 1) form.tabs().deleteItem(form.tabs().count() - 1);
    form.tabs().setSelection(0);
    widget.syncDirty();
    EXPECT_TRUE(row->isVisible());
    EXPECT_EQ(row->hasFocus(), focused);
    EXPECT_EQ(row->count(), 1);
  }
  EXPECT_TRUE(heard.empty());
}

// The row prepares only the tabs in view for painting; the picture is the same.
TEST(TabRowPicture, IsQtsOwnAtEitherEndOfManyTabs) {
  QTabBar plain;
  TabRow row;
  for (QTabBar* bar : {&plain, static_cast<QTabBar*>(&row)}) {
    bar->setExpanding(false);
    bar->setUsesScrollButtons(true);
    bar->setDrawBase(false);
    bar->setElideMode(Qt::ElideNone);
    for (int i = 0; i < 60; ++i) bar->addTab(QStringLiteral("悪魔%1").arg(i));
    bar->resize(400, bar->sizeHint().height());
    bar->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(bar));
  }
  for (const int current : {0, 59, 30}) {
    plain.setCurrentIndex(current);
    row.setCurrentIndex(current);
    EXPECT_EQ(row.grab().toImage(), plain.grab().toImage()) << "current tab " << current;
  }
}

}  // namespace
}  // namespace qmoor
