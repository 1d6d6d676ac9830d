// The one failure a query reports: a request it cannot take (a malformed
// command line, an unknown or ambiguous name). qmoor exits with status 2 and
// gives the reason in the language of its messages.
#pragma once

#include <stdexcept>
#include <string>

#include "names/names.h"

namespace qmoor::query {

class UsageError : public std::runtime_error {
 public:
  // The reason in Japanese and in English; what() is the English.
  UsageError(std::string japanese, const std::string& english)
      : std::runtime_error(english), japanese_(std::move(japanese)) {}
  std::string in(Language language) const { return language == Language::Japanese ? japanese_ : what(); }

 private:
  std::string japanese_;
};

}  // namespace qmoor::query
