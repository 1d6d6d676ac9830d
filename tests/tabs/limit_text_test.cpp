// limitTextValue: the integer read from a typed level limit.
#include "tabs/limit_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace qmoor {
namespace {

struct Case {
  std::string text;
  int value;
};

TEST(LimitTextValue, ReadsLeadingBlanksSignAndDigits) {
  const Case cases[] = {
      {"50", 50},
      {"07", 7},
      {"", 0},
      {"abc", 0},
      {"300", 300},
      {"-5", -5},
      {"+8", 8},
      {"  12", 12},
      {"\t 3", 3},
      {"12x4", 12},
      {"3 4", 3},
      {"-", 0},
      {"- 5", 0},
      {"x5", 0},
      {"--5", 0},
      {"0", 0},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"99999999999999999999", INT_MAX},
      {"-99999999999999999999", INT_MIN},
      {"000000000000000000042", 42},
  };
  for (const Case& c : cases) EXPECT_EQ(limitTextValue(c.text), c.value) << '"' << c.text << '"';
}

}  // namespace
}  // namespace qmoor
