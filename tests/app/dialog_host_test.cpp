// The view's host in the program: the saved-tabs file dialog's settings,
// answers given in advance, the title and the messages.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

#include "app/dialog_host.h"

namespace qmoor {
namespace {

TEST(TabsDialog, OffersQmfFilesInTheProgramsFolderAndAsksBeforeOverwriting) {
  for (TabsDialog mode : {TabsDialog::Save, TabsDialog::Load}) {
    QFileDialog dialog;
    configureTabsDialog(dialog, mode, QStringLiteral("abc.qmf"));
    const bool saving = mode == TabsDialog::Save;
    EXPECT_EQ(dialog.acceptMode(), saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog.fileMode(), saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog.nameFilters(), QStringList{"(*.qmf)"});
    EXPECT_EQ(dialog.defaultSuffix(), "qmf");
    EXPECT_EQ(QFileInfo(dialog.directory().absolutePath()), QFileInfo(QCoreApplication::applicationDirPath()));
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

}  // namespace
}  // namespace qmoor
