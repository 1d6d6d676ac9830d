// The one settings file of the desktop program (~/.config/Quillmoor/Quillmoor.conf):
// the dialogs' folder, the display language, the tool windows' places and the
// planner's owned demons.
#pragma once

#include <QSettings>

namespace qmoor {

QSettings programSettings();

}  // namespace qmoor
