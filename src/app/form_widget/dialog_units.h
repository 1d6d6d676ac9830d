// Dialog units: the form's coordinates, turned into pixels with the base units
// of the form's font (average Latin letter width, line height), so the form
// keeps its proportions at any font size or screen scale.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

#include "form/layout.h"

namespace qmoor {

// The form's font: 9 points of a Japanese Gothic face close to the form's own
// (IPA P Gothic), else of any Japanese or other CJK face, else the default face.
QFont formFont();

class DialogUnits {
 public:
  DialogUnits(int baseX, int baseY) : baseX_(baseX), baseY_(baseY) {}
  // The base units of font: the average width of the 52 Latin letters and the line height.
  static DialogUnits of(const QFont& font);

  int baseX() const { return baseX_; }
  int baseY() const { return baseY_; }
  int x(int dlu) const;  // dlu · baseX / 4, rounded
  int y(int dlu) const;  // dlu · baseY / 8, rounded
  // Both corners are converted, so adjacent rectangles stay adjacent.
  QRect rect(const DialogRect& r) const;
  QSize size(int widthDlu, int heightDlu) const { return {x(widthDlu), y(heightDlu)}; }

 private:
  int baseX_;
  int baseY_;
};

}  // namespace qmoor
