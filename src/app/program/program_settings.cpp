// The program's settings file: see program_settings.h.
#include "app/program/program_settings.h"

namespace qmoor {

QSettings programSettings() { return QSettings(QSettings::UserScope, QStringLiteral("Quillmoor"), QStringLiteral("Quillmoor")); }

void storeSetting(const QString& key, const QVariant& value) {
  QSettings settings = programSettings();
  if (!settings.contains(key) || settings.value(key) != value) settings.setValue(key, value);
}

}  // namespace qmoor
