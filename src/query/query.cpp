// runQuery: see query.h.
#include "query/query.h"

#include <algorithm>
#include <vector>

#include "query/closest_names.h"
#include "query/usage_error.h"
#include "query/verb.h"

namespace qmoor::query {
namespace {

constexpr std::string_view CommonOptionHelp =
    "  --json          print one JSON document instead of aligned text\n"
    "  --lang ja|en    names and headings in Japanese (default) or English\n"
    "  --mine FILE     the file of my demons (default: $XDG_DATA_HOME/Quillmoor/demons.json,\n"
    "                  ~/.local/share/Quillmoor/demons.json when XDG_DATA_HOME is not set)\n"
    "  --help          show this help\n";

constexpr OptionSpec CommonOptions[] = {{"json"}, {"lang", true}, {"mine", true}, {"help"}};

void writeMainHelp(std::ostream& out) {
  out << "usage: qmoor VERB ARGUMENTS [--json] [--lang ja|en]\n"
         "       qmoor --help | --version | VERB --help\n\n"
         "Answers questions about demon fusion from the compiled-in compendium.\n\n"
         "Verbs:\n";
  std::size_t width = 0;
  for (const Verb* verb : verbs()) width = std::max(width, verb->name.size());
  for (const Verb* verb : verbs()) {
    out << "  " << verb->name << std::string(width - verb->name.size() + 2, ' ') << verb->summary << '\n';
  }
  out << "\nA demon is named in Japanese or English, or as R/S (zero-based race and slot);\n"
         "ベルゼブブ needs its level (ベルゼブブ95) or R/S. A material of fuse and partners may\n"
         "carry its current level, NAME@L or R/S@L (ピクシー@20), L from its base level to 99.\n"
         "A skill is named in either language or by its number, a race likewise. Exit status:\n"
         "0 answered, 2 a request qmoor cannot take (unknown option or name, the closest names\n"
         "offered; a level out of range; a file of my demons that cannot be read).\n\n"
         "Options of every verb:\n"
      << CommonOptionHelp;
}

void writeVerbHelp(const Verb& verb, std::ostream& out) {
  out << "usage: qmoor " << verb.usage << " [--json] [--lang ja|en]\n\n" << verb.summary << "\n\n";
  if (!verb.details.empty()) out << "Options:\n" << verb.details;
  out << CommonOptionHelp;
}

const Verb* findVerb(std::string_view name) {
  const auto all = verbs();
  const auto found = std::find_if(all.begin(), all.end(), [&](const Verb* v) { return v->name == name; });
  return found == all.end() ? nullptr : *found;
}

std::vector<std::string> verbNames() {
  std::vector<std::string> names;
  for (const Verb* verb : verbs()) names.emplace_back(verb->name);
  return names;
}

// The index of the verb word: the first word that is neither an option nor
// the value of --lang or --mine.
std::size_t verbPosition(std::span<const std::string> words) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (words[i] == "--lang" || words[i] == "--mine") {
      ++i;
    } else if (!words[i].starts_with("-")) {
      return i;
    }
  }
  return words.size();
}

Language languageOf(const Arguments& arguments) {
  const std::optional<std::string> lang = arguments.value("lang");
  if (!lang || *lang == "ja") return Language::Japanese;
  if (*lang == "en") return Language::English;
  throw UsageError("--lang takes ja or en, not '" + *lang + "'");
}

int answer(std::span<const std::string> words, std::ostream& out, const DemonsFileReader& readDemonsFile) {
  const std::size_t position = verbPosition(words);
  if (position == words.size()) {
    const Arguments global(words, std::vector<OptionSpec>{{"help"}, {"version"}, {"json"}, {"lang", true}, {"mine", true}});
    if (global.has("version")) {
      out << "qmoor " << QMOOR_VERSION << '\n';
      return 0;
    }
    if (global.has("help")) {
      writeMainHelp(out);
      return 0;
    }
    throw UsageError("no verb given; try 'qmoor --help'");
  }
  const Verb* verb = findVerb(words[position]);
  if (!verb) {
    std::vector<std::string> offered = closestNames(words[position], verbNames());
    if (offered.empty()) offered = verbNames();
    std::string message = "unknown verb '" + words[position] + "'; verbs:";
    for (const std::string& name : offered) message += " " + name;
    throw UsageError(message);
  }
  std::vector<OptionSpec> options(verb->options.begin(), verb->options.end());
  options.insert(options.end(), std::begin(CommonOptions), std::end(CommonOptions));
  std::vector<std::string> rest(words.begin(), words.begin() + static_cast<std::ptrdiff_t>(position));
  rest.insert(rest.end(), words.begin() + static_cast<std::ptrdiff_t>(position) + 1, words.end());
  const Arguments arguments(rest, options);
  if (arguments.has("help")) {
    writeVerbHelp(*verb, out);
    return 0;
  }
  const auto count = static_cast<int>(arguments.positionals().size());
  if (count < verb->minPositionals || count > verb->maxPositionals) {
    throw UsageError("usage: qmoor " + std::string(verb->usage));
  }
  const QueryContext context{out, languageOf(arguments), arguments.has("json"), arguments.value("mine").value_or(""),
                             readDemonsFile};
  verb->run(arguments, context);
  return 0;
}

}  // namespace

int runQuery(std::span<const std::string> words, std::ostream& out, std::ostream& err,
             const DemonsFileReader& readDemonsFile) {
  try {
    return answer(words, out, readDemonsFile);
  } catch (const UsageError& error) {
    err << "qmoor: " << error.what() << '\n';
    return 2;
  }
}

}  // namespace qmoor::query
