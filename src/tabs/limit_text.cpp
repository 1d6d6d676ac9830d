// Reading the level-limit text: see limit_text.h.
#include "tabs/limit_text.h"

#include <algorithm>
#include <climits>

namespace qmoor {

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

int limitTextValue(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && isBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const long long bound = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
  long long magnitude = 0;
  for (; i < text.size() && isDigit(text[i]); ++i) {
    magnitude = std::min(magnitude * 10 + (text[i] - '0'), bound);
  }
  return static_cast<int>(negative ? -magnitude : magnitude);
}

}  // namespace qmoor
