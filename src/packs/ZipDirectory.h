// A zip's central directory, read from the zip's bytes and checked against the local headers.
// A zip names every entry twice: in the central directory at its end, which a reader that can
// seek believes, and in a local header before the entry's data, which a streaming reader
// believes. A zip whose two disagree (the central directory hides "../../x" behind a harmless
// local name, or the other way round) is read differently by different programs, so it is
// refused; so is one cut short (its end record or part of its central directory missing), one
// whose entries overlap, and one spread over several disks.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/Status.h"

namespace slotsmith {

struct ZipEntryRecord {
  std::string name;  // the bytes the zip holds, in whatever encoding: they are the entry's name
  std::uint64_t offset = 0;  // of the local header
  std::uint64_t compressedSize = 0;
  std::uint64_t size = 0;
  std::uint32_t crc = 0;
  std::uint16_t method = 0;  // of compression
  // The file type bits (S_IFMT) of the entry's Unix mode when a Unix system made it, else 0.
  std::uint32_t unixType = 0;
};

// Reads the central directory of the zip whose bytes are given into entries, in the order of
// their local headers in the file (the order in which libarchive's seekable reader gives them).
// Refused, in words that follow "it" or "the archive", when the zip is cut short or damaged, has
// more than maxEntries entries, or a local header disagrees with the directory.
Status readZipDirectory(std::string_view bytes, std::uint64_t maxEntries,
                        std::vector<ZipEntryRecord>& entries);

}  // namespace slotsmith
