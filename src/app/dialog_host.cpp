// DialogHost: see dialog_host.h.
#include "app/dialog_host.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <iostream>

namespace qmoor {

void configureTabsDialog(QFileDialog& dialog, TabsDialog mode, const QString& suggestedName) {
  const bool saving = mode == TabsDialog::Save;
  dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  dialog.setNameFilter(QStringLiteral("(*.qmf)"));
  dialog.setDefaultSuffix(QStringLiteral("qmf"));
  dialog.setDirectory(QCoreApplication::applicationDirPath());
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
  configureTabsDialog(dialog, mode, QString::fromStdString(suggestedName));
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

void DialogHost::setTitle(const std::string& title) {
  if (window_) window_->setWindowTitle(QString::fromStdString(title));
}

std::string DialogHost::title() const { return window_ ? window_->windowTitle().toStdString() : std::string(); }

std::vector<std::string> DialogHost::takeMessages() { return std::exchange(messages_, {}); }

}  // namespace qmoor
