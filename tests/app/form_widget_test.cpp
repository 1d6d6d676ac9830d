// The widget form's structure: one widget per visible control of the layout
// table, of the class its kind calls for, inside its rectangle, stacked and
// chained for the Tab key in template order.
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>

#include "app/form_widget/up_down_widget.h"
#include "form_fixture.h"

namespace qmoor {
namespace {

using FormWidgetTest = FormFixture;

std::string describe(const LayoutEntry& entry) {
  return std::to_string(static_cast<int>(entry.id)) + " \"" + std::string(entry.caption) + "\" at " +
         std::to_string(entry.rect.x) + "," + std::to_string(entry.rect.y);
}

// The layout rectangle in pixels: dlu·baseX/4 and dlu·baseY/8 at both corners.
QRect expectedPlace(const LayoutEntry& entry, const DialogUnits& units) {
  auto px = [](int dlu, int base, int per) { return static_cast<int>(std::lround(double(dlu) * base / per)); };
  const int left = px(entry.rect.x, units.baseX(), 4);
  const int top = px(entry.rect.y, units.baseY(), 8);
  return QRect(left, top, px(entry.rect.x + entry.rect.width, units.baseX(), 4) - left,
               px(entry.rect.y + entry.rect.height, units.baseY(), 8) - top);
}

// The Qt class each kind is shown by.
const char* classOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::ComboBox: return "QComboBox";
    case ControlKind::ListBox: return "QListWidget";
    case ControlKind::ListView: return "QTableView";
    case ControlKind::UpDown: return "qmoor::UpDownWidget";
    case ControlKind::Edit: return "QLineEdit";
    case ControlKind::CheckBox: return "QCheckBox";
    case ControlKind::Button: return "QPushButton";
    case ControlKind::Static: return "QLabel";
    case ControlKind::GroupBox: return "QGroupBox";
    case ControlKind::TabControl: return "QWidget";
  }
  return "";
}

TEST_F(FormWidgetTest, ShowsEveryVisibleControlByItsClassWithinItsRectangle) {
  EXPECT_EQ(widget.size(), widget.units().size(FormWidthDlu, FormHeightDlu));
  const auto layout = formLayout();
  for (size_t i = 0; i < layout.size(); ++i) {
    const LayoutEntry& entry = layout[i];
    QWidget* control = widget.widgetAt(i);
    if (entry.hasStyle("hidden")) {
      EXPECT_EQ(control, nullptr) << describe(entry);
      EXPECT_EQ(widget.widgetFor(entry.id), nullptr) << describe(entry);
      continue;
    }
    ASSERT_NE(control, nullptr) << describe(entry);
    EXPECT_TRUE(control->isVisible()) << describe(entry);
    EXPECT_STREQ(control->metaObject()->className(), classOf(entry.kind)) << describe(entry);
    if (entry.id != ControlId::None) {
      EXPECT_EQ(widget.widgetFor(entry.id), control) << describe(entry);
    }
    if (entry.kind == ControlKind::UpDown || entry.id == ControlId::LimitEdit) continue;  // see the next test
    const QRect place = expectedPlace(entry, widget.units());
    const QRect shown = control->geometry();
    EXPECT_NEAR(shown.x(), place.x(), 1) << describe(entry);
    EXPECT_NEAR(shown.y(), place.y(), 1) << describe(entry);
    if (entry.kind == ControlKind::Static) {
      // A caption may reach further right to show all its text.
      EXPECT_GE(shown.width(), place.width() - 1) << describe(entry);
    } else {
      EXPECT_NEAR(shown.width(), place.width(), 1) << describe(entry);
    }
    // A combo box's rectangle includes its dropped-down list; only its text field is on the form.
    if (entry.kind == ControlKind::ComboBox) {
      EXPECT_LT(shown.height(), place.height()) << describe(entry);
    } else {
      EXPECT_NEAR(shown.height(), place.height(), 1) << describe(entry);
    }
  }
  EXPECT_EQ(widget.widgetFor(ControlId::DemonCombo), nullptr);
  QTabBar* row = widget.widgetFor(ControlId::TabBar)->findChild<QTabBar*>();
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->geometry().topLeft(), QPoint(0, 0)) << "the tab row runs along the top of the tab control";
  EXPECT_TRUE(widgetOf<QComboBox>(ControlId::RaceCombo)->isEditable());
}

TEST_F(FormWidgetTest, TheUpDownTakesTheRightEndOfItsBuddy) {
  auto* edit = widgetOf<QLineEdit>(ControlId::LimitEdit);
  auto* upDown = widgetOf<UpDownWidget>(ControlId::LimitSpin);
  const QRect buddy = expectedPlace(*layoutEntryOf(ControlId::LimitEdit), widget.units());
  EXPECT_EQ(edit->geometry().left(), buddy.left());
  EXPECT_EQ(edit->geometry().right() + 1, upDown->geometry().left());
  EXPECT_EQ(upDown->geometry().right(), buddy.right());
  EXPECT_EQ(upDown->height(), buddy.height());
  EXPECT_GT(edit->width(), upDown->width());
}

// The control widget holding w (w itself, or a part such as a combo box's text field).
QWidget* controlHolding(const QWidget& form, QWidget* w) {
  for (; w && w != &form; w = w->parentWidget())
    if (w->parentWidget() == &form) return w;
  return nullptr;
}

// Tab reaches every control that holds something to read or choose, tab stop
// or not, in template order; captions and frames take no focus.
TEST_F(FormWidgetTest, TheTabKeyVisitsEveryControlInTemplateOrder) {
  std::vector<QWidget*> expected;
  for (size_t i = 0; i < formLayout().size(); ++i) {
    const ControlKind kind = formLayout()[i].kind;
    if (widget.widgetAt(i) && kind != ControlKind::Static && kind != ControlKind::GroupBox && kind != ControlKind::UpDown)
      expected.push_back(widget.widgetAt(i));
  }
  // One round of the focus chain, which is circular, from the first control.
  std::vector<QWidget*> visited;
  QWidget* w = expected.front();
  do {
    QWidget* control = (w->focusPolicy() & Qt::TabFocus) ? controlHolding(widget, w) : nullptr;
    if (control && (visited.empty() || control != visited.back())) visited.push_back(control);
    w = w->nextInFocusChain();
  } while (w != expected.front());
  EXPECT_EQ(visited, expected);
}

TEST_F(FormWidgetTest, ControlsLieAboveGroupBoxesAndTheTabPaneTheEarlierOnTop) {
  const auto layout = formLayout();
  auto isFrame = [&](size_t i) { return layout[i].kind == ControlKind::GroupBox || layout[i].kind == ControlKind::TabControl; };
  for (size_t i = 0; i < layout.size(); ++i) {
    if (!widget.widgetAt(i) || isFrame(i)) continue;
    const QPoint centre = widget.widgetAt(i)->geometry().center();
    size_t top = i;
    for (size_t j = 0; j < i && top == i; ++j)
      if (widget.widgetAt(j) && !isFrame(j) && widget.widgetAt(j)->geometry().contains(centre)) top = j;
    EXPECT_EQ(controlHolding(widget, widget.childAt(centre)), widget.widgetAt(top)) << describe(layout[i]);
  }
}

}  // namespace
}  // namespace qmoor
