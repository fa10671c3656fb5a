// A real database folder for model edit tests: models whose MName tells which original slot a
// folder holds, and sounds whose references can be read back, so a test can check after an edit
// where every model is and that every sound still refers to the same model contents.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/Database.h"
#include "core/SoundScript.h"
#include "ops/Edits.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

namespace slotsmith::testing {

class ModelBankTest : public ::testing::Test {
 public:
  static constexpr int kMissing = -1;

 protected:
  ModelBankTest() : dir_("model edits \"q\" $HOME `id` é") { useFileSystem(realFileSystem()); }

  void useFileSystem(FileSystem& fs) {
    database = std::make_unique<Database>(ui, fs);
    database->setRoot(root());
  }

  std::string root() const { return dir_.path() + "/Neuron DB"; }

  void writeModels(int first, int last) {
    for (int slot = first; slot <= last; ++slot)
      writeModel(root(), slot, "M" + std::to_string(slot));
  }

  // Models 0..9; sound k refers to models k and k + 1 (sound 9 to 9 and 0), the second reference
  // switched off in every other sound.
  void writeTenModelsAndSounds() {
    writeModels(0, 9);
    for (int k = 0; k < 10; ++k) {
      writeSound(root(), k, "S" + std::to_string(k), k, 1, (k + 1) % 10, k % 2);
    }
  }

  // The original slot of the model in the folder with this number, kMissing for no folder.
  int modelOriginAt(int number) const {
    const std::string name = readFile(modelNamePath(root(), number));
    if (name.size() < 3 || name[0] != 'M') return kMissing;
    return std::stoi(name.substr(1));
  }
  std::vector<int> modelOrigins(int count) const {
    std::vector<int> origins;
    for (int number = 0; number < count; ++number)
      origins.push_back(modelOriginAt(number));
    return origins;
  }
  // Where the model that was in slot `original` is now (an overflow number too), or -1.
  int newNumberOf(int original) const {
    for (int number = 0; number < 1100; ++number) {
      if (modelOriginAt(number) == original) return number;
    }
    return -1;
  }

  std::pair<int, int> referencesOf(int sound) const {
    auto script = std::make_unique<SoundScript>();
    script->parse(readFile(soundScriptPath(root(), sound)));
    return {valueForKey(kModel1Key, *script), valueForKey(kModel2Key, *script)};
  }

  // Every sound of the ten still refers to the same model contents (-1 for a removed one).
  void expectReferencesFollowTheModels() const {
    for (int k = 0; k < 10; ++k) {
      EXPECT_EQ(referencesOf(k), std::make_pair(newNumberOf(k), newNumberOf((k + 1) % 10)))
          << "sound " << k;
    }
  }

  FakeUi ui;
  std::unique_ptr<Database> database;
  EditOptions options;
  std::vector<int> chosen;  // the rows a test selects for delete, remove or find and replace

  EditOutcome edit(const EditRequest& request) { return runEdit(*database, request, options); }

 private:
  TempDir dir_;
};

}  // namespace slotsmith::testing
