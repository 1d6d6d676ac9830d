// The pieces the tool windows lay their controls out with: see window_parts.h.
#include "app/widgets/window_parts.h"

namespace qmoor {

void addPlaced(QBoxLayout* layout, std::initializer_list<Placed> widgets) {
  for (const Placed& placed : widgets) {
    if (placed.widget)
      layout->addWidget(placed.widget, placed.stretch);
    else
      layout->addStretch(placed.stretch);
  }
}

QHBoxLayout* rowOf(std::initializer_list<Placed> widgets) {
  auto* row = new QHBoxLayout;
  addPlaced(row, widgets);
  return row;
}

QSplitter* splitUpDown(QWidget* parent, QWidget* upper, int upperShare, QWidget* lower, int lowerShare) {
  auto* split = new QSplitter(Qt::Vertical, parent);
  split->addWidget(upper);
  split->addWidget(lower);
  split->setStretchFactor(0, upperShare);
  split->setStretchFactor(1, lowerShare);
  split->setChildrenCollapsible(false);
  return split;
}

void letTabReach(QLabel* label) {
  label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  label->setFocusPolicy(Qt::StrongFocus);
}

}  // namespace qmoor
