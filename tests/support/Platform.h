// What the tests lay out that only some systems have. Windows has no named pipes inside a
// folder and no file modes that bind a reader, and its tests run as an ordinary user; these
// helpers make the layout where it can be made and let a test that needs more skip itself
// there, saying why.
#pragma once

#include <memory>
#include <string>

namespace slotsmith::testing {

#ifdef _WIN32
inline constexpr bool kOnWindows = true;
#else
inline constexpr bool kOnWindows = false;
#endif

// Places a named pipe (a FIFO) at path. Windows has none that live in a folder: there nothing is
// placed, and the slot is simply missing that entry. False when making it failed.
bool placeNamedPipe(const std::string& path);

// Symbolic links as std::filesystem makes them, which MinGW's library cannot: on Windows the
// system makes them (as an ordinary user, where developer mode allows it). Throws
// std::filesystem::filesystem_error when no link can be made.
void createSymlink(const std::string& target, const std::string& link);
void createDirectorySymlink(const std::string& target, const std::string& link);

// Whether this system makes symbolic links for this user: not Windows without developer mode,
// and not Wine, whose links are accepted and never made.
bool symbolicLinksCanBeMade();

}  // namespace slotsmith::testing

// Skips a test whose layout needs symbolic links where none can be made.
#define SKIP_WITHOUT_SYMBOLIC_LINKS()                  \
  if (!::slotsmith::testing::symbolicLinksCanBeMade()) \
  GTEST_SKIP() << "this system makes no symbolic links for this user"

namespace slotsmith::testing {

// A file held open the way another program (an editor, a virus scanner) may hold it on Windows:
// for reading and writing, letting nobody else write, rename or delete it. Let go when the object
// goes away.
class HeldOpenFile {
 public:
  virtual ~HeldOpenFile() = default;
};
// Null where an open file never stands in the way of a rename (POSIX).
std::unique_ptr<HeldOpenFile> holdOpenElsewhere(const std::string& path);

// A folder the system keeps in memory (Linux's /dev/shm), for sweeps of hundreds of runs on the
// real file system whose every flush would otherwise wait for the disk; empty where there is none.
std::string memoryBackedFolder();

// Whether file modes bind this process: not for root, and not on Windows, where a mode only
// knows "read-only".
bool fileModesBindThisProcess();

}  // namespace slotsmith::testing
