// The tool windows' layout pieces: a labelled control comes after its label
// and is its buddy, and a row places its widgets and spare room in order.
#include <gtest/gtest.h>

#include <QSpinBox>

#include "app/widgets/window_parts.h"

namespace qmoor {
namespace {

TEST(WindowParts, ALabelledControlFollowsItsLabelWhichNamesIt) {
  QWidget parent;
  QLabel* label = nullptr;
  auto* box = labelled<QSpinBox>(label, &parent);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->buddy(), box);
  EXPECT_EQ(box->parentWidget(), &parent);
  EXPECT_EQ(parent.children().indexOf(label), parent.children().indexOf(box) - 1)
      << "a screen reader meets the label first";
}

TEST(WindowParts, ARowPlacesItsWidgetsAndSpareRoomInOrder) {
  QWidget parent;
  auto* first = new QWidget(&parent);
  auto* second = new QWidget(&parent);
  QHBoxLayout* row = rowOf({first, Stretch, {second, 2}});
  parent.setLayout(row);
  ASSERT_EQ(row->count(), 3);
  EXPECT_EQ(row->itemAt(0)->widget(), first);
  EXPECT_NE(row->itemAt(1)->spacerItem(), nullptr);
  EXPECT_EQ(row->itemAt(2)->widget(), second);
  EXPECT_EQ(row->stretch(0), 0);
  EXPECT_EQ(row->stretch(1), 1);
  EXPECT_EQ(row->stretch(2), 2);
}

}  // namespace
}  // namespace qmoor
