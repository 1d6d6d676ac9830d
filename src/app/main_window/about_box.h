// The About box: the program's name and version beside icon 131, and OK.
#pragma once

#include <QDialog>

namespace qmoor {

class AboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace qmoor
