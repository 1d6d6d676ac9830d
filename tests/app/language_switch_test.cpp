// ツール → 表示言語: the switch shows every text of the window in the other
// language at once, keeps the query, is remembered, and switching back gives
// the Japanese texts exactly.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <algorithm>
#include <sstream>

#include "app/program/display_language.h"
#include "app/form_widget/form_widget.h"
#include "app/program/launch_options.h"
#include "app/main_window/main_frame.h"
#include "app/program/qmoor_app.h"
#include "script/dumps.h"
#include "script/script_runner.h"
#include "names/reading_order.h"

namespace qmoor {
namespace {

void addMenuTexts(const QMenu& menu, QStringList& texts) {
  texts << menu.title();
  for (const QAction* action : menu.actions()) {
    texts << action->text();
    if (action->menu()) addMenuTexts(*action->menu(), texts);
  }
}

// Every text the user can see or a screen reader can speak in a window's
// visible widgets.
void addWindowTexts(const QWidget& window, QStringList& texts) {
  texts << window.windowTitle();
  for (const QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&window) || w->window() != &window) continue;
    texts << w->accessibleName() << w->toolTip();
    if (auto* label = qobject_cast<const QLabel*>(w)) texts << label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) texts << button->text();
    if (auto* box = qobject_cast<const QGroupBox*>(w)) texts << box->title();
    if (auto* edit = qobject_cast<const QLineEdit*>(w)) texts << edit->text() << edit->placeholderText();
    if (auto* combo = qobject_cast<const QComboBox*>(w))
      for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
    if (auto* tabs = qobject_cast<const QTabBar*>(w))
      for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
    if (auto* view = qobject_cast<const QAbstractItemView*>(w); view && view->model()) {
      const QAbstractItemModel& model = *view->model();
      for (int c = 0; c < model.columnCount(); ++c) texts << model.headerData(c, Qt::Horizontal).toString();
      for (int r = 0; r < model.rowCount(); ++r)
        for (int c = 0; c < model.columnCount(); ++c) texts << model.index(r, c).data().toString();
    }
  }
}

// The main window with its menus, then every other window open (the tools').
QStringList shownTexts(const CMainFrame& frame) {
  QStringList texts;
  for (const QAction* entry : frame.menuBar()->actions()) {
    texts << entry->text();
    if (entry->menu()) addMenuTexts(*entry->menu(), texts);
  }
  addWindowTexts(frame, texts);
  for (const QWidget* window : QApplication::topLevelWidgets())
    if (window != &frame && window->isVisible() && !qobject_cast<const QMenu*>(window)) addWindowTexts(*window, texts);
  return texts;
}

// The texts holding kana, kanji or full-width forms, but for 日本語, which
// the language menu names in its own language whatever the display language.
QStringList japaneseIn(const QStringList& texts) {
  QStringList japanese;
  for (const QString& text : texts) {
    if (text == QStringLiteral("日本語")) continue;
    for (const QChar c : text) {
      const char16_t code = c.unicode();
      const bool kana = code >= 0x3000 && code <= 0x30FF, kanji = code >= 0x3400 && code <= 0x9FFF;
      if (kana || kanji || (code >= 0xFF00 && code <= 0xFFEF)) {
        japanese << text;
        break;
      }
    }
  }
  return japanese;
}

QAction* languageAction(const CMainFrame& frame, Language language) {
  for (QAction* action : frame.toolsMenu()->actions()) {
    if (!action->menu()) continue;
    for (QAction* choice : action->menu()->actions())
      if (choice->data().toInt() == static_cast<int>(language)) return choice;
  }
  return nullptr;
}

class LanguageSwitch : public ::testing::Test {
 protected:
  void TearDown() override {
    saveDisplayLanguage(Language::Japanese);
    applyDisplayLanguage(Language::Japanese);
  }
};

TEST_F(LanguageSwitch, RetranslatesEveryTextAtOnceKeepsTheQueryAndComesBackExactly) {
  CQmoorApp app;
  ASSERT_TRUE(app.InitInstance({"quillmoor"}));
  std::istringstream script("select 1026 2\nselect 1001 0\nrow 1116 1\nclick 1174\nclick 1168\ntab 0\n");
  std::ostringstream dumps, errors;
  ASSERT_EQ(ScriptRunner(app.view(), app.host(), dumps).run(script, errors), 0) << errors.str();
  app.form().syncDirty();
  for (QAction* tool : app.frame().toolsMenu()->actions())
    if (!tool->menu() && !tool->isSeparator()) tool->trigger();
  QApplication::processEvents();
  const QStringList japanese = shownTexts(app.frame());
  ASSERT_GT(QApplication::topLevelWidgets().size(), 1);
  const std::string query = dumpState(app.view()).dump();

  languageAction(app.frame(), Language::English)->trigger();
  QApplication::processEvents();
  EXPECT_EQ(displayLanguage(), Language::English);
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));  // Qt's own dialogs
  EXPECT_EQ(japaneseIn(shownTexts(app.frame())).join(" | ").toStdString(), "");
  EXPECT_EQ(dumpState(app.view()).dump(), query);
  EXPECT_EQ(savedDisplayLanguage(), Language::English);
  EXPECT_TRUE(languageAction(app.frame(), Language::English)->isChecked());

  languageAction(app.frame(), Language::Japanese)->trigger();
  QApplication::processEvents();
  EXPECT_EQ(shownTexts(app.frame()), japanese);
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("キャンセル"));
  EXPECT_EQ(savedDisplayLanguage(), Language::Japanese);
}

TEST_F(LanguageSwitch, ARememberedLanguageIsTheNextRunsFirst) {
  saveDisplayLanguage(Language::English);
  CQmoorApp app;
  ASSERT_TRUE(app.InitInstance({"quillmoor"}));
  EXPECT_EQ(app.frame().menuBar()->actions().at(0)->text(), QStringLiteral("&File"));
  EXPECT_EQ(app.view().form().combo(ControlId::RaceCombo).item(0), "Deity");
  EXPECT_TRUE(languageAction(app.frame(), Language::English)->isChecked());
}

TEST_F(LanguageSwitch, LangOnTheCommandLineChoosesThisRunsLanguageWithoutRememberingIt) {
  EXPECT_EQ(parseLaunchOptions({"quillmoor", "--lang", "en"}).language, Language::English);
  EXPECT_FALSE(parseLaunchOptions({"quillmoor", "--lang", "fr"}).error.isEmpty());
  EXPECT_FALSE(parseLaunchOptions({"quillmoor", "--lang"}).error.isEmpty());
  CQmoorApp app;
  ASSERT_TRUE(app.InitInstance({"quillmoor", "--lang", "en"}));
  EXPECT_EQ(displayLanguage(), Language::English);
  EXPECT_EQ(savedDisplayLanguage(), Language::Japanese);
}

TEST_F(LanguageSwitch, TheCompendiumSortsNamesInTheLanguageShown) {
  CQmoorApp app;
  ASSERT_TRUE(app.InitInstance({"quillmoor", "--lang", "en"}));
  for (QAction* tool : app.frame().toolsMenu()->actions())
    if (!tool->menu() && !tool->isSeparator()) tool->trigger();
  QAbstractItemModel* rows = nullptr;
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->inherits("qmoor::CompendiumWindow")) rows = window->findChild<QAbstractItemView*>()->model();
  ASSERT_NE(rows, nullptr);
  ASSERT_EQ(rows->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Name"));
  rows->sort(1, Qt::AscendingOrder);
  QStringList names;
  for (int r = 0; r < rows->rowCount(); ++r) names << rows->index(r, 1).data().toString();
  EXPECT_EQ(names.size(), DemonTotal);
  EXPECT_TRUE(std::is_sorted(names.begin(), names.end(), [](const QString& a, const QString& b) {
    return readingKey(a.toStdString()) < readingKey(b.toStdString());  // alphabetical, letter by letter
  })) << names.join(", ").toStdString();
}

}  // namespace
}  // namespace qmoor
