// The form's layout: every control of the form in template order (which is
// also the keyboard tab order), with kind, caption, enclosing group box,
// rectangle in dialog units and style words. Toolkits render from it.
#pragma once

#include <span>
#include <string_view>

#include "form/control_ids.h"
#include "form/controls.h"

namespace qmoor {

struct DialogRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;  // for combo boxes: including the dropped-down list
};

struct LayoutEntry {
  ControlId id;              // ControlId::None for captions and frames nothing addresses
  ControlKind kind;
  std::string_view caption;  // UTF-8; empty when the control has none
  std::string_view groupBox; // caption of the enclosing group box, empty for none
  DialogRect rect;
  std::string_view style;    // blank-separated style words, e.g. "vscroll tabstop dropdown sort"
  bool hasStyle(std::string_view word) const;
};

inline constexpr int FormWidthDlu = 453;
inline constexpr int FormHeightDlu = 379;
inline constexpr int LayoutControlTotal = 90;

std::span<const LayoutEntry> formLayout();
const LayoutEntry* layoutEntryOf(ControlId id);  // nullptr when the id is not on the form

}  // namespace qmoor
