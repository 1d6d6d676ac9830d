// Qt's own translations: see qt_translations.h.
#include "app/program/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace qmoor {

namespace {
// The installed translator is a child of the application under this name.
const QString TranslatorName = QStringLiteral("qtbaseTranslations");
}  // namespace

void dropQtTranslations() {
  if (QCoreApplication* application = QCoreApplication::instance())
    delete application->findChild<QTranslator*>(TranslatorName, Qt::FindDirectChildrenOnly);
}

bool useQtTranslations(const QString& language) {
  QCoreApplication* application = QCoreApplication::instance();
  auto translator = std::make_unique<QTranslator>();
  if (!application ||
      !translator->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return false;
  delete application->findChild<QTranslator*>(TranslatorName, Qt::FindDirectChildrenOnly);  // uninstalls itself
  translator->setObjectName(TranslatorName);
  translator->setParent(application);
  QCoreApplication::installTranslator(translator.release());
  return true;
}

}  // namespace qmoor
