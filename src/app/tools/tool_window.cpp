// ToolWindow: see tool_window.h.
#include "app/tools/tool_window.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

#include "app/widgets/demon_texts.h"
#include "app/program/program_settings.h"
#include "app/widgets/screen_fit.h"
#include "app/access/screen_reader_interfaces.h"
#include "app/widgets/scrolling_contents.h"
#include "tabs/tab_state.h"

namespace qmoor {

QVariant demonData(DemonRef demon) { return demon.race * SlotsPerRace + demon.slot; }

std::optional<DemonRef> demonFromData(const QVariant& packed) {
  bool number = false;
  const int value = packed.toInt(&number);
  if (!number || value < 0) return std::nullopt;
  return DemonRef{value / SlotsPerRace, value % SlotsPerRace};
}

std::optional<DemonRef> demonAt(const QModelIndex& index) { return demonFromData(index.data(DemonRole)); }

namespace {

// A tool window reads as the window it is, not as a bare container.
QAccessibleInterface* toolWindowAsWindow(const QString& className, QObject* object) {
  (void)className;
  auto* window = qobject_cast<ToolWindow*>(object);
  return window ? new QAccessibleWidget(window, QAccessible::Window) : nullptr;
}

void presentToolWindowsToScreenReaders() {
  static const bool installed = [] {
    QAccessible::installFactory(toolWindowAsWindow);
    presentFormControlsToScreenReaders();
    return true;
  }();
  (void)installed;
}

QString geometryKey(const QString& settingsKey) { return settingsKey + QStringLiteral("/geometry"); }

}  // namespace

ToolWindow::ToolWindow(const QString& settingsKey, QSize firstSize, DemonOpener opener, QWidget* owner)
    : QWidget(owner, Qt::Window),
      settingsKey_(settingsKey),
      firstSize_(firstSize),
      opener_(std::move(opener)),
      statusLine_(new QStatusBar(this)) {
  presentToolWindowsToScreenReaders();
  statusLine_->setSizeGripEnabled(false);
  // The main window alone decides when the program ends.
  setAttribute(Qt::WA_QuitOnClose, false);
  auto* closing = new QAction(this);
  closing->setShortcuts(QKeySequence::keyBindings(QKeySequence::Close));
  addAction(closing);
  connect(closing, &QAction::triggered, this, &QWidget::close);
  keepWholeOnScreen(*this);
}

// Escape reaches the window only when nothing on top of it took the key: an
// open drop-down list or completion list closes itself and stops there.
// Return that no control took presses the window's default button, as in a
// dialog.
void ToolWindow::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if (event->key() == Qt::Key_Escape && modifiers == Qt::NoModifier) {
    close();
    return;
  }
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && modifiers == Qt::NoModifier) {
    for (QPushButton* button : findChildren<QPushButton*>()) {
      if (button->isDefault() && button->isEnabled() && button->isVisible()) {
        button->click();
        return;
      }
    }
  }
  QWidget::keyPressEvent(event);
}

ToolWindow::~ToolWindow() {
  if (isVisible()) rememberPlace();
}

void ToolWindow::deleteChildWidgets() { qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly)); }

void ToolWindow::present() {
  if (!placed_) {
    placed_ = true;
    scrollContentsWhenCramped(*this);
    if (!restoreGeometry(programSettings().value(geometryKey(settingsKey_)).toByteArray())) resize(firstSize_);
    fitToScreen(*this);
  }
  nameComboFields();
  show();
  raise();
  activateWindow();
}

void ToolWindow::hideEvent(QHideEvent* event) {
  rememberPlace();
  QWidget::hideEvent(event);
}

void ToolWindow::rememberPlace() const {
  QSettings settings = programSettings();
  settings.setValue(geometryKey(settingsKey_), saveGeometry());
}

void ToolWindow::offerDemonsOf(QAbstractItemView* view) {
  auto* open = new QAction(view);
  open->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
  open->setShortcutContext(Qt::WidgetShortcut);
  open->setEnabled(false);
  view->addAction(open);
  view->setContextMenuPolicy(Qt::ActionsContextMenu);
  openActions_.push_back(open);
  retranslateOpenActions();

  connect(view->selectionModel(), &QItemSelectionModel::currentChanged, open,
          [open](const QModelIndex& current) { open->setEnabled(demonAt(current).has_value()); });
  connect(open, &QAction::triggered, this, [this, view] {
    if (const auto demon = demonAt(view->currentIndex())) openDemon(*demon);
  });
  connect(view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
    if (const auto demon = demonAt(index)) openDemon(*demon);
  });
}

void ToolWindow::openDemon(DemonRef demon) {
  if (opener_(demon)) {
    statusLine_->showMessage(tr("%1 をメインウィンドウの新しいタブで開きました。").arg(demonEntryText(demon)));
    return;
  }
  auto* box = new QMessageBox(QMessageBox::Information, windowTitle(),
                              tr("タブは%1個までです。タブを閉じてから、もう一度開いてください。").arg(MaxTabs),
                              QMessageBox::Ok, this);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

void ToolWindow::retranslateOpenActions() {
  for (QAction* open : openActions_) open->setText(tr("新しいタブで開く"));
}

// A screen reader meets a combo box's text field as a control of its own.
void ToolWindow::nameComboFields() {
  for (QComboBox* combo : findChildren<QComboBox*>())
    if (combo->lineEdit()) combo->lineEdit()->setAccessibleName(combo->accessibleName());
}

void ToolWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    retranslateOpenActions();
    retranslate();
    nameComboFields();
  }
  QWidget::changeEvent(event);
}

}  // namespace qmoor
