// The rows of the view's list views, held as what they stand for: the
// material pairs of the answer, and the one demon a detail view shows.
#pragma once

#include <optional>
#include <vector>

#include "data/compendium.h"
#include "form/controls.h"
#include "rules/pair_enumeration.h"

namespace qmoor {

// Row i is material pair i of the answer; its cells are the two demons' result labels.
class MaterialPairRows final : public ListRows {
 public:
  explicit MaterialPairRows(const std::vector<MaterialPair>& pairs) : pairs_(pairs) {}
  int count() const override { return static_cast<int>(pairs_.size()); }
  std::string cell(int row, int column) const override;

 private:
  const std::vector<MaterialPair>& pairs_;
};

// One row, once a demon is shown: its compendium columns from firstColumn on.
class DemonDetailRow final : public ListRows {
 public:
  explicit DemonDetailRow(Column firstColumn) : firstColumn_(firstColumn) {}
  void setDemon(DemonRef demon) { demon_ = demon; }
  int count() const override { return demon_ ? 1 : 0; }
  std::string cell(int row, int column) const override;

 private:
  Column firstColumn_;
  std::optional<DemonRef> demon_;
};

}  // namespace qmoor
