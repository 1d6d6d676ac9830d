// JSON dumps of the headless view: one control, the working state with the
// tab bookkeeping, and the window (title and messages).
#pragma once

#include <nlohmann/json.hpp>

#include "script/drive_host.h"
#include "view/view.h"

namespace qmoor {

nlohmann::ordered_json dumpControl(const Control& control);
nlohmann::ordered_json dumpState(const CQmoorView& view);
nlohmann::ordered_json dumpWindow(ScriptedHost& host);

}  // namespace qmoor
