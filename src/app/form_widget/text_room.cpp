// Room for every text: see text_room.h.
#include "app/form_widget/text_room.h"

#include <QFontInfo>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <QTableView>
#include <QToolTip>
#include <algorithm>
#include <numeric>

namespace qmoor {

namespace {

constexpr int LineEditMargin = 2;  // QLineEdit's own, each side
constexpr int SmallestGap = 2;
constexpr int DesignFontPixels = 12;  // 9 points at 96 dots an inch

int buttonRoom(const QPushButton& button) {
  QStyleOptionButton option;
  option.initFrom(&button);
  return button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button).width();
}

bool sameLine(const QRect& a, const QRect& b) { return a.top() <= b.bottom() && b.top() <= a.bottom(); }

// Shows the whole text of a hovered cell that its column cuts.
class CutCellTips : public QObject {
 public:
  explicit CutCellTips(QTableView* table) : QObject(table->viewport()), table_(table), viewport_(table->viewport()) {
    viewport_->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ToolTip || watched != viewport_) return false;
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex cell = table_->indexAt(help->pos());
    QStyleOptionViewItem option;
    option.initFrom(table_);
    if (cell.isValid() && table_->itemDelegate()->sizeHint(option, cell).width() > table_->columnWidth(cell.column()))
      QToolTip::showText(help->globalPos(), cell.data().toString(), viewport_, table_->visualRect(cell));
    else
      QToolTip::hideText();
    return true;
  }

 private:
  QTableView* table_;
  QWidget* viewport_;
};

}  // namespace

int textRoom(const QLineEdit& edit) {
  QStyleOptionFrame option;
  option.initFrom(&edit);
  option.lineWidth = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
  const QRect contents = edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
  return contents.width() - 2 * LineEditMargin - edit.textMargins().left() - edit.textMargins().right();
}

int widthForText(const QWidget& widget, const QString& text) {
  const int advance = widget.fontMetrics().horizontalAdvance(text);
  if (qobject_cast<const QLabel*>(&widget)) return advance + widget.width() - widget.contentsRect().width();
  if (auto* button = qobject_cast<const QPushButton*>(&widget)) return advance + widget.width() - buttonRoom(*button);
  // One pixel more for the text cursor.
  if (auto* edit = qobject_cast<const QLineEdit*>(&widget)) return advance + 1 + widget.width() - textRoom(*edit);
  return 0;
}

namespace {

// The places for the given widths: each control pushed right by those on its
// line to its left.
std::vector<QRect> pushRight(const std::vector<RoomRequest>& requests, const std::vector<int>& widths,
                             const std::vector<size_t>& leftToRight) {
  std::vector<QRect> placed(requests.size());
  for (size_t k = 0; k < leftToRight.size(); ++k) {
    const size_t i = leftToRight[k];
    const QRect& place = requests[i].place;
    int left = place.left();
    for (size_t m = 0; m < k; ++m) {
      const QRect& before = requests[leftToRight[m]].place;
      if (before.right() >= place.left() || !sameLine(before, place)) continue;
      const int gap = std::min(place.left() - before.right() - 1, SmallestGap);
      left = std::max(left, placed[leftToRight[m]].right() + 1 + gap);
    }
    placed[i] = QRect(left, place.top(), widths[i], place.height());
  }
  return placed;
}

bool withinLimits(const std::vector<RoomRequest>& requests, const std::vector<QRect>& placed) {
  for (size_t i = 0; i < requests.size(); ++i)
    if (placed[i].right() > std::max(requests[i].rightLimit, requests[i].place.right())) return false;
  return true;
}

}  // namespace

std::vector<QRect> makeRoom(const std::vector<RoomRequest>& requests) {
  std::vector<size_t> leftToRight(requests.size());
  std::iota(leftToRight.begin(), leftToRight.end(), size_t{0});
  std::stable_sort(leftToRight.begin(), leftToRight.end(),
                   [&](size_t a, size_t b) { return requests[a].place.left() < requests[b].place.left(); });
  std::vector<int> widths(requests.size());
  for (size_t i = 0; i < requests.size(); ++i) widths[i] = requests[i].place.width();
  std::vector<size_t> grantOrder = leftToRight;
  std::stable_partition(grantOrder.begin(), grantOrder.end(), [&](size_t i) { return requests[i].holdsValue; });
  for (size_t i : grantOrder) {
    // The widest growth up to the need that keeps everything within its limit.
    int fits = widths[i];
    int tooWide = std::max(requests[i].width, fits) + 1;
    while (tooWide - fits > 1) {
      widths[i] = (fits + tooWide) / 2;
      (withinLimits(requests, pushRight(requests, widths, leftToRight)) ? fits : tooWide) = widths[i];
    }
    widths[i] = fits;
  }
  return pushRight(requests, widths, leftToRight);
}

void explainIfCut(QLineEdit& edit, QWidget& owner) {
  const QString& text = edit.text();
  const bool cut = edit.fontMetrics().horizontalAdvance(text) + 1 > textRoom(edit);
  owner.setToolTip(cut ? text : QString());
}

void widenColumnsToRowsInView(QTableView& table, const std::vector<int>& floorWidths) {
  QHeaderView* header = table.horizontalHeader();
  // A hidden table would count every row as in view: it is measured once shown.
  const bool measure = table.isVisible() && table.horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
  QAbstractItemView& view = table;  // sizeHintForColumn is public there
  for (int c = 0; c < static_cast<int>(floorWidths.size()); ++c) {
    const int floor = floorWidths[static_cast<size_t>(c)];
    const int wanted = measure ? std::max(floor, view.sizeHintForColumn(c)) : floor;
    if (header->sectionSize(c) != wanted) header->resizeSection(c, wanted);
  }
}

void widenColumnsToRowsInView(QTableView& table) {
  std::vector<int> present;
  for (int c = 0; c < table.horizontalHeader()->count(); ++c) present.push_back(table.columnWidth(c));
  widenColumnsToRowsInView(table, present);
}

int scaledToFont(const QWidget& widget, int designPixels) {
  return (designPixels * QFontInfo(widget.font()).pixelSize() + DesignFontPixels / 2) / DesignFontPixels;
}

void explainCutCells(QTableView& table) { new CutCellTips(&table); }

}  // namespace qmoor
