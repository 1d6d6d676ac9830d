// MyDemonsWindow (所持悪魔): the table of my demons (level, race, name,
// skills, problem) with add, edit, remove and move up or down. Every change
// is saved at once; when the file could not be read, the window says why and
// saves only when the player asks with 上書き保存. When the file changed on
// disk beside changes of the list, it asks whether to read the file again,
// write this list over it or save this list elsewhere. Any demon of the table
// opens in a new query tab.
#pragma once

#include "app/tools/tool_window.h"

class QLabel;
class QPushButton;
class QTableView;

namespace qmoor {

class MyDemonsStore;
class RowTableModel;

class MyDemonsWindow : public ToolWindow {
  Q_OBJECT

 public:
  MyDemonsWindow(MyDemonsStore* store, DemonOpener opener, QWidget* owner);
  ~MyDemonsWindow() override;

  // The row selected in the table, -1 for none.
  int selectedRow() const;

 protected:
  void retranslate() override;

 private:
  void build();
  void connectActions();
  void refresh();
  void addDemon();
  void editDemon();
  void removeDemon();
  void moveDemon(int step);
  void select(int row);
  void saveOnPurpose();
  // Asks what to do about the file changed on disk, and does it.
  void resolveChangeOnDisk();

  MyDemonsStore* store_;
  RowTableModel* model_;
  QLabel* tableLabel_;
  QTableView* table_;
  QPushButton* add_;
  QPushButton* edit_;
  QPushButton* remove_;
  QPushButton* up_;
  QPushButton* down_;
  QPushButton* save_;
  QLabel* status_;
};

}  // namespace qmoor
