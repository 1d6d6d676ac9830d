// The text of the file of my demons: what is written, that every entry and
// every field of a later version survives a round trip as it was read, and
// each kind of file refused.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "stock/demons_file_format.h"

namespace qmoor {
namespace {

TEST(DemonsFileFormat, WritesOneEntryALine) {
  const std::vector<MyDemon> demons{{{7, 8}, 20, {43, 13}, {}}, {{0, 2}, 65, {}, {}}};
  EXPECT_EQ(serialiseDemonsFile(demons),
            "{\"format\":\"quillmoor-demons\",\"version\":1,\"demons\":[\n"
            "{\"race\":7,\"slot\":8,\"level\":20,\"skills\":[43,13]},\n"
            "{\"race\":0,\"slot\":2,\"level\":65,\"skills\":[]}\n"
            "]}\n");
  EXPECT_EQ(serialiseDemonsFile({}), "{\"format\":\"quillmoor-demons\",\"version\":1,\"demons\":[]}\n");
}

// Entries the rules refuse and entries of the wrong shape come back as they were.
TEST(DemonsFileFormat, KeepsEveryEntryThroughARoundTrip) {
  const std::string text =
      "\xEF\xBB\xBF{ \"demons\" : [ {\"skills\":[1,4],\"level\":20,\"slot\":5,\"r\\u0061ce\":7},\n"
      "{\"race\":40,\"slot\":-1,\"level\":120,\"skills\":[999,0,278]},\n"
      "\"ピクシー\", {\"race\":7, \"slot\":8,\"level\":2.0,\"skills\":[]},\n"
      "{\"race\":7,\"slot\":8,\"level\":2,\"skills\":[43],\"note\":\"mine\"},\n"
      "{\"race\":7,\"slot\":8,\"level\":2,\"skills\":[99999999999]}, null, [1,{\"a\":[]}]],\n"
      "\"version\": 1, \"format\": \"quillmoor-demons\"}";
  const DemonsFileRead read = parseDemonsFile(text);
  ASSERT_EQ(read.problem, DemonsFileProblem::None);
  const std::vector<MyDemon> expected{
      {{7, 5}, 20, {1, 4}, {}},
      {{40, -1}, 120, {999, 0, 278}, {}},
      {{}, 0, {}, "\"ピクシー\""},
      {{}, 0, {}, "{\"race\":7, \"slot\":8,\"level\":2.0,\"skills\":[]}"},
      {{}, 0, {}, "{\"race\":7,\"slot\":8,\"level\":2,\"skills\":[43],\"note\":\"mine\"}"},
      {{7, 8}, 2, {INT_MAX}, {}},
      {{}, 0, {}, "null"},
      {{}, 0, {}, "[1,{\"a\":[]}]"},
  };
  EXPECT_EQ(read.demons, expected);
  const std::string written = serialiseDemonsFile(read.demons);
  const DemonsFileRead again = parseDemonsFile(written);
  EXPECT_EQ(again.problem, DemonsFileProblem::None);
  EXPECT_EQ(again.demons, expected);
  EXPECT_EQ(serialiseDemonsFile(again.demons), written);
}

// Numbers beyond int's range read as out of range, an entry nested deeper
// than the tree keeps is kept as its text, and fields a later version adds
// are written back as they were.
TEST(DemonsFileFormat, ReadsWhatALaterVersionOrAHandEditAdds) {
  const std::string deep = std::string(100, '[') + "{\"a\" : [1, \"]\"]}" + std::string(100, ']');
  const std::string text = "{\"note\": {\"by\":\"hand\"}, \"format\":\"quillmoor-demons\",\"version\":1,\"demons\":[" +
                           deep + ",{\"race\":-2147483649,\"slot\":8,\"level\":2147483648,\"skills\":[]}],\"x\":[0]}";
  const DemonsFileRead read = parseDemonsFile(text);
  ASSERT_EQ(read.problem, DemonsFileProblem::None);
  EXPECT_EQ(read.demons, (std::vector<MyDemon>{{{}, 0, {}, deep}, {{INT_MIN, 8}, INT_MAX, {}, {}}}));
  EXPECT_EQ(read.otherFields, "\"note\": {\"by\":\"hand\"},\"x\":[0]");
  const std::string written = serialiseDemonsFile(read.demons, read.otherFields);
  EXPECT_EQ(written, "{\"format\":\"quillmoor-demons\",\"version\":1,\"note\": {\"by\":\"hand\"},\"x\":[0],\"demons\":[\n" + deep +
                         ",\n{\"race\":-2147483648,\"slot\":8,\"level\":2147483647,\"skills\":[]}\n]}\n");
  EXPECT_EQ(parseDemonsFile(written).otherFields, read.otherFields);
}

TEST(DemonsFileFormat, RefusesWhatIsNotAFileOfMyDemons) {
  struct Case {
    std::string text;
    DemonsFileProblem problem;
    int line = 0;
    int version = 0;
    std::string field{};
  };
  const std::string nested = "{\"format\":\"quillmoor-demons\",\"version\":1,\"demons\":[" + std::string(100, '[') +
                             "1,]" + std::string(99, ']') + "]}";
  const std::vector<Case> cases{
      {"", DemonsFileProblem::NotJson, 1},
      {"{\"format\":\"quillmoor-demons\",\n\"version\":1,\n\"demons\":[}", DemonsFileProblem::NotJson, 3},
      {"{\"format\":\"quillmoor-demons\",\"version\":1,\"demons\":[]} []", DemonsFileProblem::NotJson, 1},
      {"{\"format\":\"quillmoor-demons\",\"version\":1,\"demons\":[\"\\x\"]}", DemonsFileProblem::NotJson, 1},
      {"{\"format\":\"quillmoor-demons\",\"version\":01,\"demons\":[]}", DemonsFileProblem::NotJson, 1},
      {"{\"format\":\"quillmoor-demons\",\"version\":1,\"demons\":[\"\t\"]}", DemonsFileProblem::NotJson, 1},
      {nested, DemonsFileProblem::NotJson, 1},
      {"[]", DemonsFileProblem::NotDemonsFile},
      {"{\"format\":\"quillmoor-tabs\",\"version\":1,\"demons\":[]}", DemonsFileProblem::NotDemonsFile},
      {"{\"format\":\"quillmoor-demons\",\"format\":\"quillmoor-demons\",\"version\":1,\"demons\":[]}",
       DemonsFileProblem::NotDemonsFile},
      {"{\"format\":\"quillmoor-demons\",\"version\":1}", DemonsFileProblem::BadField, 0, 0, "demons"},
      {"{\"format\":\"quillmoor-demons\",\"version\":\"1\",\"demons\":[]}", DemonsFileProblem::BadField, 0, 0, "version"},
      {"{\"format\":\"quillmoor-demons\",\"demons\":[]}", DemonsFileProblem::BadField, 0, 0, "version"},
      {"{\"format\":\"quillmoor-demons\",\"version\":1,\"demons\":{}}", DemonsFileProblem::BadField, 0, 0, "demons"},
      {"{\"format\":\"quillmoor-demons\",\"version\":1,\"demons\":[],\"demons\":[]}", DemonsFileProblem::BadField, 0, 0,
       "demons"},
      {"{\"format\":\"quillmoor-demons\",\"version\":2,\"demons\":[]}", DemonsFileProblem::UnknownVersion, 0, 2},
  };
  for (const Case& c : cases) {
    const DemonsFileRead read = parseDemonsFile(c.text);
    EXPECT_EQ(read.problem, c.problem) << c.text;
    EXPECT_EQ(read.line, c.line) << c.text;
    EXPECT_EQ(read.version, c.version) << c.text;
    EXPECT_EQ(read.field, c.field) << c.text;
    EXPECT_TRUE(read.demons.empty()) << c.text;
  }
}

}  // namespace
}  // namespace qmoor
