// CMainFrame: see main_frame.h.
#include "app/main_frame.h"

#include <QMenuBar>
#include <QScrollArea>

#include "app/about_box.h"
#include "app/icons.h"

namespace qmoor {

CMainFrame::CMainFrame(QWidget* form, CommandSink commands, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      client_(new QScrollArea(this)),
      commands_(std::move(commands)) {
  setWindowTitle(QStringLiteral("Quillmoor ver.1.705"));
  setWindowIcon(iconResource(IconResource::Frame));
  client_->setFrameShape(QFrame::NoFrame);
  client_->setWidget(form);
  setCentralWidget(client_);
  buildMenus();
  move(5, 5);
  resize(803, 625);
}

void CMainFrame::buildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
  addCommand(file, QStringLiteral("SAVE(&S)"), CommandId::SaveTabs);
  addCommand(file, QStringLiteral("LOAD(&L)"), CommandId::LoadTabs);
  file->addSeparator();
  QAction* exit = file->addAction(QStringLiteral("終了(&X)"), this, &QWidget::close);
  exit->setData(static_cast<int>(CommandId::Exit));

  QMenu* show = menuBar()->addMenu(QStringLiteral("表示(&V)"));
  show->addSeparator();
  QAction* statusBar = show->addAction(QStringLiteral("ステータス バー(&S)"));
  statusBar->setData(static_cast<int>(CommandId::StatusBar));
  statusBar->setEnabled(false);
  show->addAction(QStringLiteral("ヘルプ(&H)"));
  show->menuAction()->setEnabled(false);

  addCommand(menuBar(), QStringLiteral("SAVE(&S)"), CommandId::SaveTabs);
  addCommand(menuBar(), QStringLiteral("LOAD(&L)"), CommandId::LoadTabs);
  addCommand(menuBar(), QStringLiteral("タブのクリア(&C)"), CommandId::ClearTabs);
  tools_ = menuBar()->addMenu(tr("ツール(&T)"));
  QAction* about = menuBar()->addAction(QStringLiteral("バージョン情報 (&A)..."), this, &CMainFrame::showAbout);
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
  const QSize needed(form.width(), form.height() + menuBar()->sizeHint().height());
  resize(needed);
}

}  // namespace qmoor
