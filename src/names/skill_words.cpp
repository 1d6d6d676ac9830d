// Skill kinds, elements, targets and help texts in the chosen language.
#include "names/skill_words.h"

#include <span>

#include "names/names_table.generated.h"

namespace qmoor {
namespace {

std::string_view pick(const NamePair& pair, Language language) {
  return language == Language::English ? pair.en : pair.ja;
}

// The code whose keyword or word in either language is the text.
template <class Code>
std::optional<Code> codeNamed(std::span<const NamePair> words, std::string_view text,
                              std::optional<Code> (*ofKeyword)(std::string_view)) {
  const std::string folded = foldName(text);
  if (const std::optional<Code> code = ofKeyword(folded)) return code;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (words[i].ja == text || foldName(words[i].en) == folded) return static_cast<Code>(i);
  }
  return std::nullopt;
}

}  // namespace

std::string_view skillKindName(SkillKind kind, Language language) {
  return pick(SkillKindNames[static_cast<int>(kind)], language);
}

std::string_view skillElementName(SkillElement element, Language language) {
  return pick(SkillElementNames[static_cast<int>(element)], language);
}

std::string_view skillTargetName(SkillTarget target, Language language) {
  return pick(SkillTargetNames[static_cast<int>(target)], language);
}

std::string_view skillDescription(int skill, Language language) {
  const SkillDetails* details = skillDetails(skill);
  return details && language == Language::English ? details->englishDescription : std::string_view{};
}

std::optional<SkillKind> skillKindNamed(std::string_view text) {
  return codeNamed<SkillKind>(SkillKindNames, text, skillKindOfKeyword);
}

std::optional<SkillElement> skillElementNamed(std::string_view text) {
  return codeNamed<SkillElement>(SkillElementNames, text, skillElementOfKeyword);
}

}  // namespace qmoor
