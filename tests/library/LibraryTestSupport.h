// What the library tests share: a source as the library lists it now.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "library/Library.h"

namespace slotsmith::testing {

// The library's record of the source at path, as `library sources` shows it.
inline SourceRecord sourceRecord(Library& library, const std::string& path) {
  std::vector<SourceRecord> records;
  EXPECT_TRUE(library.sources(records).isOk());
  for (const SourceRecord& record : records) {
    if (record.path == sourcePathOf(path)) return record;
  }
  ADD_FAILURE() << path << " is no source";
  return {};
}

}  // namespace slotsmith::testing
