// The one settings file of the desktop program (~/.config/Quillmoor/Quillmoor.conf):
// the dialogs' folder, the display language, the tool windows' places and the
// planner's owned demons.
#pragma once

#include <QSettings>

namespace qmoor {

QSettings programSettings();

// Stores value under key unless the file already holds it: writing the file
// costs a disk flush, which a LOAD from the same folder again need not wait for.
void storeSetting(const QString& key, const QVariant& value);

}  // namespace qmoor
