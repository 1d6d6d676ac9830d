// How a demon appears in qmoor's answers: REF in JSON
// ({"race":r,"slot":s,"name":"…","level":n}) and, in text, the cells of a
// table (level, race, name) and the lines of a special recipe; the one-line
// label is the names layer's demonLabel.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data/types.h"
#include "query/json_writer.h"
#include "query/text_table.h"
#include "query/verb.h"

namespace qmoor::query {

void writeRef(JsonWriter& json, DemonRef demon, Language language);
void writeRef(JsonWriter& json, const std::optional<DemonRef>& demon, Language language);  // null for none
void writeRefs(JsonWriter& json, const std::vector<DemonRef>& demons, Language language);

// The three columns LV, race and name, headed in the chosen language.
std::vector<TextTable::Column> demonColumns(const QueryContext& context);
std::vector<std::string> demonCells(DemonRef demon, Language language);
// The lines of a special demon's recipe in the language, blank lines kept;
// none for a demon without a recipe.
std::vector<std::string> recipeLinesIn(DemonRef demon, Language language);
std::vector<std::string> demonCells(DemonRef demon, int level, Language language);  // at its current level
// The kind of a fusion as the JSON keyword normal|spirit|phase.
std::string_view fusionKindKey(FusionKind kind);

}  // namespace qmoor::query
