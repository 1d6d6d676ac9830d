// How tables name a demon: one-based (race + 1, slot + 1), stored race 0 for
// none. Read such a pair only through fromStored().
#pragma once

namespace qmoor {

struct StoredDemon {
  int race = 0;
  int slot = 0;
};

}  // namespace qmoor
