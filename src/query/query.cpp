// runQuery: see query.h.
#include "query/query.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

#include "names/typed_names.h"
#include "query/closest_names.h"
#include "query/my_demons_source.h"
#include "query/shown_text.h"
#include "query/text_width.h"
#include "query/usage_error.h"
#include "query/verb.h"

namespace qmoor::query {
namespace {

std::string_view commonOptionHelp(Language language) {
  return language == Language::Japanese
             ? "  --json          整列したテキストの代わりに JSON 文書を一つ出力する\n"
               "  --lang ja|en    名前と見出しを日本語（既定）または英語で\n"
               "  --mine FILE     所持悪魔のファイル（既定: $XDG_DATA_HOME/Quillmoor/demons.json、\n"
               "                  XDG_DATA_HOME がなければ ~/.local/share/Quillmoor/demons.json）\n"
               "  --help          このヘルプを表示する\n"
             : "  --json          print one JSON document instead of aligned text\n"
               "  --lang ja|en    names and headings in Japanese (default) or English\n"
               "  --mine FILE     the file of my demons (default: $XDG_DATA_HOME/Quillmoor/demons.json,\n"
               "                  ~/.local/share/Quillmoor/demons.json when XDG_DATA_HOME is not set)\n"
               "  --help          show this help\n";
}

std::string_view usageWord(Language language) { return language == Language::Japanese ? "使い方: " : "usage: "; }

constexpr OptionSpec CommonOptions[] = {{"json"}, {"lang", true}, {"mine", true}, {"help"}};

void writeMainHelp(std::ostream& out, Language language) {
  const bool japanese = language == Language::Japanese;
  out << usageWord(language) << "qmoor VERB ARGUMENTS [--json] [--lang ja|en]\n"
      << std::string(static_cast<std::size_t>(displayWidth(usageWord(language))), ' ') << "qmoor --help | --version | VERB --help\n\n"
      << (japanese ? "組み込みの悪魔全書から悪魔合体の問いに答えます。\n\n動詞:\n"
                   : "Answers questions about demon fusion from the compiled-in compendium.\n\nVerbs:\n");
  std::size_t width = 0;
  for (const Verb* verb : verbs()) width = std::max(width, verb->name.size());
  for (const Verb* verb : verbs()) {
    out << "  " << verb->name << std::string(width - verb->name.size() + 2, ' ') << verb->summaryIn(language) << '\n';
  }
  out << (japanese
              ? "\n悪魔は日本語か英語の名前、または R/S（0 から数えた種族と番号）で指定します。\n"
                "ベルゼブブはレベル付き（ベルゼブブ95）か R/S で。fuse と partners の素材は今のレベルを\n"
                "NAME@L か R/S@L（ピクシー@20）で添えられます。L は基本レベルから 99 まで。\n"
                "スキルと種族は両言語の名前か番号で。\n"
                "ひらがな・全角文字・前後の空白も受け付け、名前の先頭だけでも一つに決まれば足ります。\n"
                "終了状態: 0 回答した、2 受け付けられない指定（不明なオプションや名前。近い名前を示します。\n"
                "範囲外のレベル、読めない所持悪魔のファイル）。\n\n"
                "どの動詞にも使えるオプション:\n"
              : "\nA demon is named in Japanese or English, or as R/S (zero-based race and slot);\n"
                "ベルゼブブ needs its level (ベルゼブブ95) or R/S. A material of fuse and partners may\n"
                "carry its current level, NAME@L or R/S@L (ピクシー@20), L from its base level to 99.\n"
                "A skill is named in either language or by its number, a race likewise. Hiragana,\n"
                "full-width letters and blanks around are taken as typed, and the start of a name\n"
                "will do where it begins no other. Exit status: 0 answered, 2 a request qmoor cannot\n"
                "take (unknown option or name, the closest names offered; a level out of range; a\n"
                "file of my demons that cannot be read).\n\n"
                "Options of every verb:\n")
      << commonOptionHelp(language);
}

void writeVerbHelp(const Verb& verb, std::ostream& out, Language language) {
  out << usageWord(language) << "qmoor " << verb.usage << " [--json] [--lang ja|en]\n\n"
      << verb.summaryIn(language) << "\n\n";
  if (!verb.details.empty()) out << (language == Language::Japanese ? "オプション:\n" : "Options:\n") << verb.detailsIn(language);
  out << commonOptionHelp(language);
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

// The language --lang asks for; nothing when the option is not given or names
// no language.
std::optional<Language> languageAsked(std::span<const std::string> words) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (words[i] == "--") break;
    if (words[i] == "--lang" && i + 1 < words.size()) return languageFromCode(nameKey(words[i + 1]));
    if (words[i].starts_with("--lang=")) return languageFromCode(nameKey(words[i].substr(7)));
  }
  return std::nullopt;
}

Language languageOf(const Arguments& arguments) {
  const std::optional<std::string> lang = arguments.value("lang");
  if (!lang) return Language::Japanese;
  if (const auto language = languageFromCode(nameKey(*lang))) return *language;
  throw UsageError("--lang には ja か en を指定してください（" + quoted(*lang) + " ではなく）",
                   "--lang takes ja or en, not " + quoted(*lang));
}

int answer(std::span<const std::string> words, std::ostream& out, Language messages,
           const DemonsFileReader& readDemonsFile) {
  const std::size_t position = verbPosition(words);
  if (position == words.size()) {
    const Arguments global(words, std::vector<OptionSpec>{{"help"}, {"version"}, {"json"}, {"lang", true}, {"mine", true}});
    if (global.has("version")) {
      out << "qmoor " << QMOOR_VERSION << '\n';
      return 0;
    }
    if (global.has("help")) {
      writeMainHelp(out, messages);
      return 0;
    }
    throw UsageError("動詞がありません。'qmoor --help' をご覧ください", "no verb given; try 'qmoor --help'");
  }
  const Verb* verb = findVerb(words[position]);
  if (!verb) {
    std::vector<std::string> offered = closestNames(words[position], verbNames());
    if (offered.empty()) offered = verbNames();
    std::string names;
    for (const std::string& name : offered) names += " " + name;
    throw UsageError("不明な動詞 " + quoted(words[position]) + "。動詞:" + names,
                     "unknown verb " + quoted(words[position]) + "; verbs:" + names);
  }
  std::vector<OptionSpec> options(verb->options.begin(), verb->options.end());
  options.insert(options.end(), std::begin(CommonOptions), std::end(CommonOptions));
  std::vector<std::string> rest(words.begin(), words.begin() + static_cast<std::ptrdiff_t>(position));
  rest.insert(rest.end(), words.begin() + static_cast<std::ptrdiff_t>(position) + 1, words.end());
  const Arguments arguments(rest, options);
  if (arguments.has("help")) {
    writeVerbHelp(*verb, out, messages);
    return 0;
  }
  const auto count = static_cast<int>(arguments.positionals().size());
  if (count < verb->minPositionals || count > verb->maxPositionals) {
    throw UsageError("使い方: qmoor " + std::string(verb->usage), "usage: qmoor " + std::string(verb->usage));
  }
  const std::optional<std::string> mineFile = arguments.value("mine");
  const QueryContext context{out, languageOf(arguments), arguments.has("json"),
                             mineFile ? std::optional(readNamedMyDemons(*mineFile, readDemonsFile)) : std::nullopt,
                             readDemonsFile};
  verb->run(arguments, context);
  return 0;
}

}  // namespace

Language messageLanguage(std::span<const std::string> words) {
  if (const std::optional<Language> asked = languageAsked(words)) return *asked;
  // The locale's language of messages, as the C library ranks the variables.
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value && *value) return std::string_view(value).starts_with("ja") ? Language::Japanese : Language::English;
  }
  return Language::English;
}

int runQuery(std::span<const std::string> words, std::ostream& out, std::ostream& err,
             const DemonsFileReader& readDemonsFile) {
  const Language messages = messageLanguage(words);
  try {
    return answer(words, out, messages, readDemonsFile);
  } catch (const UsageError& error) {
    err << "qmoor: " << error.in(messages) << '\n';
    return 2;
  }
}

}  // namespace qmoor::query
