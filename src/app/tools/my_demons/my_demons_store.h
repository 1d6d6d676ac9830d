// MyDemonsStore: my demons as the desktop program keeps them. The list is read
// from the file of my demons and saved after every change; a file that could
// not be read is never written over until the player saves on purpose. The
// file is watched while the program runs: changed on disk by anyone else, it
// is read again when the list has nothing unsaved, and otherwise the player
// chooses (read it again, keep this list, or save it elsewhere); it is never
// written over without that choice. The planner's former list of owned demons
// joins the list once, at base level.
#pragma once

#include <QObject>
#include <QString>
#include <string>
#include <vector>

#include "files/file_error.h"
#include "files/held_file.h"
#include "stock/demons_file.h"
#include "stock/my_demon.h"

class QFileSystemWatcher;

namespace qmoor {

class MyDemonsStore : public QObject {
  Q_OBJECT

 public:
  // path "" means the program's own file ($XDG_DATA_HOME/Quillmoor/demons.json).
  explicit MyDemonsStore(QObject* parent, const QString& path = {});

  const std::vector<MyDemon>& demons() const { return demons_; }
  // The entries without a problem, in list order: the demons fusion and plans take.
  std::vector<MyDemon> usableEntries() const;
  // Replaces the list and saves it, unless the file is held back or the file
  // changed on disk since it was read or saved (then conflictFound).
  void change(std::vector<MyDemon> demons);
  // Writes the list over whatever the file holds; on success the hold ends
  // and the change on disk is overruled.
  bool saveOnPurpose();
  // Writes the list into the file at path, then reads the file of my demons
  // again. The reason in the language on screen when the write failed, else "".
  QString saveElsewhere(const QString& path);
  // Reads the file again; the list's unsaved changes are dropped.
  void reload();
  // Looks at the file now, as the watcher does when it hears of a change:
  // true when it changed since it was read or saved, and then it is read
  // again, or beside unsaved changes conflictFound tells of it.
  bool checkFile();

  // The file could not be read: changes stay in the program until saveOnPurpose.
  bool heldBack() const { return heldBack_; }
  // The list holds changes the file does not: made while held back, kept
  // from a failed save, or found unsaved beside a change on disk.
  bool unsaved() const { return unsaved_; }
  // The file changed on disk while the list held changes of its own.
  bool changedOnDisk() const { return changedOnDisk_; }
  // Why the last save failed, else that the file changed on disk, else why
  // the file could not be read, in the language on screen; empty when all is well.
  QString problem() const;
  QString path() const { return QString::fromStdString(file_.path()); }

 signals:
  void changed();
  // The file changed on disk while the list held changes: the player chooses.
  void conflictFound();

 private:
  void load();
  void takeOverOwnedSetting();
  bool save();
  void watch();

  HeldFile file_;
  QFileSystemWatcher* watcher_;
  std::vector<MyDemon> demons_;
  std::string otherFields_;  // the fields of a later version the file holds, written back as read
  bool heldBack_ = false;
  bool unsaved_ = false;
  bool changedOnDisk_ = false;
  DemonsFileLoad loadFailure_;  // while held back
  FileError saveFailure_;       // of the last save
};

}  // namespace qmoor
