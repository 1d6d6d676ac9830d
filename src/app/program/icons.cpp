// The program's icons: see icons.h.
#include "app/program/icons.h"

namespace qmoor {

QIcon iconResource(IconResource id) {
  QIcon icon;
  if (id == IconResource::Frame) {
    icon.addFile(QStringLiteral(":/icons/frame-32.png"));
    icon.addFile(QStringLiteral(":/icons/frame-256.png"));
  } else {
    icon.addFile(QStringLiteral(":/icons/emblem-32.png"));
    icon.addFile(QStringLiteral(":/icons/emblem-64.png"));
  }
  return icon;
}

}  // namespace qmoor
