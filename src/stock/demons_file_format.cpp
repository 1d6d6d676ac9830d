// Reading and writing the text of the file of my demons.
#include "stock/demons_file_format.h"

#include <algorithm>
#include <array>

#include "stock/json_tree.h"

namespace qmoor {
namespace {

// The names of an object's members are exactly these, each once.
template <std::size_t N>
bool hasExactly(const JsonValue& object, const std::array<std::string_view, N>& names) {
  if (object.kind != JsonValue::Kind::Object || object.members.size() != N) return false;
  return std::ranges::all_of(names, [&object](std::string_view name) {
    return std::ranges::count(object.members, name, [](const JsonMember& m) { return std::string_view(m.name); }) == 1;
  });
}

// The entry as fields, or as its own text when it is not an object of the four fields.
MyDemon readEntry(const JsonValue& value) {
  MyDemon entry;
  constexpr std::array<std::string_view, 4> Fields{"race", "slot", "level", "skills"};
  if (hasExactly(value, Fields)) {
    const auto race = value.member("race")->asClampedInt();
    const auto slot = value.member("slot")->asClampedInt();
    const auto level = value.member("level")->asClampedInt();
    const JsonValue& skills = *value.member("skills");
    bool whole = race && slot && level && skills.kind == JsonValue::Kind::Array;
    for (std::size_t i = 0; whole && i < skills.items.size(); ++i) {
      const auto skill = skills.items[i].asClampedInt();
      whole = skill.has_value();
      if (whole) entry.skills.push_back(*skill);
    }
    if (whole) {
      entry.demon = {*race, *slot};
      entry.level = *level;
      return entry;
    }
  }
  return {{}, 0, {}, std::string(value.source)};
}

void appendEntry(std::string& out, const MyDemon& entry) {
  if (!entry.unread.empty()) {
    out += entry.unread;
    return;
  }
  out += "{\"race\":" + std::to_string(entry.demon.race) + ",\"slot\":" + std::to_string(entry.demon.slot) +
         ",\"level\":" + std::to_string(entry.level) + ",\"skills\":[";
  for (std::size_t i = 0; i < entry.skills.size(); ++i) {
    if (i > 0) out += ',';
    out += std::to_string(entry.skills[i]);
  }
  out += "]}";
}

// The member of that name when the object has it exactly once.
const JsonValue* onlyMember(const JsonValue& object, std::string_view name) {
  const JsonValue* found = nullptr;
  for (const JsonMember& member : object.members) {
    if (member.name != name) continue;
    if (found) return nullptr;
    found = &member.value;
  }
  return found;
}

std::string otherMembers(const JsonValue& object) {
  std::string text;
  for (const JsonMember& member : object.members) {
    if (member.name == "format" || member.name == "version" || member.name == "demons") continue;
    if (!text.empty()) text += ',';
    text += member.source;
  }
  return text;
}

}  // namespace

DemonsFileRead parseDemonsFile(std::string_view text) {
  DemonsFileRead result;
  const JsonRead json = readJson(text);
  if (!json.value) {
    result.problem = DemonsFileProblem::NotJson;
    result.line = json.errorLine;
    return result;
  }
  const JsonValue& top = *json.value;
  const JsonValue* format = top.kind == JsonValue::Kind::Object ? onlyMember(top, "format") : nullptr;
  if (!format || format->kind != JsonValue::Kind::String || format->string != DemonsFileFormat) {
    result.problem = DemonsFileProblem::NotDemonsFile;
    return result;
  }
  const JsonValue* version = onlyMember(top, "version");
  const JsonValue* demons = onlyMember(top, "demons");
  if (!version || !version->asInt()) {
    result.problem = DemonsFileProblem::BadField;
    result.field = "version";
  } else if (*version->asInt() != DemonsFileVersion) {
    result.problem = DemonsFileProblem::UnknownVersion;
    result.version = *version->asInt();
  } else if (!demons || demons->kind != JsonValue::Kind::Array) {
    result.problem = DemonsFileProblem::BadField;
    result.field = "demons";
  }
  if (result.problem != DemonsFileProblem::None) return result;
  result.demons.reserve(demons->items.size());
  for (const JsonValue& entry : demons->items) result.demons.push_back(readEntry(entry));
  result.otherFields = otherMembers(top);
  return result;
}

std::string serialiseDemonsFile(std::span<const MyDemon> demons, std::string_view otherFields) {
  std::string out = "{\"format\":\"";
  out += DemonsFileFormat;
  out += "\",\"version\":" + std::to_string(DemonsFileVersion) + ",";
  if (!otherFields.empty()) out.append(otherFields).append(",");
  out += "\"demons\":[";
  for (std::size_t i = 0; i < demons.size(); ++i) {
    out += i == 0 ? "\n" : ",\n";
    appendEntry(out, demons[i]);
  }
  out += demons.empty() ? "]}\n" : "\n]}\n";
  return out;
}

}  // namespace qmoor
