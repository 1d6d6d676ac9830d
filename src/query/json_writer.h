// Writes one JSON document straight to a stream as the answer is walked, so
// fields come out in the order they are written and no document is built in
// memory. Commas are placed by the writer; strings are escaped.
#pragma once

#include <ostream>
#include <string_view>
#include <vector>

namespace qmoor::query {

class JsonWriter {
 public:
  explicit JsonWriter(std::ostream& out) : out_(out) {}

  JsonWriter& beginObject() { return open('{'); }
  JsonWriter& endObject() { return close('}'); }
  JsonWriter& beginArray() { return open('['); }
  JsonWriter& endArray() { return close(']'); }
  // The name of the next member of the object being written.
  JsonWriter& key(std::string_view name);
  JsonWriter& value(std::string_view text);
  JsonWriter& value(const char* text) { return value(std::string_view(text)); }
  JsonWriter& value(int number);
  JsonWriter& value(bool flag);
  JsonWriter& null();

 private:
  JsonWriter& open(char bracket);
  JsonWriter& close(char bracket);
  void separate();  // a comma before every element but the first
  void quoted(std::string_view text);

  std::ostream& out_;
  std::vector<bool> first_;  // per open bracket: nothing written in it yet
  bool afterKey_ = false;
};

}  // namespace qmoor::query
