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
  return std::all_of(names.begin(), names.end(), [&object](std::string_view name) {
    return std::count_if(object.members.begin(), object.members.end(),
                         [name](const JsonMember& m) { return m.name == name; }) == 1;
  });
}

// The entry as fields, or as its own text when it is not an object of the four fields.
MyDemon readEntry(const JsonValue& value) {
  MyDemon entry;
  constexpr std::array<std::string_view, 4> Fields{"race", "slot", "level", "skills"};
  if (hasExactly(value, Fields)) {
    const auto race = value.member("race")->asInt();
    const auto slot = value.member("slot")->asInt();
    const auto level = value.member("level")->asInt();
    const JsonValue& skills = *value.member("skills");
    bool whole = race && slot && level && skills.kind == JsonValue::Kind::Array;
    for (std::size_t i = 0; whole && i < skills.items.size(); ++i) {
      const auto skill = skills.items[i].asInt();
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
  constexpr std::array<std::string_view, 3> Fields{"format", "version", "demons"};
  if (!hasExactly(top, Fields) || top.member("format")->kind != JsonValue::Kind::String ||
      top.member("format")->string != DemonsFileFormat || !top.member("version")->asInt() ||
      top.member("demons")->kind != JsonValue::Kind::Array) {
    result.problem = DemonsFileProblem::NotDemonsFile;
    return result;
  }
  if (const int version = *top.member("version")->asInt(); version != DemonsFileVersion) {
    result.problem = DemonsFileProblem::UnknownVersion;
    result.version = version;
    return result;
  }
  const std::vector<JsonValue>& entries = top.member("demons")->items;
  result.demons.reserve(entries.size());
  for (const JsonValue& entry : entries) result.demons.push_back(readEntry(entry));
  return result;
}

std::string serialiseDemonsFile(std::span<const MyDemon> demons) {
  std::string out = "{\"format\":\"";
  out += DemonsFileFormat;
  out += "\",\"version\":" + std::to_string(DemonsFileVersion) + ",\"demons\":[";
  for (std::size_t i = 0; i < demons.size(); ++i) {
    out += i == 0 ? "\n" : ",\n";
    appendEntry(out, demons[i]);
  }
  out += demons.empty() ? "]}\n" : "\n]}\n";
  return out;
}

}  // namespace qmoor
