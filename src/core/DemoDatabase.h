// A realistic demo database, the same every time: sounds with plausible names and about 400
// parameter lines each, models with names and a data file, switched-on and switched-off
// references, unused models, empty slots between occupied ones, a reference to an empty model
// slot, and one pair each of duplicate models and sounds. The full variant fills all 1000 sound
// and 1000 model slots, for benchmarks.
#pragma once

#include <string>

#include "core/FileSystem.h"
#include "core/Status.h"

namespace slotsmith {

struct DemoOptions {
  bool full = false;
};

// Writes the demo database into folder, which must not exist yet or be empty.
Status writeDemoDatabase(const std::string& folder, DemoOptions options = {},
                         FileSystem& fs = realFileSystem());

}  // namespace slotsmith
