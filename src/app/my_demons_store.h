// MyDemonsStore: my demons as the desktop program keeps them. The list is read
// once from the file of my demons and saved after every change; a file that
// could not be read is never written over until the player saves on purpose.
// The planner's former list of owned demons joins the list once, at base level.
#pragma once

#include <QObject>
#include <QString>
#include <string>
#include <vector>

#include "files/file_error.h"
#include "stock/demons_file.h"
#include "stock/my_demon.h"

namespace qmoor {

class MyDemonsStore : public QObject {
  Q_OBJECT

 public:
  // path "" means the program's own file ($XDG_DATA_HOME/Quillmoor/demons.json).
  explicit MyDemonsStore(QObject* parent, const QString& path = {});

  const std::vector<MyDemon>& demons() const { return demons_; }
  // The entries without a problem, in list order: the demons fusion and plans take.
  std::vector<MyDemon> usableEntries() const;
  // Replaces the list and saves it, unless the file is held back.
  void change(std::vector<MyDemon> demons);
  // Writes the list over whatever the file holds; on success the hold ends.
  bool saveOnPurpose();
  // The file could not be read: changes stay in the program until saveOnPurpose.
  bool heldBack() const { return heldBack_; }
  // Why the last save failed, else why the file could not be read, in the
  // language on screen; empty when all is well.
  QString problem() const;
  QString path() const { return path_; }

 signals:
  void changed();

 private:
  void load();
  void takeOverOwnedSetting();
  bool save();

  QString path_;
  std::vector<MyDemon> demons_;
  std::string otherFields_;  // the fields of a later version the file holds, written back as read
  bool heldBack_ = false;
  DemonsFileLoad loadFailure_;  // while held back
  FileError saveFailure_;       // of the last save
};

}  // namespace qmoor
