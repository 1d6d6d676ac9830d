// Reading and writing the text of the file of my demons.
#include "stock/demons_file_format.h"

#include <algorithm>
#include <initializer_list>

#include "stock/json_tree.h"

namespace qmoor {
namespace {

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

// The object's members but those named, as written and joined by commas.
std::string otherMembers(const JsonValue& object, std::initializer_list<std::string_view> known) {
  std::string text;
  for (const JsonMember& member : object.members) {
    if (std::find(known.begin(), known.end(), member.name) != known.end()) continue;
    if (!text.empty()) text += ',';
    text += member.source;
  }
  return text;
}

// The entry as fields, or as its own text when it is not an object with the
// four fields, each once and whole numbers (the skills an array of them).
MyDemon readEntry(const JsonValue& value) {
  MyDemon entry;
  const bool object = value.kind == JsonValue::Kind::Object;
  const JsonValue* race = object ? onlyMember(value, "race") : nullptr;
  const JsonValue* slot = object ? onlyMember(value, "slot") : nullptr;
  const JsonValue* level = object ? onlyMember(value, "level") : nullptr;
  const JsonValue* skills = object ? onlyMember(value, "skills") : nullptr;
  bool whole = race && race->asClampedInt() && slot && slot->asClampedInt() && level && level->asClampedInt() &&
               skills && skills->kind == JsonValue::Kind::Array;
  for (std::size_t i = 0; whole && i < skills->items.size(); ++i) {
    const auto skill = skills->items[i].asClampedInt();
    whole = skill.has_value();
    if (whole) entry.skills.push_back(*skill);
  }
  if (!whole) return {{}, 0, {}, std::string(value.source)};
  entry.demon = {*race->asClampedInt(), *slot->asClampedInt()};
  entry.level = *level->asClampedInt();
  entry.otherFields = otherMembers(value, {"race", "slot", "level", "skills"});
  return entry;
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
  out += ']';
  if (!entry.otherFields.empty()) out.append(",").append(entry.otherFields);
  out += '}';
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
  result.otherFields = otherMembers(top, {"format", "version", "demons"});
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
