// The program's settings file: see program_settings.h.
#include "app/program_settings.h"

namespace qmoor {

QSettings programSettings() { return QSettings(QSettings::UserScope, QStringLiteral("Quillmoor"), QStringLiteral("Quillmoor")); }

}  // namespace qmoor
