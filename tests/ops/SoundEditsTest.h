// A real database folder for sound edit tests, under a root whose name holds a space, quotes, a
// dollar sign, a backtick and non-ASCII letters: every edit must treat it like any other path.
// Each sound's script text is unique, so a test can tell which original sound a folder holds.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/Database.h"
#include "ops/Edits.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

namespace slotsmith::testing {

class SoundBankTest : public ::testing::Test {
 public:
  static constexpr int kMissing = -1;
  static constexpr int kUnknown = -2;

 protected:
  SoundBankTest() : dir_("sound edits \"q\" $HOME `id` é ü") { useFileSystem(realFileSystem()); }

  // Rebuilds the database on another file system (e.g. a fault-injecting one).
  void useFileSystem(FileSystem& fs) {
    database = std::make_unique<Database>(ui, fs);
    database->setRoot(root());
  }

  std::string root() const { return dir_.path() + "/Neuron DB"; }

  void writeSounds(int first, int last) {
    for (int slot = first; slot <= last; ++slot) {
      char name[16];
      std::snprintf(name, sizeof name, "Sound %03d", slot);
      writeSound(root(), slot, name, slot % 7, 1, -1, 0);
      texts_[readFile(soundScriptPath(root(), slot))] = slot;
    }
  }

  // The original slot of the sound in the folder with this number (an overflow number too).
  int originAt(int number) const {
    const std::string text =
        readFile(slotFolderPath(root(), Bank::Sounds, number) + "/sound.script");
    if (text == "<missing>") return kMissing;
    auto found = texts_.find(text);
    return found == texts_.end() ? kUnknown : found->second;
  }
  int originAtPath(const std::string& folder) const {
    auto found = texts_.find(readFile(folder + "/sound.script"));
    return found == texts_.end() ? kMissing : found->second;
  }

  // The origins of the folders 0..count-1.
  std::vector<int> origins(int count) const {
    std::vector<int> result;
    for (int number = 0; number < count; ++number)
      result.push_back(originAt(number));
    return result;
  }

  bool rescanned() const {
    for (const std::string& text : ui.progressTexts) {
      if (text == "Analyzing NeuronDB...") return true;
    }
    return false;
  }

  FakeUi ui;
  std::unique_ptr<Database> database;
  EditOptions options;
  std::vector<int> chosen;  // the rows a test selects for delete, remove or find and replace

  EditOutcome edit(const EditRequest& request) { return runEdit(*database, request, options); }

 private:
  TempDir dir_;
  std::map<std::string, int> texts_;
};

}  // namespace slotsmith::testing
