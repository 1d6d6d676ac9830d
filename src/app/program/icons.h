// The program's icons, compiled in as Qt resources: icon 128 for the window,
// icon 131 for the About box and the form.
#pragma once

#include <QIcon>

namespace qmoor {

enum class IconResource { Frame = 128, Emblem = 131 };

QIcon iconResource(IconResource id);

}  // namespace qmoor
