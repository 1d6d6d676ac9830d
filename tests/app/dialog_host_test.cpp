// The view's host in the program: the saved-tabs file dialog's settings,
// answers given in advance, the title and the messages.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QWidget>

#include "app/dialog_host.h"

namespace qmoor {
namespace {

TEST(TabsDialog, SavesQmfFilesFromTheProgramsFolderAskingBeforeOverwriting) {
  QFileDialog dialog;
  configureTabsDialog(dialog, TabsDialog::Save, QStringLiteral("abc.qmf"));
  EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
  EXPECT_EQ(dialog.fileMode(), QFileDialog::AnyFile);
  EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
  EXPECT_EQ(dialog.nameFilters(), QStringList{"(*.qmf)"});
  EXPECT_EQ(dialog.defaultSuffix(), "qmf");
  EXPECT_EQ(QFileInfo(dialog.directory().absolutePath()), QFileInfo(QCoreApplication::applicationDirPath()));
  ASSERT_EQ(dialog.selectedFiles().size(), 1);
  EXPECT_EQ(QFileInfo(dialog.selectedFiles().first()).fileName(), "abc.qmf");
}

TEST(TabsDialog, LoadsAnExistingQmfFile) {
  QFileDialog dialog;
  configureTabsDialog(dialog, TabsDialog::Load, QString());
  EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
  EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
  EXPECT_EQ(dialog.nameFilters(), QStringList{"(*.qmf)"});
  EXPECT_EQ(dialog.defaultSuffix(), "qmf");
}

TEST(DialogHost, AnswersGivenInAdvanceComeFirstInTheirOrder) {
  DialogHost host;
  host.setUnattended(true);
  host.answerNextDialog("/tmp/one.qmf");
  host.answerNextDialog(std::nullopt);
  host.answerNextDialog("/tmp/two.qmf");
  EXPECT_EQ(host.askLoadPath("x.qmf"), std::optional<std::string>("/tmp/one.qmf"));
  EXPECT_EQ(host.askSavePath("x.qmf"), std::nullopt);
  EXPECT_EQ(host.askSavePath("x.qmf"), std::optional<std::string>("/tmp/two.qmf"));
  // Unattended, with no answer left, a dialog is cancelled rather than shown.
  EXPECT_EQ(host.askLoadPath("x.qmf"), std::nullopt);
}

TEST(DialogHost, TitlesGoToTheWindowAndMessagesAreKeptUntilTaken) {
  QWidget window;
  window.setWindowTitle("Quillmoor ver.1.705");
  DialogHost host;
  host.setWindow(&window);
  host.setUnattended(true);
  EXPECT_EQ(host.title(), "Quillmoor ver.1.705");
  host.setTitle("abc.qmf");
  EXPECT_EQ(window.windowTitle(), "abc.qmf");
  EXPECT_EQ(host.title(), "abc.qmf");

  host.showMessage("cannot open abc.qmf");
  host.showMessage("second");
  EXPECT_EQ(host.takeMessages(), (std::vector<std::string>{"cannot open abc.qmf", "second"}));
  EXPECT_TRUE(host.takeMessages().empty());
}

}  // namespace
}  // namespace qmoor
