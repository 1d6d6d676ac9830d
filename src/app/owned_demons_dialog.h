// OwnedDemonsDialog (所持悪魔): a checkable list of every demon in level
// order, the demons the user owns, which the planner may start plans from.
// The list is kept between runs in the program's settings.
#pragma once

#include <QDialog>
#include <vector>

#include "data/types.h"

class QListWidget;

namespace qmoor {

class OwnedDemonsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit OwnedDemonsDialog(QWidget* parent);
  // The demons ticked in the dialog.
  std::vector<DemonRef> checked() const;

  // The owned demons as last saved; none before the first save.
  static std::vector<DemonRef> load();
  static void save(const std::vector<DemonRef>& demons);

 private:
  QListWidget* list_;
};

}  // namespace qmoor
