// The display language of the desktop program: the program's translation of
// its interface texts and Qt's own, installed together, and the choice kept
// between runs. Installing a translator sends LanguageChange to every widget,
// which then shows its texts again; nothing needs a restart.
#pragma once

#include "names/names.h"

namespace qmoor {

// The language the installed translation gives the interface; Japanese, the
// source language, when none is installed.
Language displayLanguage();
// Installs the program's translation for language (none for Japanese) and
// Qt's own for it (Japanese only: Qt's texts are English without one).
void applyDisplayLanguage(Language language);

// The choice remembered in the program's settings; Japanese when none is.
Language savedDisplayLanguage();
void saveDisplayLanguage(Language language);

}  // namespace qmoor
