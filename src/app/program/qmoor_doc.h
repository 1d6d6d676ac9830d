// CQmoorDoc: the program's document. It holds nothing: every query lives in
// the view's tabs, and the saved-tabs file is written only on request.
#pragma once

namespace qmoor {

class CQmoorDoc {};

}  // namespace qmoor
