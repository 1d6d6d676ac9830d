// The tool windows' report tables: see report_table.h.
#include "app/widgets/report_table.h"

#include <QFontMetricsF>
#include <QHash>
#include <QHeaderView>
#include <QSet>
#include <QStyle>
#include <QTableView>
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "app/access/table_keys.h"

namespace qmoor {

namespace {

// Room above and below a line of text in a row, in pixels of the font's size.
constexpr int RowPadding = 6;

// How far shaping may move a text's width from the sum of its characters'
// advances, for each character, as a share of the font's line height: far
// more than kerning or a ligature ever moves it.
constexpr qreal ShapingSlack = 0.25;

}  // namespace

QTableView* makeReportTable(QAbstractItemModel* model, QWidget* parent) {
  auto* table = new QTableView(parent);
  table->setModel(model);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setTabKeyNavigation(false);
  table->verticalHeader()->hide();
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().lineSpacing() + RowPadding);
  table->horizontalHeader()->setHighlightSections(false);
  table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  table->setSortingEnabled(true);
  chooseCurrentOnFirstArrow(table);
  return table;
}

// A cell needs its text's width rounded up, the style's margin on each side
// of it (as the item delegate measures it) and the grid's line. Laying out a
// long text costs far more than adding up its characters' advances, which
// shaping (kerning, ligatures) changes by less than a slack a character: only
// the texts whose sum with that slack could still beat the widest so far are
// laid out.
void fitColumnsToEveryRow(QTableView* table, int first, int end) {
  const QAbstractItemModel* model = table->model();
  const QFontMetricsF metrics(table->font());
  const qreal slack = ShapingSlack * metrics.height();
  const int margin = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1) +
                     (table->showGrid() ? 1 : 0);
  QHash<char16_t, qreal> advances;
  // What a text can measure at most; infinite where a character is no whole one (a surrogate).
  const auto mostWidth = [&](const QString& text) {
    qreal sum = slack * static_cast<qreal>(text.size());
    for (const QChar c : text) {
      if (c.isSurrogate()) return std::numeric_limits<qreal>::infinity();
      auto known = advances.constFind(c.unicode());
      if (known == advances.cend()) known = advances.insert(c.unicode(), metrics.horizontalAdvance(c));
      sum += *known;
    }
    return sum;
  };
  for (int c = first; c < end; ++c) {
    QSet<QString> texts;
    for (int r = 0; r < model->rowCount(); ++r) texts.insert(model->index(r, c).data().toString());
    std::vector<std::pair<qreal, const QString*>> bounds;
    for (const QString& text : texts) bounds.emplace_back(mostWidth(text), &text);
    std::ranges::sort(bounds, std::greater<>(), &std::pair<qreal, const QString*>::first);
    int widest = table->horizontalHeader()->sectionSizeHint(c);
    for (const auto& [most, text] : bounds) {
      if (most + margin <= widest) break;
      widest = std::max(widest, static_cast<int>(std::ceil(metrics.horizontalAdvance(*text))) + margin);
    }
    table->setColumnWidth(c, widest);
  }
}

}  // namespace qmoor
