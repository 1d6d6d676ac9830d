// The program's command line: see launch_options.h.
#include "app/program/launch_options.h"

namespace qmoor {

const char* const LaunchUsage =
    "usage: quillmoor [FILE.qmf] [--lang ja|en] [--screenshot PNG [--script SCRIPT] [--tool N]]\n"
    "       quillmoor --help | --version";
const char* const LaunchVersion = "quillmoor " QMOOR_VERSION;

LaunchOptions parseLaunchOptions(const QStringList& arguments) {
  LaunchOptions options;
  auto fail = [&options](const QString& reason) {
    options.error = reason;
    return options;
  };
  // Either ends the program at once, whatever else the line holds.
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == QLatin1String("--help") || arguments[i] == QLatin1String("--version")) {
      (arguments[i] == QLatin1String("--help") ? options.help : options.version) = true;
      return options;
    }
  }
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == QLatin1String("--screenshot") || argument == QLatin1String("--script")) {
      if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) return fail(argument + QStringLiteral(" needs a file name"));
      QString& target = argument == QLatin1String("--screenshot") ? options.screenshot : options.script;
      if (!target.isEmpty()) return fail(argument + QStringLiteral(" is given twice"));
      target = arguments[++i];
    } else if (argument == QLatin1String("--tool")) {
      const int entry = i + 1 < arguments.size() ? arguments[i + 1].toInt() : 0;
      if (entry < 1 || options.tool != 0) return fail(QStringLiteral("--tool needs one number from 1"));
      options.tool = entry;
      ++i;
    } else if (argument == QLatin1String("--lang")) {
      const auto language = i + 1 < arguments.size() ? languageFromCode(arguments[i + 1].toStdString()) : std::nullopt;
      if (!language) return fail(QStringLiteral("--lang needs ja or en"));
      options.language = *language;
      ++i;
    } else if (argument.startsWith(QLatin1Char('-'))) {
      return fail(QStringLiteral("unknown option ") + argument);
    } else if (!options.tabsFile.isEmpty()) {
      return fail(QStringLiteral("only one file can be loaded"));
    } else {
      options.tabsFile = argument;
    }
  }
  if (!options.script.isEmpty() && options.screenshot.isEmpty()) return fail(QStringLiteral("--script needs --screenshot"));
  if (options.tool != 0 && options.screenshot.isEmpty()) return fail(QStringLiteral("--tool needs --screenshot"));
  return options;
}

}  // namespace qmoor
