// Dialog units: rounding, adjacent rectangles, and the form's font.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QStringList>

#include "app/dialog_units.h"

namespace qmoor {
namespace {

TEST(DialogUnits, ConvertsWithRoundingHalfAwayFromZero) {
  const DialogUnits units(7, 13);
  struct Case {
    int dlu, x, y;
  };
  // x = dlu·7/4 and y = dlu·13/8, rounded to the nearest pixel, halves up.
  for (const Case& c : {Case{0, 0, 0}, Case{1, 2, 2}, Case{2, 4, 3}, Case{4, 7, 7}, Case{6, 11, 10}, Case{453, 793, 736},
                        Case{379, 663, 616}}) {
    EXPECT_EQ(units.x(c.dlu), c.x) << "dlu " << c.dlu;
    EXPECT_EQ(units.y(c.dlu), c.y) << "dlu " << c.dlu;
  }
}

TEST(DialogUnits, RectanglesConvertBothCornersSoNeighboursStayAdjacent) {
  const DialogUnits units(7, 13);
  // Rectangles that touch in dialog units touch in pixels, whatever the rounding.
  const QRect left = units.rect({8, 25, 13, 13});
  const QRect right = units.rect({21, 25, 12, 13});
  EXPECT_EQ(left.x() + left.width(), right.x());
  EXPECT_EQ(left.x(), 14);
  EXPECT_EQ(left.width(), units.x(21) - units.x(8));
  EXPECT_EQ(left.height(), units.y(38) - units.y(25));
}

TEST(DialogUnits, BaseUnitsGrowWithTheFont) {
  QFont small = formFont();
  QFont large = small;
  large.setPointSize(small.pointSize() * 2);
  const DialogUnits a = DialogUnits::of(small);
  const DialogUnits b = DialogUnits::of(large);
  EXPECT_GT(a.baseX(), 0);
  EXPECT_GT(a.baseY(), a.baseX());
  EXPECT_NEAR(b.baseX(), 2 * a.baseX(), 2);
  EXPECT_NEAR(b.baseY(), 2 * a.baseY(), 3);
}

TEST(FormFont, IsNinePointsOfAJapaneseGothicFaceWhenOneIsInstalled) {
  const QFont font = formFont();
  EXPECT_EQ(font.pointSize(), 9);
  if (QFontDatabase::families().contains(QStringLiteral("IPAPGothic"))) {
    EXPECT_EQ(font.family(), QStringLiteral("IPAPGothic"));
  } else if (!QFontDatabase::families(QFontDatabase::Japanese).isEmpty()) {
    EXPECT_TRUE(QFontDatabase::families(QFontDatabase::Japanese).contains(font.family()));
  }
}

}  // namespace
}  // namespace qmoor
