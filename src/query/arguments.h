// The words after a verb: positional arguments and the options the verb
// declares, as --name, --name VALUE or --name=VALUE.
#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qmoor::query {

struct OptionSpec {
  std::string_view name;  // without the leading dashes
  bool takesValue = false;
  bool repeatable = false;
};

class Arguments {
 public:
  // Throws UsageError for an option the verb does not declare, a missing
  // value, or a single-use option given twice.
  Arguments(std::span<const std::string> words, std::span<const OptionSpec> options);

  const std::vector<std::string>& positionals() const { return positionals_; }
  bool has(std::string_view option) const;
  std::optional<std::string> value(std::string_view option) const;
  std::vector<std::string> values(std::string_view option) const;
  // The value read as a whole decimal number in min..max, full-width digits
  // and blanks around taken as typed; UsageError otherwise.
  std::optional<int> number(std::string_view option, int min, int max) const;

 private:
  std::vector<std::string> positionals_;
  std::map<std::string, std::vector<std::string>, std::less<>> given_;
};

}  // namespace qmoor::query
