// The display language: see display_language.h.
#include "app/program/display_language.h"

#include <QCoreApplication>
#include <QTranslator>
#include <memory>

#include "app/program/program_settings.h"
#include "app/program/qt_translations.h"

namespace qmoor {

namespace {

// The program's installed translator is a child of the application under this name.
const QString TranslatorName = QStringLiteral("quillmoorTranslations");
const QString LanguageKey = QStringLiteral("display/language");

void removeProgramTranslator() {
  QCoreApplication* application = QCoreApplication::instance();
  delete application->findChild<QTranslator*>(TranslatorName, Qt::FindDirectChildrenOnly);  // uninstalls itself
}

}  // namespace

Language displayLanguage() {
  // The translation names its own language: "ja" is translated to its code.
  const QString code = QCoreApplication::translate("DisplayLanguage", "ja");
  return languageFromCode(code.toStdString()).value_or(Language::Japanese);
}

void applyDisplayLanguage(Language language) {
  if (!QCoreApplication::instance() || language == displayLanguage()) return;
  removeProgramTranslator();
  if (language == Language::Japanese) {
    useQtTranslations(QStringLiteral("ja"));
    return;
  }
  dropQtTranslations();
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral(":/i18n/quillmoor_en.qm"))) return;
  translator->setObjectName(TranslatorName);
  translator->setParent(QCoreApplication::instance());
  QCoreApplication::installTranslator(translator.release());
}

Language savedDisplayLanguage() {
  return languageFromCode(programSettings().value(LanguageKey).toString().toStdString()).value_or(Language::Japanese);
}

void saveDisplayLanguage(Language language) {
  programSettings().setValue(LanguageKey, QString::fromUtf8(languageCode(language).data(),
                                                            static_cast<qsizetype>(languageCode(language).size())));
}

}  // namespace qmoor
