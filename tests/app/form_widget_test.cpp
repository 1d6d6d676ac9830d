// The widget form's structure: one widget per visible control of the layout
// table, of the class its kind calls for, inside its rectangle, stacked and
// chained for the Tab key in template order.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>

#include "app/list_view_model.h"
#include "app/up_down_widget.h"
#include "form_fixture.h"

namespace qmoor {
namespace {

using FormWidgetTest = FormFixture;

QString captionOf(const LayoutEntry& entry) {
  return QString::fromUtf8(entry.caption.data(), static_cast<qsizetype>(entry.caption.size()));
}

std::string describe(const LayoutEntry& entry) {
  return "control " + std::to_string(static_cast<int>(entry.id)) + " \"" + std::string(entry.caption) + "\" at " +
         std::to_string(entry.rect.x) + "," + std::to_string(entry.rect.y);
}

// The rectangle of the layout table in pixels: dlu·baseX/4 and dlu·baseY/8 at both corners.
QRect expectedPlace(const LayoutEntry& entry, const DialogUnits& units) {
  auto px = [](int dlu, int base, int divisor) { return static_cast<int>(std::lround(double(dlu) * base / divisor)); };
  const int left = px(entry.rect.x, units.baseX(), 4);
  const int top = px(entry.rect.y, units.baseY(), 8);
  return QRect(QPoint(left, top), QPoint(px(entry.rect.x + entry.rect.width, units.baseX(), 4) - 1,
                                         px(entry.rect.y + entry.rect.height, units.baseY(), 8) - 1));
}

bool within(const QRect& inner, const QRect& outer, int slack) {
  return outer.adjusted(-slack, -slack, slack, slack).contains(inner);
}

TEST_F(FormWidgetTest, HasTheFormsSizeInDialogUnits) {
  EXPECT_EQ(widget.size(), widget.units().size(FormWidthDlu, FormHeightDlu));
  EXPECT_GT(widget.units().baseX(), 0);
}

TEST_F(FormWidgetTest, HiddenControlsHaveNoWidgetAndAllOthersAreShown) {
  const auto layout = formLayout();
  int hidden = 0;
  for (size_t i = 0; i < layout.size(); ++i) {
    const LayoutEntry& entry = layout[i];
    if (entry.hasStyle("hidden")) {
      ++hidden;
      EXPECT_EQ(widget.widgetAt(i), nullptr) << describe(entry);
      EXPECT_EQ(widget.widgetFor(entry.id), nullptr) << describe(entry);
      EXPECT_TRUE(form.has(entry.id)) << "hidden controls keep their model: " << describe(entry);
    } else {
      ASSERT_NE(widget.widgetAt(i), nullptr) << describe(entry);
      EXPECT_TRUE(widget.widgetAt(i)->isVisible()) << describe(entry);
      if (entry.id != ControlId::None) {
        EXPECT_EQ(widget.widgetFor(entry.id), widget.widgetAt(i)) << describe(entry);
      }
    }
  }
  EXPECT_GT(hidden, 0);
  EXPECT_EQ(widget.widgetFor(ControlId::DemonCombo), nullptr);
  EXPECT_EQ(widget.widgetFor(ControlId::None), nullptr);
}

TEST_F(FormWidgetTest, EveryWidgetLiesWithinItsRectangle) {
  const auto layout = formLayout();
  for (size_t i = 0; i < layout.size(); ++i) {
    const LayoutEntry& entry = layout[i];
    QWidget* control = widget.widgetAt(i);
    if (!control || entry.kind == ControlKind::UpDown) continue;
    const QRect place = expectedPlace(entry, widget.units());
    const QRect shown = control->geometry();
    EXPECT_TRUE(within(shown, place, 1)) << describe(entry) << ": shown at " << shown.x() << "," << shown.y() << " "
                                         << shown.width() << "x" << shown.height() << ", expected within "
                                         << place.x() << "," << place.y() << " " << place.width() << "x" << place.height();
    // A combo box's rectangle includes its dropped-down list; only its text field is on the form.
    if (entry.kind == ControlKind::ComboBox) {
      EXPECT_NEAR(shown.width(), place.width(), 1) << describe(entry);
      EXPECT_LT(shown.height(), place.height()) << describe(entry);
    } else if (entry.id != ControlId::LimitEdit) {
      EXPECT_NEAR(shown.width(), place.width(), 1) << describe(entry);
      EXPECT_NEAR(shown.height(), place.height(), 1) << describe(entry);
    }
  }
}

TEST_F(FormWidgetTest, TheUpDownTakesTheRightEndOfItsBuddy) {
  auto* edit = widgetOf<QLineEdit>(ControlId::LimitEdit);
  auto* upDown = widgetOf<UpDownWidget>(ControlId::LimitSpin);
  ASSERT_TRUE(edit && upDown);
  const QRect buddyPlace = expectedPlace(*layoutEntryOf(ControlId::LimitEdit), widget.units());
  EXPECT_TRUE(within(upDown->geometry(), buddyPlace, 1));
  EXPECT_NEAR(upDown->geometry().right(), buddyPlace.right(), 1);
  EXPECT_EQ(edit->geometry().right() + 1, upDown->geometry().left());
  EXPECT_EQ(edit->geometry().left(), buddyPlace.left());
  EXPECT_EQ(upDown->height(), edit->height());
  EXPECT_GT(upDown->width(), 0);
  EXPECT_GT(edit->width(), upDown->width());
}

TEST_F(FormWidgetTest, EachKindIsShownByItsWidgetWithItsCaption) {
  const auto layout = formLayout();
  for (size_t i = 0; i < layout.size(); ++i) {
    const LayoutEntry& entry = layout[i];
    QWidget* control = widget.widgetAt(i);
    if (!control) continue;
    switch (entry.kind) {
      case ControlKind::ComboBox: {
        auto* box = qobject_cast<QComboBox*>(control);
        ASSERT_NE(box, nullptr) << describe(entry);
        EXPECT_EQ(box->isEditable(), entry.hasStyle("dropdown")) << describe(entry);
        break;
      }
      case ControlKind::ListBox:
        EXPECT_NE(qobject_cast<QListWidget*>(control), nullptr) << describe(entry);
        break;
      case ControlKind::ListView: {
        auto* table = qobject_cast<QTableView*>(control);
        ASSERT_NE(table, nullptr) << describe(entry);
        EXPECT_EQ(table->model(), static_cast<QAbstractItemModel*>(widget.listViewModel(entry.id))) << describe(entry);
        break;
      }
      case ControlKind::TabControl: {
        const auto rows = control->findChildren<QTabBar*>();
        ASSERT_EQ(rows.size(), 1) << describe(entry);
        EXPECT_EQ(rows.first()->width(), control->width()) << "the tab row spans the control";
        EXPECT_EQ(rows.first()->y(), 0) << "the tab row lies along the top";
        break;
      }
      case ControlKind::UpDown:
        EXPECT_NE(qobject_cast<UpDownWidget*>(control), nullptr) << describe(entry);
        break;
      case ControlKind::Edit:
        EXPECT_NE(qobject_cast<QLineEdit*>(control), nullptr) << describe(entry);
        break;
      case ControlKind::CheckBox:
        EXPECT_NE(qobject_cast<QCheckBox*>(control), nullptr) << describe(entry);
        break;
      case ControlKind::Button: {
        auto* button = qobject_cast<QPushButton*>(control);
        ASSERT_NE(button, nullptr) << describe(entry);
        EXPECT_EQ(button->text(), captionOf(entry));
        break;
      }
      case ControlKind::Static: {
        auto* label = qobject_cast<QLabel*>(control);
        ASSERT_NE(label, nullptr) << describe(entry);
        if (entry.hasStyle("icon")) {
          EXPECT_FALSE(label->pixmap().isNull()) << describe(entry);
        } else {
          EXPECT_EQ(label->text(), captionOf(entry)) << describe(entry);
        }
        break;
      }
      case ControlKind::GroupBox: {
        auto* box = qobject_cast<QGroupBox*>(control);
        ASSERT_NE(box, nullptr) << describe(entry);
        EXPECT_EQ(box->title(), captionOf(entry));
        break;
      }
    }
  }
}

TEST_F(FormWidgetTest, OnlyTheMaterialPairViewSelectsWholeRowsOnceTheViewAsksForIt) {
  form.listView(ControlId::MaterialPairView).setFullRowSelect(true);
  widget.syncDirty();
  EXPECT_EQ(widgetOf<QTableView>(ControlId::MaterialPairView)->selectionBehavior(), QAbstractItemView::SelectRows);
  EXPECT_EQ(widgetOf<QTableView>(ControlId::StatsView)->selectionBehavior(), QAbstractItemView::SelectItems);
}

// The control widget that holds w (w itself, or a part such as a combo box's text field).
QWidget* controlHolding(const FormWidget& form, QWidget* w) {
  for (; w && w != &form; w = w->parentWidget())
    if (w->parentWidget() == &form) return w;
  return nullptr;
}

TEST_F(FormWidgetTest, TheTabKeyVisitsTheTabStopsInTemplateOrder) {
  std::vector<QWidget*> expected;
  const auto layout = formLayout();
  for (size_t i = 0; i < layout.size(); ++i)
    if (widget.widgetAt(i) && layout[i].hasStyle("tabstop")) expected.push_back(widget.widgetAt(i));
  ASSERT_GT(expected.size(), 10u);

  std::vector<QWidget*> visited;
  for (QWidget* w = expected.front(); visited.size() < expected.size() + 1; w = w->nextInFocusChain()) {
    if (!(w->focusPolicy() & Qt::TabFocus)) continue;
    QWidget* control = controlHolding(widget, w);
    if (!control) continue;
    if (visited.empty() || visited.back() != control) visited.push_back(control);
    if (visited.size() > 1 && control == expected.front()) break;
  }
  visited.pop_back();
  EXPECT_EQ(visited, expected);
}

TEST_F(FormWidgetTest, ControlsLieAboveTheGroupBoxesAndTheTabPane) {
  const auto layout = formLayout();
  for (size_t i = 0; i < layout.size(); ++i) {
    QWidget* control = widget.widgetAt(i);
    const ControlKind kind = layout[i].kind;
    if (!control || kind == ControlKind::GroupBox || kind == ControlKind::TabControl) continue;
    const QPoint centre = control->geometry().center();
    QWidget* top = controlHolding(widget, widget.childAt(centre));
    // Where two controls overlap, the one earlier in the template lies on top.
    QWidget* expected = control;
    for (size_t j = 0; j < i; ++j) {
      QWidget* earlier = widget.widgetAt(j);
      const bool frame = layout[j].kind == ControlKind::GroupBox || layout[j].kind == ControlKind::TabControl;
      if (earlier && !frame && earlier->geometry().contains(centre)) {
        expected = earlier;
        break;
      }
    }
    EXPECT_EQ(top, expected) << describe(layout[i]);
  }
}

}  // namespace
}  // namespace qmoor
