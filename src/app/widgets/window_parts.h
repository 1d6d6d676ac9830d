// The pieces the tool windows lay their controls out with: a control with its
// label, rows of widgets, panels without margins, a split in two, and labels
// that Tab reaches.
#pragma once

#include <QBoxLayout>
#include <QLabel>
#include <QSplitter>
#include <initializer_list>
#include <type_traits>

namespace qmoor {

// A widget of a row and its share of the spare room; a null widget stands for
// spare room of its own (a stretch).
struct Placed {
  Placed(QWidget* placed, int share = 0) : widget(placed), stretch(share) {}
  QWidget* widget;
  int stretch;
};
inline const Placed Stretch{nullptr, 1};

// Makes label in parent and then the control make() returns, which the label
// names and whose focus its key gives; returns the control. The label comes
// first among parent's children, as a screen reader meets them.
template <class Make>
auto labelled(QLabel*& label, QWidget* parent, Make make) -> std::invoke_result_t<Make> {
  label = new QLabel(parent);
  auto* control = make();
  label->setBuddy(control);
  return control;
}
template <class Control>
Control* labelled(QLabel*& label, QWidget* parent) {
  return labelled(label, parent, [parent] { return new Control(parent); });
}

// Adds the widgets to layout in order, each with its stretch.
void addPlaced(QBoxLayout* layout, std::initializer_list<Placed> widgets);
// A new row of the widgets.
QHBoxLayout* rowOf(std::initializer_list<Placed> widgets);

// Sets layout's margins to none, for a panel inside a window's own margins.
template <class Layout>
Layout* marginless(Layout* layout) {
  layout->setContentsMargins(0, 0, 0, 0);
  return layout;
}

// Upper above lower in parent, sharing the height upperShare : lowerShare;
// neither can be dragged shut.
QSplitter* splitUpDown(QWidget* parent, QWidget* upper, int upperShare, QWidget* lower, int lowerShare);

// Tab reaches label and its text can be selected, so that a keyboard user can
// read and copy it.
void letTabReach(QLabel* label);

}  // namespace qmoor
