// The one failure a query reports: a request it cannot take (a malformed
// command line, an unknown or ambiguous name). qmoor exits with status 2.
#pragma once

#include <stdexcept>
#include <string>

namespace qmoor::query {

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace qmoor::query
