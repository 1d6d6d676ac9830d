// Qt's own texts (file dialogs, message-box buttons, the overwrite question)
// in the user's language, from the translations that Qt ships.
#pragma once

#include <QString>

namespace qmoor {

// Installs Qt's translation for language (a locale name such as "ja") in
// place of the one installed before; false when Qt ships none for it.
bool useQtTranslations(const QString& language);
// Removes Qt's installed translation: its texts are then its English source.
void dropQtTranslations();

}  // namespace qmoor
