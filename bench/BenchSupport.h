// What every benchmark needs: a Ui that confirms everything and shows nothing, and full demo
// databases in temporary folders (a pristine one made once per run, and fresh copies for benchmarks
// that change the database).
#pragma once

#include <cstddef>
#include <string>

#include "core/Ui.h"

namespace slotsmith::bench {

// Every question confirmed, nothing shown.
class QuietUi : public SilentUi {
 public:
  QuietUi() : SilentUi(Answer::Confirm) {}
};

// How many times operator new has been called in this process so far.
std::size_t allocationCount();

// A full demo database (1000 sounds, 1000 models), written once per run and removed at exit.
const std::string& pristineFullDatabase();

// Reads every MName and sound.script of the database at root once, whole, with one open and
// plain reads into buffer: the floor that the scan and the open are measured against. Returns
// the bytes read.
std::size_t readEveryScriptAndName(const std::string& root, std::string& buffer);

// A fresh copy of the pristine database in a new temporary folder; removed at exit or by
// removeDatabaseCopy.
std::string copyOfFullDatabase();
void removeDatabaseCopy(const std::string& path);

}  // namespace slotsmith::bench
