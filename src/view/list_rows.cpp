// The rows of the view's list views: see list_rows.h.
#include "view/list_rows.h"

namespace qmoor {

std::string MaterialPairRows::cell(int row, int column) const {
  const MaterialPair& pair = pairs_[static_cast<size_t>(row)];
  return resultLabel(column == 0 ? pair.first : pair.second, language_);
}

std::string DemonDetailRow::cell(int, int index) const {
  const Column column = static_cast<Column>(static_cast<int>(firstColumn_) + index);
  const std::string_view text = qmoor::cell(column, *demon_);
  if (language_ == Language::Japanese) return std::string(text);
  if (text == "　") return {};
  if (column >= Column::FirstResistance && column < Column::FirstMark)
    return std::string(shortForm(resistanceValue(text, language_), language_));
  if (column >= Column::FirstMark && column < Column::Inheritance) {
    const int mark = static_cast<int>(column) - static_cast<int>(Column::FirstMark);
    return std::string(shortForm(markHeading(mark, language_), language_));
  }
  if (column == Column::Inheritance) return std::string(shortForm(inheritanceWord(text, language_), language_));
  return std::string(text);
}

}  // namespace qmoor
