// A small strict JSON reader (RFC 8259) for the player's file: the whole text
// as a tree of values, each with the exact text it was read from, so that a
// part the program does not understand can be written back unchanged.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qmoor {

struct JsonMember;

struct JsonValue {
  enum class Kind { Null, Boolean, Number, String, Array, Object };
  Kind kind = Kind::Null;
  std::string_view source;  // the value's text, a view into the text read
  std::string string;       // a string's decoded content
  std::vector<JsonValue> items;                             // an array's values
  std::vector<JsonMember> members;  // an object's members in their order

  // The number as an int when it is written as one (no fraction or exponent) and fits.
  std::optional<int> asInt() const;
  // The same, but a whole number beyond int's range reads as int's nearest
  // limit, so that it still reads as a number out of any range asked for.
  std::optional<int> asClampedInt() const;
  // The member of that name; none when it is missing.
  const JsonValue* member(std::string_view name) const;
};

struct JsonMember {
  std::string name;
  JsonValue value;
  std::string_view source;  // the member's text, from its name's opening quote to the end of its value
};

struct JsonRead {
  std::optional<JsonValue> value;  // none when the text is not one JSON value
  int errorLine = 0;               // 1-based line of the first fault
};

// Reads one JSON value with blanks around it; a UTF-8 byte order mark is
// allowed at the start. An array or object nested deeper than 64 levels is
// checked and kept as its text alone, without items or members.
JsonRead readJson(std::string_view text);

}  // namespace qmoor
