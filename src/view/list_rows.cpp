// The rows of the view's list views: see list_rows.h.
#include "view/list_rows.h"

namespace qmoor {

std::string MaterialPairRows::cell(int row, int column) const {
  const MaterialPair& pair = pairs_[static_cast<size_t>(row)];
  return resultLabel(column == 0 ? pair.first : pair.second);
}

std::string DemonDetailRow::cell(int, int column) const {
  return std::string(qmoor::cell(static_cast<Column>(static_cast<int>(firstColumn_) + column), *demon_));
}

}  // namespace qmoor
