// The words for the three kinds of fusion, the one place every front end reads them.
#include <array>

#include "names/names.h"

namespace qmoor {
namespace {

struct FusionKindWords {
  std::string_view japanese;
  std::string_view english;
  std::string_view englishHeading;
};

// Indexed by FusionKind.
constexpr std::array<FusionKindWords, 3> Words{{
    {"通常合体", "normal fusion", "normal"},
    {"精霊合体", "spirit fusion", "spirit"},
    {"月齢合体", "phase fusion", "phase"},
}};

const FusionKindWords& wordsOf(FusionKind kind) { return Words[static_cast<std::size_t>(kind)]; }

}  // namespace

std::string_view fusionKindName(FusionKind kind, Language language) {
  return language == Language::Japanese ? wordsOf(kind).japanese : wordsOf(kind).english;
}

std::string_view fusionKindHeading(FusionKind kind, Language language) {
  return language == Language::Japanese ? wordsOf(kind).japanese : wordsOf(kind).englishHeading;
}

}  // namespace qmoor
