// The view's host in the program: the saved-tabs file dialog's settings,
// answers given in advance, the title and the messages.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileDialog>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "app/main_window/dialog_host.h"
#include "view/view.h"

namespace qmoor {
namespace {

TEST(TabsDialog, OffersQmfFilesInTheStartFolderAndAsksBeforeOverwriting) {
  const QString startFolder = QDir::tempPath();
  for (TabsDialog mode : {TabsDialog::Save, TabsDialog::Load}) {
    QFileDialog dialog;
    configureTabsDialog(dialog, mode, QStringLiteral("abc.qmf"), startFolder);
    const bool saving = mode == TabsDialog::Save;
    EXPECT_EQ(dialog.acceptMode(), saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog.fileMode(), saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog.nameFilters(), QStringList{"(*.qmf)"});
    EXPECT_EQ(dialog.defaultSuffix(), "qmf");
    EXPECT_EQ(QFileInfo(dialog.directory().absolutePath()), QFileInfo(startFolder));
    EXPECT_EQ(QFileInfo(dialog.selectedFiles().value(0)).fileName(), "abc.qmf");
  }
}

TEST(DialogHost, AnswersInAdvanceThenTitlesAndMessagesWithoutShowingAnything) {
  QWidget window;
  DialogHost host;
  host.setWindow(&window);
  host.setUnattended(true);
  host.answerNextDialog("/tmp/one.qmf");
  host.answerNextDialog(std::nullopt);
  EXPECT_EQ(host.askLoadPath("x.qmf"), std::optional<std::string>("/tmp/one.qmf"));
  EXPECT_EQ(host.askSavePath("x.qmf"), std::nullopt);
  EXPECT_EQ(host.askSavePath("x.qmf"), std::nullopt) << "unattended, an unanswered dialog is cancelled";
  host.setTitle("abc.qmf");
  EXPECT_EQ(window.windowTitle(), "abc.qmf");
  EXPECT_EQ(host.title(), "abc.qmf");
  host.showMessage("abc.qmf を開けません");
  EXPECT_EQ(host.takeMessages(), std::vector<std::string>{"abc.qmf を開けません"});
  EXPECT_TRUE(host.takeMessages().empty());
}

TEST(TabsDialog, StartsInTheFolderOfTheLastFileUsedRememberedBetweenRuns) {
  ASSERT_TRUE(QStandardPaths::isTestModeEnabled()) << "the test must not touch the user's settings";
  QSettings(QSettings::UserScope, QStringLiteral("Quillmoor"), QStringLiteral("Quillmoor")).clear();
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  EXPECT_EQ(tabsDialogFolder(), documents);

  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const std::string file = QFile::encodeName(folder.filePath(QStringLiteral("tabs.qmf"))).toStdString();
  for (CommandId command : {CommandId::SaveTabs, CommandId::LoadTabs}) {
    DialogHost host;  // a new host reads what an earlier run remembered
    CQmoorView view(host);
    view.InitialUpdate();
    host.answerNextDialog(file);
    rememberTabsDialogFolder(documents);
    view.command(command);
    EXPECT_TRUE(host.takeMessages().empty());
    EXPECT_EQ(QFileInfo(tabsDialogFolder()), QFileInfo(folder.path())) << static_cast<int>(command);
  }
  DialogHost unattended;
  unattended.setUnattended(true);
  unattended.rememberFolderOf("/tabs.qmf");
  EXPECT_EQ(QFileInfo(tabsDialogFolder()), QFileInfo(folder.path())) << "an unattended run keeps the user's folder";

  folder.remove();
  EXPECT_EQ(tabsDialogFolder(), documents) << "a folder that is gone";
  QSettings(QSettings::UserScope, QStringLiteral("Quillmoor"), QStringLiteral("Quillmoor")).clear();
}

}  // namespace
}  // namespace qmoor
