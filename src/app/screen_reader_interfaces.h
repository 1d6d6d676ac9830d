// The form's own accessible interfaces (combo boxes by name, the tab row, the
// up-down as a spin button), installed with Qt once for the process.
#pragma once

namespace qmoor {

void presentFormControlsToScreenReaders();

}  // namespace qmoor
