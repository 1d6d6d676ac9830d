// MyDemonsStore: see my_demons_store.h.
#include "app/tools/my_demons/my_demons_store.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <system_error>

#include "app/program/display_language.h"
#include "app/program/program_settings.h"
#include "files/file_io.h"
#include "names/file_error_text.h"
#include "planner/owned_demons.h"
#include "stock/holding_rule.h"

namespace qmoor {

namespace {

const QString OwnedKey = QStringLiteral("planner/owned");
const QString OwnedTakenKey = QStringLiteral("myDemons/ownedTakenOver");

QString reasonFor(int error) { return QString::fromStdString(fileErrorText(error, displayLanguage())); }

std::span<const std::uint8_t> bytesOf(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// Writes the demons and the other fields read through write, making the file's folder first when it is missing.
template <typename Write>
FileError writeDemons(const std::string& path, const std::vector<MyDemon>& demons, const std::string& otherFields,
                      Write write) {
  if (path.empty()) return {FileErrorKind::CannotWrite, ENOENT};
  std::error_code made;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), made);
  if (made) return {FileErrorKind::CannotWrite, made.value()};
  return write(bytesOf(serialiseDemonsFile(demons, otherFields)));
}

QString saveProblem(const FileError& failure) {
  QString reason = reasonFor(failure.number);
  if (failure.kind == FileErrorKind::CannotWriteOrRestore) {
    reason += QLatin1Char('\n') + QString::fromUtf8(oldContentsLostText(displayLanguage()));
  }
  return MyDemonsStore::tr("保存できません: %1").arg(reason);
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
      file_(path.isEmpty() ? defaultDemonsFilePath(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")) : path.toStdString(),
            LargestDemonsFile),
      watcher_(new QFileSystemWatcher(this)) {
  // The folder tells of a file made, removed or renamed over; the file of a write in place.
  connect(watcher_, &QFileSystemWatcher::fileChanged, this, &MyDemonsStore::checkFile);
  connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &MyDemonsStore::checkFile);
  load();
  takeOverOwnedSetting();
  watch();
}

void MyDemonsStore::load() {
  demons_.clear();
  heldBack_ = unsaved_ = changedOnDisk_ = false;
  saveFailure_ = {};
  if (file_.path().empty()) return;
  const FileContents contents = file_.read();
  const std::string_view text(reinterpret_cast<const char*>(contents.bytes.data()), contents.bytes.size());
  DemonsFileLoad load = demonsFileLoad(contents.error.number, text, contents.whole);
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
  std::vector<std::string> entries;
  for (const QString& text : settings.value(OwnedKey).toStringList()) entries.push_back(text.toStdString());
  for (DemonRef demon : ownedDemonsFrom(entries)) demons_.push_back(atBaseLevel(demon));
  unsaved_ = true;
  if (save()) settings.setValue(OwnedTakenKey, true);
}

// Watches the file once it exists, and its folder, or while that is missing
// the nearest folder above it that exists; a file renamed over is a new file
// to watch.
void MyDemonsStore::watch() {
  const QString file = path();
  if (file.isEmpty()) return;
  QString folder = QFileInfo(file).absolutePath();
  while (!QFileInfo::exists(folder) && QFileInfo(folder).absolutePath() != folder) folder = QFileInfo(folder).absolutePath();
  if (!watcher_->directories().contains(folder)) watcher_->addPath(folder);
  if (!watcher_->files().contains(file) && QFileInfo::exists(file)) watcher_->addPath(file);
}

bool MyDemonsStore::checkFile() {
  watch();
  if (changedOnDisk_ || !file_.changedSince()) return changedOnDisk_;
  if (!unsaved_) {
    reload();
    return true;
  }
  changedOnDisk_ = true;
  emit changed();
  emit conflictFound();
  return true;
}

std::vector<MyDemon> MyDemonsStore::usableEntries() const {
  std::vector<MyDemon> usable;
  for (int place : entriesWithoutProblem(demons_)) usable.push_back(demons_[static_cast<std::size_t>(place)]);
  return usable;
}

void MyDemonsStore::change(std::vector<MyDemon> demons) {
  demons_ = std::move(demons);
  unsaved_ = true;
  const bool conflict = !heldBack_ && !changedOnDisk_ && file_.changedSince();
  changedOnDisk_ = changedOnDisk_ || conflict;
  if (!heldBack_ && !changedOnDisk_) save();
  emit changed();
  if (conflict) emit conflictFound();
}

bool MyDemonsStore::saveOnPurpose() {
  const bool saved = save();
  if (saved) heldBack_ = changedOnDisk_ = false;
  emit changed();
  return saved;
}

QString MyDemonsStore::saveElsewhere(const QString& path) {
  const FileError failure = writeDemons(path.toStdString(), demons_, otherFields_, [&path](std::span<const std::uint8_t> bytes) {
    return writeFileSafely(path.toStdString(), bytes);
  });
  if (failure.failed()) return saveProblem(failure);
  reload();
  return {};
}

void MyDemonsStore::reload() {
  load();
  watch();
  emit changed();
}

QString MyDemonsStore::problem() const {
  if (saveFailure_.failed()) return saveProblem(saveFailure_);
  if (changedOnDisk_) return tr("ファイルが読み込んだ後にほかで変更されました。");
  return heldBack_ ? loadProblem(loadFailure_) : QString();
}

bool MyDemonsStore::save() {
  saveFailure_ = writeDemons(file_.path(), demons_, otherFields_, [this](std::span<const std::uint8_t> bytes) { return file_.write(bytes); });
  if (!saveFailure_.failed()) unsaved_ = false;
  watch();
  return !saveFailure_.failed();
}

}  // namespace qmoor
