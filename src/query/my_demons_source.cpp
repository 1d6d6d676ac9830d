// Reading the file of my demons for qmoor, and why it could not be read.
#include "query/my_demons_source.h"

#include <cstdlib>
#include <string>

#include "names/file_error_text.h"
#include "query/usage_error.h"
#include "stock/demons_file.h"

namespace qmoor::query {
namespace {

std::string problemText(const std::string& path, const DemonsFileLoad& load, Language language) {
  const bool ja = language == Language::Japanese;
  const std::string file = ja ? "所持悪魔のファイル " + path : "the file of my demons " + path;
  switch (load.state) {
    case DemonsFileState::NoFile:
    case DemonsFileState::CannotRead:
      return (ja ? file + " を読めません: " : "cannot read " + file + ": ") +
             fileErrorText(load.error, language);
    case DemonsFileState::TooLarge:
      return ja ? file + " は大きすぎます（1 MB まで）" : file + " is larger than 1 MB";
    default: break;
  }
  switch (load.read.problem) {
    case DemonsFileProblem::NotJson:
      return ja ? file + " の " + std::to_string(load.read.line) + " 行目が JSON として読めません"
                : "line " + std::to_string(load.read.line) + " of " + file + " is not valid JSON";
    case DemonsFileProblem::BadField: {
      const std::string field = "\"" + load.read.field + "\"";
      const bool version = load.read.field == "version";
      return ja ? file + " の項目 " + field + " がないか、二つあるか、" + (version ? "整数" : "配列") + "ではありません"
                : "the field " + field + " of " + file + " is missing, given twice or not " +
                      (version ? "a whole number" : "an array");
    }
    case DemonsFileProblem::UnknownVersion:
      return ja ? file + " は版 " + std::to_string(load.read.version) + " です。読めるのは版 1 だけです"
                : file + " is of version " + std::to_string(load.read.version) + "; only version 1 can be read";
    default:
      return ja ? file + " は所持悪魔のファイル（quillmoor-demons）ではありません"
                : file + " is not a file of my demons (quillmoor-demons)";
  }
}

// The entries of the file at path; a file not there yet has none unless it was named.
std::vector<MyDemon> entriesOf(const std::string& path, bool named, const DemonsFileReader& read) {
  DemonsFileLoad load = read(path);
  if (load.state == DemonsFileState::NoFile && !named) return {};
  if (!load.loaded()) throw UsageError(problemText(path, load, Language::Japanese), problemText(path, load, Language::English));
  return std::move(load.read.demons);
}

}  // namespace

std::vector<MyDemon> readNamedMyDemons(const std::string& path, const DemonsFileReader& read) {
  if (path.empty()) throw UsageError("--mine には所持悪魔のファイルを指定してください", "--mine needs the name of a file of my demons");
  return entriesOf(path, true, read);
}

std::vector<MyDemon> readMyDemons(const QueryContext& context) {
  if (context.namedMine) return *context.namedMine;
  const std::string path = defaultDemonsFilePath(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  return path.empty() ? std::vector<MyDemon>{} : entriesOf(path, false, context.readDemonsFile);
}

}  // namespace qmoor::query
