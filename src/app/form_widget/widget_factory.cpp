// Widgets for the controls of the layout table: see widget_factory.h.
#include "app/form_widget/widget_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/program/display_language.h"
#include "app/program/icons.h"
#include "app/form_widget/input_guards.h"
#include "app/form_widget/plain_text_delegate.h"
#include "app/form_widget/tab_row.h"
#include "app/form_widget/text_room.h"
#include "app/form_widget/up_down_widget.h"
#include "form/accessible_names.h"
#include "names/ui_texts.h"

namespace qmoor {

namespace {

QString captionOf(const LayoutEntry& entry, Language language = Language::Japanese) {
  const std::string_view caption = uiText(entry.caption, language);
  return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
}

// A completer that no text field keeps: a combo box makes one of its own
// for a text field without one, only for it to be dropped at once.
QCompleter* placeholderCompleter() {
  static QPointer<QCompleter> completer;
  if (!completer) completer = new QCompleter(QCoreApplication::instance());
  return completer;
}

QWidget* makeComboBox(const LayoutEntry& entry, const QRect& place, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setInsertPolicy(QComboBox::NoInsert);
  if (entry.hasStyle("dropdown") || entry.hasStyle("simple")) {
    // The text field given directly, so that the popup list is made when it
    // first opens rather than now.
    auto* field = new QLineEdit(box);
    field->setCompleter(placeholderCompleter());
    box->setLineEdit(field);
    // Typing into the text field never picks an item: no completion, and
    // neither Enter nor leaving the field looks the text up among the items.
    box->setCompleter(nullptr);
    QObject::disconnect(field, &QLineEdit::returnPressed, box, nullptr);
    QObject::disconnect(field, &QLineEdit::editingFinished, box, nullptr);
  }
  // The rectangle's height includes the dropped-down list.
  const int fieldHeight = std::min(box->sizeHint().height(), place.height());
  const int lineHeight = box->fontMetrics().height() + 2;
  box->setMaxVisibleItems(std::max(1, (place.height() - fieldHeight) / lineHeight));
  box->setGeometry(place.x(), place.y(), place.width(), fieldHeight);
  wheelOnlyWithFocus(box);
  return box;
}

// Every list shows a scroll bar whenever its rows overflow it, sideways too,
// so that every row can be read whole.
void styleItemView(QAbstractItemView* view, const LayoutEntry& entry) {
  view->setFrameShape(entry.hasStyle("border") ? QFrame::StyledPanel : QFrame::NoFrame);
  view->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  // Tab leaves the list; the arrow keys move within it.
  view->setTabKeyNavigation(false);
  view->setItemDelegate(new PlainTextDelegate(view));
  keepSelectionOnFocus(view);
}

QWidget* makeListBox(const LayoutEntry& entry, QWidget* parent) {
  auto* list = new QListWidget(parent);
  styleItemView(list, entry);
  // Items are measured each (the lists are short): a longer item further down
  // widens the list's scroll range instead of losing its end.
  return list;
}

// The application's style with one pixel of padding beside a cell's text.
class TightCells : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    return metric == PM_FocusFrameHMargin ? 0 : QProxyStyle::pixelMetric(metric, option, widget);
  }
};

QStyle* tightCellStyle() {
  static QPointer<QStyle> style;
  if (!style) {
    style = new TightCells;
    style->setParent(QCoreApplication::instance());
  }
  return style;
}

// A table's heading row of fixed height: its size hint is that height, where
// Qt's measures every heading again after each change of the columns.
class FixedHeightHeader : public QHeaderView {
 public:
  using QHeaderView::QHeaderView;
  QSize sizeHint() const override {
    return minimumHeight() == maximumHeight() ? QSize(length(), maximumHeight()) : QHeaderView::sizeHint();
  }
};

QWidget* makeListView(const LayoutEntry& entry, const QRect& place, QWidget* parent) {
  auto* table = new QTableView(parent);
  table->setHorizontalHeader(new FixedHeightHeader(Qt::Horizontal, table));
  styleItemView(table, entry);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setShowGrid(false);
  table->setWordWrap(false);
  // Columns are as narrow as the form's font needs: show the whole value
  // rather than an ellipsis, with the item's padding kept small.
  table->setTextElideMode(Qt::ElideNone);
  table->setStyle(tightCellStyle());
  table->verticalHeader()->hide();
  const int lineHeight = table->fontMetrics().height();
  table->verticalHeader()->setMinimumSectionSize(lineHeight);
  table->verticalHeader()->setDefaultSectionSize(lineHeight + 2);
  QHeaderView* header = table->horizontalHeader();
  header->setResizeContentsPrecision(0);  // measures the rows in view
  header->setSectionsClickable(!entry.hasStyle("nosortheader"));
  header->setHighlightSections(false);
  header->setDefaultAlignment(entry.hasStyle("alignleft") ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
  header->setFixedHeight(lineHeight + 4);
  // A table with room for a row or two has no horizontal scroll bar to cover
  // them; its cells too narrow for their text explain themselves on hover.
  const int rowsRoom = place.height() - header->height() - table->horizontalScrollBar()->sizeHint().height();
  if (rowsRoom < 2 * table->verticalHeader()->defaultSectionSize()) table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  explainCutCells(*table);
  return table;
}

QWidget* makeTabControl(QWidget* parent) {
  auto* control = new QWidget(parent);
  auto* column = new QVBoxLayout(control);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  auto* row = new TabRow(control);
  row->setExpanding(false);
  row->setUsesScrollButtons(true);
  row->setDrawBase(false);
  row->setElideMode(Qt::ElideNone);
  auto* pane = new QFrame(control);
  pane->setFrameShape(QFrame::StyledPanel);
  pane->setFrameShadow(QFrame::Raised);
  column->addWidget(row);
  column->addWidget(pane, 1);
  return control;
}

QWidget* makeEdit(const LayoutEntry& entry, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setFrame(entry.hasStyle("border"));
  edit->setAlignment((entry.hasStyle("right") ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
  edit->setTextMargins(0, 0, 0, 0);
  return edit;
}

QWidget* makeStatic(const LayoutEntry& entry, const QRect& place, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment((entry.hasStyle("right") ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
  if (entry.hasStyle("icon")) {
    const int side = std::min(place.width(), place.height());
    label->setPixmap(iconResource(IconResource::Emblem).pixmap(side, side));
  } else {
    label->setText(captionOf(entry));
  }
  return label;
}

// A check box without a caption of its own is all box: its place grows to
// hold the whole box the style draws, however the dialog units round.
QWidget* makeCheckBox(const QRect& place, QWidget* parent) {
  auto* box = new QCheckBox(parent);
  QStyleOptionButton option;
  option.initFrom(box);
  option.rect = QRect(QPoint(), place.size());
  const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
  box->setMinimumSize(place.size().expandedTo(QSize(indicator.right() + 1, indicator.bottom() + 1)));
  return box;
}

QWidget* makeWidget(const LayoutEntry& entry, const QRect& place, QWidget* parent) {
  switch (entry.kind) {
    case ControlKind::ComboBox:
      return makeComboBox(entry, place, parent);
    case ControlKind::ListBox:
      return makeListBox(entry, parent);
    case ControlKind::ListView:
      return makeListView(entry, place, parent);
    case ControlKind::TabControl:
      return makeTabControl(parent);
    case ControlKind::UpDown:
      return new UpDownWidget(parent);
    case ControlKind::Edit:
      return makeEdit(entry, parent);
    case ControlKind::CheckBox:
      return makeCheckBox(place, parent);
    case ControlKind::Button: {
      auto* button = new QPushButton(captionOf(entry), parent);
      button->setAutoDefault(false);
      return button;
    }
    case ControlKind::Static:
      return makeStatic(entry, place, parent);
    case ControlKind::GroupBox:
      return new QGroupBox(captionOf(entry), parent);
  }
  return nullptr;
}

// Every control that holds something to read or choose takes the focus by
// Tab and by click, tab stop or not, so the keyboard reaches all of them.
// Captions take none: they cannot show it, and a click on one acts on its
// check box.
Qt::FocusPolicy focusPolicyOf(const LayoutEntry& entry) {
  switch (entry.kind) {
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
    case ControlKind::ListView:
    case ControlKind::Edit:
      return Qt::StrongFocus;
    case ControlKind::CheckBox:
    case ControlKind::Button:
      return entry.hasStyle("tabstop") ? Qt::StrongFocus : Qt::NoFocus;
    default:
      return Qt::NoFocus;
  }
}

QString translatedName(std::string_view name) {
  return QCoreApplication::translate("AccessibleName", std::string(name).c_str());
}

// The name a screen reader speaks; captions, group boxes and buttons with a
// caption of their own are named by it.
void nameForScreenReaders(const LayoutEntry& entry, QWidget* widget) {
  if (entry.hasStyle("icon")) widget->setAccessibleName(translatedName(IconAccessibleName));
  const std::string_view name = accessibleNameOf(entry.id);
  if (name.empty()) return;
  widget->setAccessibleName(translatedName(name));
  if (auto* box = qobject_cast<QComboBox*>(widget); box && box->lineEdit()) box->lineEdit()->setAccessibleName(translatedName(name));
  // The row of tabs takes the focus, so it carries the name too.
  if (entry.kind == ControlKind::TabControl) tabRowOf(widget)->setAccessibleName(translatedName(name));
}

}  // namespace

QWidget* makeControlWidget(const LayoutEntry& entry, const QRect& place, QWidget* parent) {
  QWidget* widget = makeWidget(entry, place, parent);
  if (entry.kind != ControlKind::ComboBox) widget->setGeometry(place);
  if (entry.kind == ControlKind::TabControl) {
    // The tab row is reached by Tab too; its arrow keys pick a tab.
    QTabBar* row = tabRowOf(widget);
    row->setFocusPolicy(Qt::StrongFocus);
    for (QToolButton* arrow : row->findChildren<QToolButton*>()) arrow->setFocusPolicy(Qt::NoFocus);
  } else {
    widget->setFocusPolicy(focusPolicyOf(entry));
  }
  retranslateControlWidget(entry, widget, displayLanguage());
  return widget;
}

void retranslateControlWidget(const LayoutEntry& entry, QWidget* widget, Language language) {
  const QString caption = captionOf(entry, language);
  if (auto* button = qobject_cast<QPushButton*>(widget)) button->setText(caption);
  if (auto* box = qobject_cast<QGroupBox*>(widget)) box->setTitle(caption);
  if (auto* label = qobject_cast<QLabel*>(widget); label && !entry.hasStyle("icon")) label->setText(caption);
  nameForScreenReaders(entry, widget);
}

QTabBar* tabRowOf(QWidget* tabControl) { return tabControl->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly); }

}  // namespace qmoor
