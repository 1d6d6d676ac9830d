// DialogHost: see dialog_host.h.
#include "app/main_window/dialog_host.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <iostream>

#include "app/program/program_settings.h"
#include "files/file_io.h"

namespace qmoor {

namespace {

const QString LastFolderKey = QStringLiteral("dialogs/lastFolder");

}  // namespace

QString tabsDialogFolder() {
  const QString folder = programSettings().value(LastFolderKey).toString();
  if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void rememberTabsDialogFolder(const QString& folder) { storeSetting(LastFolderKey, folder); }

void configureTabsDialog(QFileDialog& dialog, TabsDialog mode, const QString& suggestedName,
                         const QString& startFolder) {
  const bool saving = mode == TabsDialog::Save;
  dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  dialog.setNameFilter(QStringLiteral("(*.qmf)"));
  dialog.setDefaultSuffix(QStringLiteral("qmf"));
  dialog.setDirectory(startFolder);
  dialog.selectFile(suggestedName);
}

std::optional<std::string> DialogHost::ask(TabsDialog mode, const std::string& suggestedName) {
  if (!answers_.empty()) {
    std::optional<std::string> answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
  }
  if (unattended_) return std::nullopt;
  QFileDialog dialog(window_);
  configureTabsDialog(dialog, mode, QString::fromStdString(suggestedName), tabsDialogFolder());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

std::optional<std::string> DialogHost::askSavePath(const std::string& suggestedName) {
  return ask(TabsDialog::Save, suggestedName);
}

std::optional<std::string> DialogHost::askLoadPath(const std::string& suggestedName) {
  return ask(TabsDialog::Load, suggestedName);
}

void DialogHost::showMessage(const std::string& text) {
  messages_.push_back(text);
  const QString caption = QCoreApplication::applicationName();
  if (unattended_) std::cerr << caption.toStdString() << ": " << text << '\n';
  else QMessageBox::warning(window_, caption, QString::fromStdString(text));
}

void DialogHost::rememberFolderOf(const std::string& path) {
  if (!unattended_) rememberTabsDialogFolder(QFile::decodeName(QByteArray::fromStdString(folderOf(path))));
}

void DialogHost::setTitle(const std::string& title) {
  if (window_) window_->setWindowTitle(QString::fromStdString(title));
}

std::string DialogHost::title() const { return window_ ? window_->windowTitle().toStdString() : std::string(); }

std::vector<std::string> DialogHost::takeMessages() { return std::exchange(messages_, {}); }

}  // namespace qmoor
