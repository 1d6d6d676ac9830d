// Dialog units and the form's font: see dialog_units.h.
#include "app/form_widget/dialog_units.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>

namespace qmoor {

namespace {

// a · b / c rounded half away from zero, as the platform's MulDiv does.
int mulDiv(int a, int b, int c) {
  const long long product = static_cast<long long>(a) * b;
  const long long half = c / 2;
  return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

QString formFamily() {
  const QStringList all = QFontDatabase::families();
  for (const char* preferred : {"IPAPGothic", "IPAGothic"})
    if (all.contains(QLatin1String(preferred))) return QLatin1String(preferred);
  for (QFontDatabase::WritingSystem script : {QFontDatabase::Japanese, QFontDatabase::SimplifiedChinese,
                                              QFontDatabase::TraditionalChinese, QFontDatabase::Korean}) {
    const QStringList families = QFontDatabase::families(script);
    if (!families.isEmpty()) return families.first();
  }
  return QApplication::font().family();
}

}  // namespace

// Unhinted outlines: the Gothic face's bytecode hinting costs more than half
// of drawing the first window's glyphs and changes nothing visible at 9 pt.
QFont formFont() {
  QFont font(formFamily());
  font.setPointSize(9);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

// Measured unrounded, as the platform measures a font: the line height is the
// rounded sum of ascent and descent, not the sum of each rounded up.
DialogUnits DialogUnits::of(const QFont& font) {
  const QFontMetricsF metrics(font);
  const qreal letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return DialogUnits(qRound(letters / 52), qRound(metrics.height()));
}

int DialogUnits::x(int dlu) const { return mulDiv(dlu, baseX_, 4); }
int DialogUnits::y(int dlu) const { return mulDiv(dlu, baseY_, 8); }

QRect DialogUnits::rect(const DialogRect& r) const {
  const int left = x(r.x);
  const int top = y(r.y);
  return QRect(left, top, x(r.x + r.width) - left, y(r.y + r.height) - top);
}

}  // namespace qmoor
