// FormWidget: room for the texts of the form. Every control asks for the
// width its text needs; the controls grow into the free space beside them
// within their group box (or, outside one, up to the next group box on their
// line), and a caption left without its room shows its text in a tooltip.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>

#include "app/form_widget/form_widget.h"
#include "app/widgets/skill_texts.h"
#include "app/form_widget/text_room.h"
#include "app/form_widget/up_down_widget.h"

namespace qmoor {

namespace {

// A level shown in full: three of the widest digit.
QString widestLevel(const QFontMetrics& metrics) {
  QChar widest = QLatin1Char('0');
  for (char digit = '1'; digit <= '9'; ++digit)
    if (metrics.horizontalAdvance(QLatin1Char(digit)) > metrics.horizontalAdvance(widest)) widest = QLatin1Char(digit);
  return QString(3, widest);
}

int comboWidthFor(const QComboBox& box, const QString& text) {
  QStyleOptionComboBox option;
  option.initFrom(&box);
  option.editable = box.isEditable();
  const QRect field = box.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &box);
  const QLineEdit* edit = box.lineEdit();
  const int inner = edit ? widthForText(*edit, text) : box.fontMetrics().horizontalAdvance(text);
  return inner + box.width() - field.width();
}

// The width entry's widget needs for what it shows now; levels (edits with
// right-aligned text) always have room for three digits.
int neededWidth(const LayoutEntry& entry, QWidget& widget) {
  if (auto* label = qobject_cast<QLabel*>(&widget)) return label->pixmap().isNull() ? widthForText(widget, label->text()) : 0;
  if (auto* button = qobject_cast<QPushButton*>(&widget)) return widthForText(widget, button->text());
  if (auto* edit = qobject_cast<QLineEdit*>(&widget))
    return entry.hasStyle("right") ? widthForText(widget, widestLevel(edit->fontMetrics())) : widthForText(widget, edit->text());
  if (auto* box = qobject_cast<QComboBox*>(&widget)) return comboWidthFor(*box, box->currentText());
  return 0;
}

const LayoutEntry* groupBoxNamed(std::string_view caption) {
  for (const LayoutEntry& entry : formLayout())
    if (entry.kind == ControlKind::GroupBox && entry.caption == caption) return &entry;
  return nullptr;
}

}  // namespace

// Inside a group box, up to its right edge; outside, up to the first group
// box to the right on the same line, else the form's right edge; a margin of
// two dialog units either way.
int FormWidget::rightLimitOf(const LayoutEntry& entry, const QRect& place) const {
  const int margin = units_.x(2);
  if (const LayoutEntry* group = entry.groupBox.empty() ? nullptr : groupBoxNamed(entry.groupBox))
    return units_.rect(group->rect).right() - margin;
  int limit = width() - 1 - margin;
  for (const LayoutEntry& other : formLayout()) {
    if (other.kind != ControlKind::GroupBox) continue;
    const QRect group = units_.rect(other.rect);
    if (group.left() > place.right() && group.top() <= place.bottom() && place.top() <= group.bottom())
      limit = std::min(limit, group.left() - margin);
  }
  return limit;
}

void FormWidget::makeRoomForTexts() {
  const auto layout = formLayout();
  std::vector<RoomRequest> requests;
  std::vector<size_t> indices;
  std::vector<UpDownWidget*> arrowsOf;
  for (size_t i = 0; i < layout.size(); ++i) {
    QWidget* widget = widgets_[i];
    const ControlKind kind = layout[i].kind;
    if (!widget || kind == ControlKind::GroupBox || kind == ControlKind::TabControl || kind == ControlKind::UpDown) continue;
    QRect place = widget->geometry();
    int width = neededWidth(layout[i], *widget);
    // An edit and the arrows at its right end take their room together.
    auto* arrows = i + 1 < layout.size() ? qobject_cast<UpDownWidget*>(widgets_[i + 1]) : nullptr;
    if (arrows && arrows->geometry().left() == place.right() + 1) {
      place = place.united(arrows->geometry());
      width += arrows->width();
    } else {
      arrows = nullptr;
    }
    arrowsOf.push_back(arrows);
    const bool holdsValue = kind != ControlKind::Static && kind != ControlKind::Button;
    requests.push_back({place, width, rightLimitOf(layout[i], place), holdsValue});
    indices.push_back(i);
  }
  const std::vector<QRect> places = makeRoom(requests);
  for (size_t k = 0; k < indices.size(); ++k) {
    const size_t i = indices[k];
    QRect place = places[k];
    if (UpDownWidget* arrows = arrowsOf[k]) {
      place.setWidth(place.width() - arrows->width());
      arrows->move(place.right() + 1, arrows->y());
    }
    widgets_[i]->setGeometry(place);
    if (auto* label = qobject_cast<QLabel*>(widgets_[i]); label && place.width() < requests[k].width)
      label->setToolTip(label->text());
  }
  explainCutFields();
}

// The tooltips of the text fields follow their new widths; a skill combo's
// names its skill whole with the skill's facts.
void FormWidget::explainCutFields() {
  const auto layout = formLayout();
  for (size_t i = 0; i < layout.size(); ++i) {
    QWidget* widget = widgets_[i];
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) explainIfCut(*edit, *edit);
    else if (auto* box = qobject_cast<QComboBox*>(widget); box && box->lineEdit()) {
      if (skillOf_ && skillOf_(layout[i].id, 0)) showCurrentItemTip(box);
      else explainIfCut(*box->lineEdit(), *box);
    }
  }
}

}  // namespace qmoor
