// The rows of the view's list views, held as what they stand for: the
// material pairs of the answer, and the one demon a detail view shows.
#pragma once

#include <optional>
#include <vector>

#include "data/compendium.h"
#include "form/controls.h"
#include "names/names.h"
#include "rules/pair_enumeration.h"

namespace qmoor {

// Both kinds of rows follow the view's language, which they read when a cell is asked for.

// Row i is material pair i of the answer; its cells are the two demons' result labels.
class MaterialPairRows final : public ListRows {
 public:
  MaterialPairRows(const std::vector<MaterialPair>& pairs, const Language& language)
      : pairs_(pairs), language_(language) {}
  int count() const override { return static_cast<int>(pairs_.size()); }
  std::string cell(int row, int column) const override;

 private:
  const std::vector<MaterialPair>& pairs_;
  const Language& language_;
};

// One row, once a demon is shown: its compendium columns from firstColumn on;
// in English with the short forms of the words of resistances, marks and
// inheritance, and no ideographic blank for a resistance or mark it lacks.
class DemonDetailRow final : public ListRows {
 public:
  DemonDetailRow(Column firstColumn, const Language& language) : firstColumn_(firstColumn), language_(language) {}
  void setDemon(DemonRef demon) { demon_ = demon; }
  int count() const override { return demon_ ? 1 : 0; }
  std::string cell(int row, int column) const override;

 private:
  Column firstColumn_;
  const Language& language_;
  std::optional<DemonRef> demon_;
};

}  // namespace qmoor
