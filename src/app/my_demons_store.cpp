// MyDemonsStore: see my_demons_store.h.
#include "app/my_demons_store.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "app/display_language.h"
#include "app/program_settings.h"
#include "stock_files/demons_file_reading.h"
#include "files/file_io.h"
#include "names/file_error_text.h"
#include "planner/owned_demons.h"
#include "stock/holding_rule.h"

namespace qmoor {

namespace {

const QString OwnedKey = QStringLiteral("planner/owned");
const QString OwnedTakenKey = QStringLiteral("myDemons/ownedTakenOver");

QString reasonFor(int error) { return QString::fromStdString(fileErrorText(error, displayLanguage())); }

// Writes the demons and the other fields read through the safe saving,
// making the file's folder first when it is missing.
FileError writeToDisk(const std::string& path, const std::vector<MyDemon>& demons, const std::string& otherFields) {
  if (path.empty()) return {FileErrorKind::CannotWrite, ENOENT};
  std::error_code made;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), made);
  if (made) return {FileErrorKind::CannotWrite, made.value()};
  const std::string text = serialiseDemonsFile(demons, otherFields);
  return writeFileSafely(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

QString loadProblem(const DemonsFileLoad& load) {
  switch (load.state) {
    case DemonsFileState::CannotRead: return MyDemonsStore::tr("ファイルを読めません: %1").arg(reasonFor(load.error));
    case DemonsFileState::TooLarge: return MyDemonsStore::tr("ファイルが大きすぎます（1 MB まで）。");
    default: break;
  }
  switch (load.read.problem) {
    case DemonsFileProblem::NotJson: return MyDemonsStore::tr("ファイルの %1 行目が JSON として読めません。").arg(load.read.line);
    case DemonsFileProblem::BadField:
      return load.read.field == "version"
                 ? MyDemonsStore::tr("ファイルの項目 \"version\" がないか、二つあるか、整数ではありません。")
                 : MyDemonsStore::tr("ファイルの項目 \"demons\" がないか、二つあるか、配列ではありません。");
    case DemonsFileProblem::UnknownVersion:
      return MyDemonsStore::tr("ファイルは版 %1 で書かれています。読めるのは版 1 だけです。").arg(load.read.version);
    default: return MyDemonsStore::tr("所持悪魔のファイル（quillmoor-demons）ではありません。");
  }
}

}  // namespace

MyDemonsStore::MyDemonsStore(QObject* parent, const QString& path)
    : QObject(parent),
      path_(path.isEmpty()
                ? QString::fromStdString(defaultDemonsFilePath(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")))
                : path) {
  load();
  takeOverOwnedSetting();
}

void MyDemonsStore::load() {
  if (path_.isEmpty()) return;
  DemonsFileLoad load = readDemonsFileFromDisk(path_.toStdString());
  if (load.loaded()) {
    demons_ = std::move(load.read.demons);
    otherFields_ = std::move(load.read.otherFields);
  } else if (load.state != DemonsFileState::NoFile) {
    heldBack_ = true;
    loadFailure_ = std::move(load);
  }
}

// The planner's owned demons become entries at base level with their innate
// skills, once; the old setting is left as it was.
void MyDemonsStore::takeOverOwnedSetting() {
  QSettings settings = programSettings();
  if (heldBack_ || settings.value(OwnedTakenKey, false).toBool() || !settings.contains(OwnedKey)) return;
  std::vector<MyDemon> demons = demons_;
  std::vector<std::string> entries;
  for (const QString& text : settings.value(OwnedKey).toStringList()) entries.push_back(text.toStdString());
  for (DemonRef demon : ownedDemonsFrom(entries)) demons.push_back(atBaseLevel(demon));
  demons_ = std::move(demons);
  if (save()) settings.setValue(OwnedTakenKey, true);
}

std::vector<MyDemon> MyDemonsStore::usableEntries() const {
  std::vector<MyDemon> usable;
  for (int place : entriesWithoutProblem(demons_)) usable.push_back(demons_[static_cast<std::size_t>(place)]);
  return usable;
}

void MyDemonsStore::change(std::vector<MyDemon> demons) {
  demons_ = std::move(demons);
  if (!heldBack_) save();
  emit changed();
}

bool MyDemonsStore::saveOnPurpose() {
  const bool saved = save();
  if (saved) heldBack_ = false;
  emit changed();
  return saved;
}

QString MyDemonsStore::problem() const {
  if (saveFailure_.failed()) {
    QString reason = reasonFor(saveFailure_.number);
    if (saveFailure_.kind == FileErrorKind::CannotWriteOrRestore) {
      reason += QLatin1Char('\n') + QString::fromUtf8(oldContentsLostText(displayLanguage()));
    }
    return tr("保存できません: %1").arg(reason);
  }
  return heldBack_ ? loadProblem(loadFailure_) : QString();
}

bool MyDemonsStore::save() {
  saveFailure_ = writeToDisk(path_.toStdString(), demons_, otherFields_);
  return !saveFailure_.failed();
}

}  // namespace qmoor
