// ToolWindow: what the tool windows share. Each is a non-modal window of its
// own that remembers its size and place between runs, builds its texts anew
// when the language changes, and opens any demon it shows in a new query tab
// of the main window through the one call it is handed.
#pragma once

#include <QModelIndex>
#include <QStatusBar>
#include <QWidget>
#include <functional>
#include <optional>

#include "data/types.h"

class QAbstractItemView;
class QAction;

namespace qmoor {

// Opens a demon in a new query tab of the main window; false when no tab
// could be opened because the tabs are full.
using DemonOpener = std::function<bool(DemonRef)>;

// The item-data role under which the tool windows' item models give the demon
// a cell stands for, packed by demonData().
inline constexpr int DemonRole = Qt::UserRole + 1;
QVariant demonData(DemonRef demon);
std::optional<DemonRef> demonFromData(const QVariant& packed);  // none for what demonData never gives
std::optional<DemonRef> demonAt(const QModelIndex& index);

class ToolWindow : public QWidget {
  Q_OBJECT

 public:
  ~ToolWindow() override;
  // Shows the window, the first time at its remembered size and place (else
  // at its first size within the screen, its contents scrolling where the
  // screen is too small for them), and brings it to the front.
  // Escape (when no list is open on top) or Ctrl+W closes it; Return that no
  // control takes presses its default button.
  void present();

 protected:
  // settingsKey names the window's entry in the program's settings;
  // firstSize is its size before any is remembered.
  ToolWindow(const QString& settingsKey, QSize firstSize, DemonOpener opener, QWidget* owner);

  // The child widgets go first, while the rows their models read still exist:
  // each window's destructor calls it.
  void deleteChildWidgets();

  // Builds every user-visible text of the window: called by each window's
  // constructor and again on a change of language. The text field of a combo
  // box then takes the box's accessible name.
  virtual void retranslate() = 0;

  // A double click, Return or the context-menu item 新しいタブで開く on a
  // cell of view opens the demon of that cell (DemonRole) in a new tab.
  void offerDemonsOf(QAbstractItemView* view);
  // Opens demon in a new tab and says so on the status line, which a screen
  // reader announces; when the tabs are full a message box says so instead.
  void openDemon(DemonRef demon);
  // The window's status line, for the window to place at its foot.
  QStatusBar* statusLine() const { return statusLine_; }

  void changeEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void retranslateOpenActions();
  void nameComboFields();
  void rememberPlace() const;

  QString settingsKey_;
  QSize firstSize_;
  DemonOpener opener_;
  bool placed_ = false;
  std::vector<QAction*> openActions_;
  QStatusBar* statusLine_;
};

}  // namespace qmoor
