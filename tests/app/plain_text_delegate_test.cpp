// The lists' own delegate draws every item exactly as Qt's delegate does:
// the same pixels in each state an item of the form can be in, at each scale.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QTableView>

#include "app/form_widget/dialog_units.h"
#include "app/form_widget/plain_text_delegate.h"

namespace qmoor {
namespace {

struct ItemCase {
  const char* what;
  QString text;
  QStyle::State state;
  Qt::Alignment alignment;
  Qt::TextElideMode elide;
  int width;
};

// The item drawn at a scale of the screen: 1, 1.5 or 2 device pixels a pixel.
QImage drawn(const QAbstractItemDelegate& delegate, const QTableView& view, const QModelIndex& index, const ItemCase& item,
             qreal scale) {
  QStyleOptionViewItem option;
  option.initFrom(&view);
  option.widget = &view;
  option.state = item.state;
  option.displayAlignment = item.alignment;
  option.textElideMode = item.elide;
  option.rect = QRect(0, 0, item.width, view.fontMetrics().height() + 2);
  QImage image((option.rect.size() + QSize(4, 4)) * scale, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale);
  image.fill(Qt::white);
  QPainter painter(&image);
  delegate.paint(&painter, option, index);
  return image;
}

TEST(PlainTextDelegate, DrawsEachItemAsQtsDelegateDoes) {
  QStandardItemModel model(1, 1);
  QTableView view;
  view.setFont(formFont());
  view.setModel(&model);
  const QStyledItemDelegate qts;
  const PlainTextDelegate ours;
  const QStyle::State shown = QStyle::State_Enabled | QStyle::State_Active;
  const ItemCase cases[] = {
      {"plain", QStringLiteral("LV93 ヴィシュヌ"), shown, Qt::AlignLeft | Qt::AlignVCenter, Qt::ElideNone, 120},
      {"selected", QStringLiteral("破壊 95 シヴァ"), shown | QStyle::State_Selected, Qt::AlignLeft | Qt::AlignVCenter,
       Qt::ElideNone, 120},
      {"current with focus", QStringLiteral("魔王 84 ベルゼブブ"), shown | QStyle::State_Selected | QStyle::State_HasFocus,
       Qt::AlignLeft | Qt::AlignVCenter, Qt::ElideNone, 120},
      {"inactive window", QStringLiteral("女神 x 破壊神"), QStyle::State_Enabled | QStyle::State_Selected,
       Qt::AlignLeft | Qt::AlignVCenter, Qt::ElideNone, 120},
      {"disabled", QStringLiteral("特殊合体"), QStyle::State_None, Qt::AlignLeft | Qt::AlignVCenter, Qt::ElideNone, 120},
      {"centred", QStringLiteral("95"), shown, Qt::AlignCenter, Qt::ElideNone, 40},
      {"right", QStringLiteral("708"), shown, Qt::AlignRight | Qt::AlignVCenter, Qt::ElideNone, 40},
      {"wider than the cell, cut", QStringLiteral("魔人 69 マザーハーロット"), shown, Qt::AlignLeft | Qt::AlignVCenter,
       Qt::ElideNone, 50},
      {"wider than the cell, elided", QStringLiteral("魔人 69 マザーハーロット"), shown, Qt::AlignLeft | Qt::AlignVCenter,
       Qt::ElideRight, 50},
      {"empty", QString(), shown | QStyle::State_Selected, Qt::AlignLeft | Qt::AlignVCenter, Qt::ElideNone, 60},
  };
  for (const ItemCase& item : cases) {
    model.setData(model.index(0, 0), item.text);
    const QModelIndex index = model.index(0, 0);
    for (const qreal scale : {1.0, 1.5, 2.0})
      EXPECT_EQ(drawn(ours, view, index, item, scale), drawn(qts, view, index, item, scale)) << item.what << " at " << scale;
  }
}

}  // namespace
}  // namespace qmoor
