// CMainFrame: see main_frame.h.
#include "app/main_frame.h"

#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <algorithm>

#include "app/about_box.h"
#include "app/icons.h"

namespace qmoor {

CMainFrame::CMainFrame(QWidget* form, CommandSink commands, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      client_(new QScrollArea(this)),
      commands_(std::move(commands)) {
  setWindowTitle(tr("Quillmoor ver.1.705"));
  client_->setFrameShape(QFrame::NoFrame);
  client_->setFocusPolicy(Qt::NoFocus);  // the form's controls take the focus; the area follows it
  client_->setWidget(form);
  setCentralWidget(client_);
  buildMenus();
  move(5, 5);
  resize(803, 625);
}

void CMainFrame::buildMenus() {
  QMenu* file = menuBar()->addMenu(tr("ファイル(&F)"));
  addCommand(file, tr("SAVE(&S)"), CommandId::SaveTabs);
  addCommand(file, tr("LOAD(&L)"), CommandId::LoadTabs);
  file->addSeparator();
  QAction* exit = file->addAction(tr("終了(&X)"), this, &QWidget::close);
  exit->setData(static_cast<int>(CommandId::Exit));

  QMenu* show = menuBar()->addMenu(tr("表示(&V)"));
  show->addSeparator();
  QAction* statusBar = show->addAction(tr("ステータス バー(&S)"));
  statusBar->setData(static_cast<int>(CommandId::StatusBar));
  statusBar->setEnabled(false);
  show->addAction(tr("ヘルプ(&H)"));
  show->menuAction()->setEnabled(false);

  addCommand(menuBar(), tr("SAVE(&S)"), CommandId::SaveTabs);
  addCommand(menuBar(), tr("LOAD(&L)"), CommandId::LoadTabs);
  addCommand(menuBar(), tr("タブのクリア(&C)"), CommandId::ClearTabs);
  tools_ = menuBar()->addMenu(tr("ツール(&T)"));
  QAction* about = menuBar()->addAction(tr("バージョン情報 (&A)..."), this, &CMainFrame::showAbout);
  about->setData(static_cast<int>(CommandId::About));
}

void CMainFrame::addCommand(QWidget* menu, const QString& text, CommandId id) {
  auto* action = new QAction(text, menu);
  action->setData(static_cast<int>(id));
  connect(action, &QAction::triggered, this, [this, id] { commands_(id); });
  menu->addAction(action);

}

void CMainFrame::showAbout() {
  AboutBox about(this);
  about.exec();
}

void CMainFrame::fitToForm() {
  const QSize form = client_->widget()->size();
  resize(form.width(), form.height() + menuBar()->sizeHint().height());
  keepWithinScreen();
}

// Never larger than the screen's available area, its frame included: the
// client area then scrolls the form. The frame is known once the window is
// shown, so this runs again then.
void CMainFrame::keepWithinScreen() {
  const QScreen* screen = this->screen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const QSize decoration = frameGeometry().size() - size();
  const QSize fitting = size().boundedTo(area.size() - decoration);
  if (fitting != size()) resize(fitting);
  const QRect frame = frameGeometry();
  move(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())),
       std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
}

// The icon is read from its pictures when the window first goes on screen;
// a window drawn only into a picture has no use for it.
void CMainFrame::showEvent(QShowEvent* event) {
  if (!testAttribute(Qt::WA_SetWindowIcon) && !testAttribute(Qt::WA_DontShowOnScreen))
    setWindowIcon(iconResource(IconResource::Frame));
  QMainWindow::showEvent(event);
  keepWithinScreen();
}

}  // namespace qmoor
