// The program's own accessible interfaces (combo boxes by name, the tab row,
// the up-down as a spin button), installed with Qt once for the process by
// the form and by the tool windows, whichever comes first.
#pragma once

namespace qmoor {

void presentFormControlsToScreenReaders();

}  // namespace qmoor
