// CMainFrame: see main_frame.h.
#include "app/main_window/main_frame.h"

#include <QActionGroup>
#include <QEvent>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "app/main_window/about_box.h"
#include "app/program/display_language.h"
#include "app/program/icons.h"
#include "app/widgets/screen_fit.h"

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
  keepWholeOnScreen(*this);
}

void CMainFrame::buildMenus() {
  file_ = menuBar()->addMenu(QString());
  fileSave_ = addCommand(file_, CommandId::SaveTabs);
  fileLoad_ = addCommand(file_, CommandId::LoadTabs);
  file_->addSeparator();
  exit_ = file_->addAction(QString(), this, &QWidget::close);
  exit_->setData(static_cast<int>(CommandId::Exit));

  show_ = menuBar()->addMenu(QString());
  show_->addSeparator();
  statusBar_ = show_->addAction(QString());
  statusBar_->setData(static_cast<int>(CommandId::StatusBar));
  statusBar_->setEnabled(false);
  help_ = show_->addAction(QString());
  show_->menuAction()->setEnabled(false);

  save_ = addCommand(menuBar(), CommandId::SaveTabs);
  load_ = addCommand(menuBar(), CommandId::LoadTabs);
  clearTabs_ = addCommand(menuBar(), CommandId::ClearTabs);
  tools_ = menuBar()->addMenu(QString());
  about_ = menuBar()->addAction(QString(), this, &CMainFrame::showAbout);
  about_->setData(static_cast<int>(CommandId::About));
  retranslate();
}

// The texts of the menus in the display language; the language submenu names
// each language in itself.
void CMainFrame::retranslate() {
  file_->setTitle(tr("ファイル(&F)"));
  for (QAction* save : {fileSave_, save_}) save->setText(tr("SAVE(&S)"));
  for (QAction* load : {fileLoad_, load_}) load->setText(tr("LOAD(&L)"));
  exit_->setText(tr("終了(&X)"));
  show_->setTitle(tr("表示(&V)"));
  statusBar_->setText(tr("ステータス バー(&S)"));
  help_->setText(tr("ヘルプ(&H)"));
  clearTabs_->setText(tr("タブのクリア(&C)"));
  tools_->setTitle(tr("ツール(&T)"));
  about_->setText(tr("バージョン情報 (&A)..."));
  if (languages_) languages_->setTitle(tr("表示言語(&L)"));
}

void CMainFrame::addLanguageMenu(std::function<void(Language)> choose) {
  tools_->addSeparator();
  languages_ = tools_->addMenu(QString());
  auto* group = new QActionGroup(languages_);
  for (auto [language, name] : {std::pair{Language::Japanese, QStringLiteral("日本語")},
                                std::pair{Language::English, QStringLiteral("English")}}) {
    QAction* action = languages_->addAction(name);
    action->setCheckable(true);
    action->setChecked(language == displayLanguage());
    action->setData(static_cast<int>(language));
    group->addAction(action);
    connect(action, &QAction::triggered, this, [choose, language] { choose(language); });
  }
  retranslate();
}

void CMainFrame::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    retranslate();
    if (languages_) {
      for (QAction* action : languages_->actions())
        action->setChecked(action->data().toInt() == static_cast<int>(displayLanguage()));
    }
    if (languageChanged_) languageChanged_();
  }
  QMainWindow::changeEvent(event);
}

QAction* CMainFrame::addCommand(QWidget* menu, CommandId id) {
  auto* action = new QAction(menu);
  action->setData(static_cast<int>(id));
  connect(action, &QAction::triggered, this, [this, id] { commands_(id); });
  menu->addAction(action);
  return action;
}

void CMainFrame::showAbout() {
  AboutBox about(this);
  about.exec();
}

void CMainFrame::fitToForm() {
  const QSize form = client_->widget()->size();
  resize(form.width(), form.height() + menuBar()->sizeHint().height());
  fitToScreen(*this);
  makeRoomForScrollBar();
}

// A window too short for the form (fitted to a small screen, its frame
// included) scrolls the form up and down: where the window is as wide as the
// form and the screen has the room, it widens by the scroll bar, so that the
// bar does not cover the form's right edge and no sideways bar shows.
void CMainFrame::makeRoomForScrollBar() {
  const QSize form = client_->widget()->size();
  const int bar = client_->verticalScrollBar()->sizeHint().width();
  const bool scrolls = height() < form.height() + menuBar()->sizeHint().height();
  if (!scrolls || width() < form.width() || width() >= form.width() + bar || !screen()) return;
  const int frameWidth = frameGeometry().width() - width();
  if (screen()->availableGeometry().width() < form.width() + bar + frameWidth) return;
  resize(form.width() + bar, height());
  fitToScreen(*this);
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  makeRoomForScrollBar();
}

// The icon is read from its pictures when the window first goes on screen;
// a window drawn only into a picture has no use for it.
void CMainFrame::showEvent(QShowEvent* event) {
  if (!testAttribute(Qt::WA_SetWindowIcon) && !testAttribute(Qt::WA_DontShowOnScreen))
    setWindowIcon(iconResource(IconResource::Frame));
  QMainWindow::showEvent(event);
}

}  // namespace qmoor
