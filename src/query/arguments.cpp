// Arguments: see arguments.h.
#include "query/arguments.h"

#include <algorithm>
#include <charconv>

#include "names/typed_names.h"
#include "query/shown_text.h"
#include "query/usage_error.h"

namespace qmoor::query {

Arguments::Arguments(std::span<const std::string> words, std::span<const OptionSpec> options) {
  bool optionsEnded = false;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (optionsEnded || word.size() < 2 || !word.starts_with("--")) {
      if (!optionsEnded && word.size() > 1 && word[0] == '-' && word != "-") {
        throw UsageError("不明なオプション " + quoted(word), "unknown option " + quoted(word));
      }
      positionals_.push_back(word);
      continue;
    }
    if (word == "--") {
      optionsEnded = true;
      continue;
    }
    const std::size_t equals = word.find('=');
    const std::string name = word.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
    const auto declared = std::find_if(options.begin(), options.end(), [&](const OptionSpec& o) { return o.name == name; });
    if (declared == options.end()) throw UsageError("不明なオプション " + quoted("--" + name), "unknown option " + quoted("--" + name));
    std::string value;
    if (declared->takesValue) {
      if (equals != std::string::npos) {
        value = word.substr(equals + 1);
      } else if (i + 1 < words.size()) {
        value = words[++i];
      } else {
        throw UsageError("オプション '--" + name + "' には値が要ります", "option '--" + name + "' needs a value");
      }
    } else if (equals != std::string::npos) {
      throw UsageError("オプション '--" + name + "' は値を取りません", "option '--" + name + "' takes no value");
    }
    auto& list = given_[name];
    if (!list.empty() && !declared->repeatable)
      throw UsageError("オプション '--" + name + "' が2回以上あります", "option '--" + name + "' is given more than once");
    list.push_back(std::move(value));
  }
}

bool Arguments::has(std::string_view option) const { return given_.contains(option); }

std::optional<std::string> Arguments::value(std::string_view option) const {
  const auto found = given_.find(option);
  if (found == given_.end()) return std::nullopt;
  return found->second.front();
}

std::vector<std::string> Arguments::values(std::string_view option) const {
  const auto found = given_.find(option);
  return found == given_.end() ? std::vector<std::string>{} : found->second;
}

std::optional<int> Arguments::number(std::string_view option, int min, int max) const {
  const std::optional<std::string> typed = value(option);
  if (!typed) return std::nullopt;
  const std::string text = plainTyping(*typed);
  int number = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, number);
  if (text.empty() || error != std::errc() || stop != end || number < min || number > max) {
    const std::string name = "'--" + std::string(option) + "'";
    const std::string low = std::to_string(min);
    const std::string high = std::to_string(max);
    throw UsageError("オプション " + name + " には " + low + "～" + high + " の整数を指定してください（" +
                         quoted(*typed) + " ではなく）",
                     "option " + name + " needs a whole number from " + low + " to " + high + ", not " + quoted(*typed));
  }
  return number;
}

}  // namespace qmoor::query
