// Every text the window shows is readable whole: it fits its control, or its
// list scrolls to it, or the control's tooltip holds it (and only then). CTest runs these at
// 1×, 1.5× and 2× scale (QT_SCALE_FACTOR), where Qt measures text differently.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QMenuBar>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHelpEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOption>
#include <QTableView>
#include <QToolTip>
#include <sstream>

#include "app/main_window/about_box.h"
#include "app/form_widget/form_widget.h"
#include "app/tools/simulator/fusion_simulator_window.h"
#include "app/main_window/main_frame.h"
#include "app/tools/my_demons/my_demon_dialog.h"
#include "app/tools/my_demons/my_demons_window.h"
#include "app/tools/planner/planner_window.h"
#include "app/program/qmoor_app.h"
#include "app/widgets/screen_fit.h"
#include "app/tools/tool_window.h"
#include "data/races.h"
#include "script/script_runner.h"

namespace qmoor {
namespace {

// The room a line edit gives its text: inside its frame, less Qt's fixed
// margin of 2 pixels a side and the text margins.
int textRoom(const QLineEdit& edit) {
  QStyleOptionFrame option;
  option.initFrom(&edit);
  option.lineWidth = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
  const QRect contents = edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
  return contents.width() - 4 - edit.textMargins().left() - edit.textMargins().right();
}

int buttonRoom(const QPushButton& button) {
  QStyleOptionButton option;
  option.initFrom(&button);
  return button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button).width();
}

// Whether hovering the cell shows its whole text.
bool hoverShows(const QTableView& table, const QModelIndex& cell) {
  const QPoint centre = table.visualRect(cell).center();
  QHelpEvent hover(QEvent::ToolTip, centre, table.viewport()->mapToGlobal(centre));
  QApplication::sendEvent(table.viewport(), &hover);
  const bool shown = QToolTip::isVisible() && QToolTip::text() == cell.data().toString();
  QToolTip::hideText();
  return shown;
}

// The text a label or button draws: a mnemonic's "&" is not drawn, "&&" draws one "&".
QString drawnText(QString text) {
  for (qsizetype at = text.indexOf(QLatin1Char('&')); at >= 0 && at < text.size(); at = text.indexOf(QLatin1Char('&'), at + 1)) {
    text.remove(at, 1);
  }
  return text;
}

// Each text of the form that cannot be read whole, as "where: text".
std::vector<std::string> cutTexts(const QWidget& form) {
  std::vector<std::string> cut;
  auto check = [&](const QWidget& w, const QString& text, int need, int room) {
    const QWidget* owner = qobject_cast<const QComboBox*>(w.parentWidget()) ? w.parentWidget() : &w;
    const bool explained = owner->toolTip() == text;
    if (text.isEmpty() || (need <= room) != explained) return;
    std::ostringstream where;
    where << owner->metaObject()->className() << " " << owner->accessibleName().toStdString() << " at " << owner->x()
          << "," << owner->y() << ": \"" << text.toStdString() << "\" needs " << need << " px, has " << room
          << (explained ? ", a needless tooltip" : "");
    cut.push_back(where.str());
  };
  for (const QWidget* w : form.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&form) || w->isWindow()) continue;  // a tooltip or popup is not the window's own text
    const QFontMetrics metrics = w->fontMetrics();
    if (auto* label = qobject_cast<const QLabel*>(w); label && label->wordWrap()) {  // whole when its lines fit
      check(*w, label->text(), label->heightForWidth(label->width()), label->height());
    } else if (label) {
      check(*w, label->text(), metrics.horizontalAdvance(drawnText(label->text())), label->contentsRect().width());
    } else if (auto* button = qobject_cast<const QPushButton*>(w)) {
      check(*w, button->text(), metrics.horizontalAdvance(drawnText(button->text())), buttonRoom(*button));
    } else if (auto* edit = qobject_cast<const QLineEdit*>(w)) {
      check(*w, edit->text(), metrics.horizontalAdvance(edit->text()) + 1, textRoom(*edit));
    } else if (auto* table = qobject_cast<const QTableView*>(w)) {
      const QAbstractItemModel* model = table->model();
      const bool scrollsSideways = table->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
      if (model->rowCount() > 0 && table->viewport()->height() < table->rowHeight(0))
        check(*w, model->index(0, 0).data().toString(), table->rowHeight(0), table->viewport()->height());
      for (int c = 0; c < model->columnCount(); ++c) {
        const QString header = model->headerData(c, Qt::Horizontal).toString();
        check(*w, header, table->horizontalHeader()->sectionSizeHint(c), table->columnWidth(c));
        if (!scrollsSideways)
          check(*w, header, table->columnViewportPosition(c) + table->columnWidth(c), table->viewport()->width());
        for (int r = table->rowAt(0); r >= 0 && r <= table->rowAt(table->viewport()->height() - 1); ++r) {
          const QModelIndex cell = model->index(r, c);
          QStyleOptionViewItem option;
          option.initFrom(table);
          if (hoverShows(*table, cell)) continue;
          check(*w, cell.data().toString(), table->itemDelegate()->sizeHint(option, cell).width(), table->columnWidth(c));
        }
      }
    } else if (auto* list = qobject_cast<const QListWidget*>(w)) {
      if (list->horizontalScrollBar()->isVisible()) continue;  // the rest of a row is a scroll away
      for (int r = 0; r < list->count(); ++r)
        check(*w, list->item(r)->text(), metrics.horizontalAdvance(list->item(r)->text()), list->viewport()->width() - 2);
    }
  }
  return cut;
}

// What a user sees after each script: the empty start, picks that fill every
// panel with long names and three-digit levels, and the longest listing
// scrolled to its end.
TEST(TextFit, EveryTextIsReadableWhole) {
  const int legion = raceOrderIndexOf({19, 1});
  const std::vector<std::string> scripts{
      "",
      "select 1026 2\nselect 1001 0\nrow 1116 0\n",
      "click 1059\nselect 1026 " + std::to_string(legion) + "\nselect 1001 0\nrow 1116 0\n",
      "select 1024 4\nselect 1001 1\nrow 1116 1\n",
  };
  for (const std::string& script : scripts) {
   for (const char* language : {"ja", "en"}) {
    SCOPED_TRACE(language);
    CQmoorApp app;
    ASSERT_TRUE(app.InitInstance({"quillmoor", "--lang", language}));
    std::istringstream lines(script);
    std::ostringstream dumps, errors;
    ASSERT_EQ(ScriptRunner(app.view(), app.host(), dumps).run(lines, errors), 0) << errors.str();
    app.form().syncDirty();
    QApplication::processEvents();
    EXPECT_EQ(cutTexts(app.form()), std::vector<std::string>()) << "after:\n" << script;
    auto* pairs = qobject_cast<QTableView*>(app.form().widgetFor(ControlId::MaterialPairView));
    pairs->scrollToBottom();
    QApplication::processEvents();
    EXPECT_EQ(cutTexts(app.form()), std::vector<std::string>()) << "scrolled to the end after:\n" << script;
   }
  }
}

TEST(TextFit, TheAboutBoxShowsItsTextsWhole) {
  AboutBox box;
  box.show();
  EXPECT_EQ(cutTexts(box), std::vector<std::string>());
}

// A check box without a caption of its own is all box: the box is whole.
TEST(TextFit, EveryCheckBoxShowsItsBoxWhole) {
  CQmoorApp app;
  ASSERT_TRUE(app.InitInstance({"quillmoor"}));
  for (const QCheckBox* box : app.form().findChildren<QCheckBox*>()) {
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    EXPECT_TRUE(box->rect().contains(indicator))
        << box->accessibleName().toStdString() << ": box " << indicator.width() << "x" << indicator.height() << " at "
        << indicator.x() << "," << indicator.y() << " in " << box->width() << "x" << box->height();
  }
}

// Where the screen has room for the whole form, the window shows it whole,
// with no scroll bar (CTest runs this on a large screen at every scale).
TEST(TextFit, TheWholeFormShowsWhereTheScreenHasRoom) {
  CQmoorApp app;
  ASSERT_TRUE(app.InitInstance({"quillmoor"}));
  QApplication::processEvents();
  const QSize form = app.form().size();
  const QSize needed = app.frame().frameGeometry().size() - app.frame().size() +
                       QSize(form.width(), form.height() + app.frame().menuBar()->height());
  const QSize room = app.frame().screen()->availableGeometry().size();
  if (room.width() < needed.width() || room.height() < needed.height())
    GTEST_SKIP() << "the screen has no room for the whole form";
  const auto* area = qobject_cast<QAbstractScrollArea*>(app.frame().centralWidget());
  ASSERT_NE(area, nullptr);
  EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
  EXPECT_FALSE(area->verticalScrollBar()->isVisible());
  EXPECT_GE(area->viewport()->width(), form.width());
  EXPECT_GE(area->viewport()->height(), form.height());
}

// Every tool window, and the dialog of my demons, opens whole on a 1920×1080
// and on a 1366×768 screen with every text readable, in either language:
// where the screen is too small for a window's controls, they scroll.
TEST(TextFit, EveryToolWindowShowsItsTextsWholeOnTheScreen) {
  for (const char* language : {"ja", "en"}) {
    SCOPED_TRACE(language);
    CQmoorApp app;
    ASSERT_TRUE(app.InitInstance({"quillmoor", "--lang", language}));
    for (QAction* tool : app.frame().toolsMenu()->actions()) tool->trigger();
    auto* mine = app.frame().findChild<MyDemonsWindow*>();
    ASSERT_NE(mine, nullptr);
    MyDemonDialog dialog(atBaseLevel({7, 8}), mine);
    dialog.show();
    QApplication::processEvents();
    std::vector<QWidget*> windows{&dialog};
    for (ToolWindow* tool : app.frame().findChildren<ToolWindow*>()) windows.push_back(tool);
    ASSERT_EQ(windows.size(), 7u);
    for (const QSize screen : {QSize(1920, 1080), QSize(1366, 768)}) {
      for (QWidget* window : windows) {
        const std::string what = std::string(window->metaObject()->className()) + " on " +
                                 std::to_string(screen.width()) + "x" + std::to_string(screen.height());
        // Fitted as it would be on that screen at this scale, whatever the
        // screen the test runs on.
        const QSize room = (QSizeF(screen) / window->devicePixelRatioF()).toSize();
        const QRect client = window->geometry();
        const QRect framed = window->frameGeometry();
        const QMargins frameMargins(client.left() - framed.left(), client.top() - framed.top(),
                                    framed.right() - client.right(), framed.bottom() - client.bottom());
        window->resize(fittedClient(client, frameMargins, QRect(QPoint(0, 0), room)).size());
        QApplication::processEvents();
        const QRect frame = window->frameGeometry();
        EXPECT_TRUE(frame.width() <= room.width() && frame.height() <= room.height())
            << what << ": " << frame.width() << "x" << frame.height();
        EXPECT_EQ(cutTexts(*window), std::vector<std::string>()) << what;
        for (const QLineEdit* edit : window->findChildren<QLineEdit*>()) {
          if (!edit->isVisible() || qobject_cast<const QAbstractSpinBox*>(edit->parentWidget())) continue;
          EXPECT_GE(textRoom(*edit), 6 * edit->fontMetrics().averageCharWidth())
              << what << ": " << edit->accessibleName().toStdString();
        }
      }
    }
  }
}

TEST(TextFit, TheWindowOpensWithinTheScreen) {
  CQmoorApp app;
  ASSERT_TRUE(app.InitInstance({"quillmoor"}));
  QApplication::processEvents();
  EXPECT_TRUE(app.frame().screen()->availableGeometry().contains(app.frame().frameGeometry()))
      << "window " << app.frame().frameGeometry().width() << "x" << app.frame().frameGeometry().height() << " at "
      << app.frame().x() << "," << app.frame().y() << " on " << app.frame().screen()->availableGeometry().width() << "x"
      << app.frame().screen()->availableGeometry().height();
}

}  // namespace
}  // namespace qmoor
