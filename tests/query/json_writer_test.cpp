// The streamed JSON is one valid document: commas between members and
// elements at every depth, and every character that needs it escaped.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "query/json_writer.h"

namespace qmoor::query {
namespace {

TEST(JsonWriter, NestedDocumentWithEscapesParsesBack) {
  std::ostringstream out;
  JsonWriter json(out);
  json.beginObject().key("empty").beginArray().endArray();
  json.key("pairs").beginArray();
  json.beginArray().value(1).value(-2).endArray();
  json.beginObject().key("name").value("ジャック・\"Q\"\\\n\t\x01").key("none").null().endObject();
  json.endArray().key("last").value("").endObject();

  const std::string text = out.str();
  ASSERT_TRUE(text.ends_with("}\n")) << text;
  const auto parsed = nlohmann::ordered_json::parse(text);
  EXPECT_EQ(parsed.dump(), text.substr(0, text.size() - 1));
  EXPECT_EQ(parsed["pairs"][1]["name"], "ジャック・\"Q\"\\\n\t\x01");
}

}  // namespace
}  // namespace qmoor::query
