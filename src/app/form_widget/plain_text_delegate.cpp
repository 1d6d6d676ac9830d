// PlainTextDelegate: see plain_text_delegate.h.
#include "app/form_widget/plain_text_delegate.h"

#include <QApplication>
#include <QPainter>
#include <QTextLayout>
#include <cmath>

namespace qmoor {

namespace {

// Only a plain line of text is drawn here; a check box, an icon or wrapping
// is left to Qt's delegate.
bool isPlainLine(const QStyleOptionViewItem& item) {
  return !(item.features & (QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDecoration |
                            QStyleOptionViewItem::WrapText)) &&
         !(item.state & QStyle::State_Editing) && !item.text.contains(QChar::LineSeparator) &&
         !item.text.contains(QLatin1Char('\n'));
}

QPalette::ColorGroup colorGroupOf(const QStyleOptionViewItem& item) {
  if (!(item.state & QStyle::State_Enabled)) return QPalette::Disabled;
  return item.state & QStyle::State_Active ? QPalette::Normal : QPalette::Inactive;
}

// The focus frame around the item, as the style draws it for a current item.
void drawFocusFrame(QPainter* painter, const QStyleOptionViewItem& item, const QStyle* style) {
  QStyleOptionFocusRect frame;
  frame.QStyleOption::operator=(item);
  frame.rect = style->subElementRect(QStyle::SE_ItemViewItemFocusRect, &item, item.widget);
  frame.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
  const QPalette::ColorGroup group = item.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
  frame.backgroundColor =
      item.palette.color(group, item.state & QStyle::State_Selected ? QPalette::Highlight : QPalette::Window);
  style->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, painter, item.widget);
}

}  // namespace

void PlainTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem item = option;
  initStyleOption(&item, index);
  const QStyle* style = item.widget ? item.widget->style() : QApplication::style();
  if (!isPlainLine(item)) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  // The text padded as the style pads it, and laid out once.
  const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, item.widget) + 1;
  const QRect textRect = item.rect.adjusted(margin, 0, -margin, 0);
  QTextOption textOption;
  textOption.setWrapMode(QTextOption::ManualWrap);
  textOption.setTextDirection(item.direction);
  textOption.setAlignment(QStyle::visualAlignment(item.direction, item.displayAlignment));
  QTextLayout layout(item.text, item.font);
  layout.setTextOption(textOption);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  if (line.isValid()) line.setLineWidth(textRect.width());
  layout.endLayout();
  // A text wider than its cell that the view would shorten with an ellipsis
  // goes to Qt's delegate, which does that.
  if (line.isValid() && item.textElideMode != Qt::ElideNone && line.naturalTextWidth() > textRect.width()) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }

  painter->save();
  painter->setClipRect(item.rect);
  style->drawPrimitive(QStyle::PE_PanelItemViewItem, &item, painter, item.widget);
  if (line.isValid()) {
    const QPalette::ColorGroup group = colorGroupOf(item);
    painter->setPen(item.palette.color(group, item.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    const QSize textSize(textRect.width(), static_cast<int>(std::ceil(line.height())));
    const QRect placed = QStyle::alignedRect(item.direction, item.displayAlignment & Qt::AlignVertical_Mask, textSize, textRect);
    layout.draw(painter, QPointF(textRect.x(), placed.y()));
  }
  if (item.state & QStyle::State_HasFocus) drawFocusFrame(painter, item, style);
  painter->restore();
}

}  // namespace qmoor
