#include "core/DemoDatabase.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <vector>

#include "core/DatabasePaths.h"
#include "core/SlotNames.h"
#include "core/SlotTables.h"
#include "core/SoundScript.h"
#include "core/UserText.h"

namespace slotsmith {
namespace {

// A small deterministic generator, so the demo is byte for byte the same on every machine.
class Random {
 public:
  explicit Random(uint32_t seed) : state_(seed) {}
  uint32_t next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 8;
  }
  int below(int bound) { return static_cast<int>(next() % static_cast<uint32_t>(bound)); }

 private:
  uint32_t state_;
};

constexpr std::array<std::string_view, 24> kAdjectives = {
    "Warm", "Glass", "Dark", "Soft",  "Hollow", "Bright", "Dusty", "Deep",
    "Cold", "Wide",  "Thin", "Fat",   "Airy",   "Metal",  "Wet",   "Dry",
    "Lush", "Sharp", "Old",  "Noisy", "Silver", "Velvet", "Iron",  "Vapor"};
constexpr std::array<std::string_view, 24> kNouns = {
    "Pad",  "Bell",   "Bass",  "Lead",  "Choir", "Pluck", "Organ", "Strings",
    "Keys", "Brass",  "Sweep", "Drone", "Flute", "Harp",  "Voice", "Mallet",
    "Wind", "Guitar", "Piano", "Sync",  "Reed",  "Drum",  "Arp",   "Texture"};
constexpr std::array<std::string_view, 16> kModelWords = {
    "Vox",  "Glock", "Cello",  "Marimba", "Tube",  "Plate", "Steel", "Rhodes",
    "Horn", "Sitar", "Breath", "Anvil",   "Kalim", "Bowl",  "Chime", "Reso"};
constexpr std::array<std::string_view, 12> kModelKinds = {
    "Soft", "Hard", "Air", "Body", "Deep", "Mute", "Long", "Hit", "Loop", "Bow", "Pluck", "Wood"};
constexpr std::array<std::string_view, 16> kSections = {
    "Osc",   "Filter", "Env",    "LFO",    "Mod", "Blender", "Stretch", "Shape",
    "Delay", "Reverb", "Chorus", "Slicer", "Arp", "Amp",     "Silver",  "Pitch"};
constexpr std::array<std::string_view, 24> kParameters = {
    "Level",  "Rate", "Depth", "Attack", "Decay", "Sustain", "Release", "Cutoff",
    "Reso",   "Pan",  "Tune",  "Fine",   "Mode",  "Amount",  "Sync",    "Velo",
    "KeyTrk", "Mix",  "Time",  "Feedbk", "Width", "Drive",   "Offset",  "Phase"};

std::string soundName(Random& random) {
  std::string name(kAdjectives[random.below(kAdjectives.size())]);
  name += ' ';
  name += kNouns[random.below(kNouns.size())];
  if (random.below(4) == 0) {
    name += ' ';
    name += std::to_string(1 + random.below(9));
  }
  return name.substr(0, 16);
}

std::string modelName(Random& random) {
  std::string name(kModelWords[random.below(kModelWords.size())]);
  name += ' ';
  name += kModelKinds[random.below(kModelKinds.size())];
  return name.substr(0, 15);
}

void appendLine(std::string& text, std::string_view key, int value) {
  text += key;
  text += '\t';
  text += std::to_string(value);
  text += '\n';
}

struct SoundPlan {
  std::string name;
  int model1, switch1, model2, switch2;
};

// About 400 lines: parameters of every section, the name codes and model references in the
// middle, as the synthesizer writes them.
std::string soundScriptText(const SoundPlan& sound, Random& random) {
  std::string text;
  text.reserve(8192);
  const auto appendSection = [&](std::size_t firstSection, std::size_t lastSection) {
    for (std::size_t s = firstSection; s < lastSection; ++s) {
      for (std::string_view parameter : kParameters) {
        std::string key(kSections[s]);
        key += parameter;
        appendLine(text, key, random.below(128));
      }
    }
  };
  appendSection(0, 8);
  for (int k = 0; k < 16; ++k) {
    const int code =
        k < static_cast<int>(sound.name.size()) ? static_cast<unsigned char>(sound.name[k]) : 0;
    appendLine(text, soundNameKey(k), code);
  }
  appendLine(text, kModel1Key, sound.model1);
  appendLine(text, kSwitch1Key, sound.switch1);
  appendLine(text, kModel2Key, sound.model2);
  appendLine(text, kSwitch2Key, sound.switch2);
  appendSection(8, kSections.size());
  return text;
}

// Creates the folder, and the folders above it, unless they are there already.
Status ensureFolder(FileSystem& fs, const std::string& path) {
  if (path.empty() || fs.entryType(path) == EntryType::Folder) return Status::ok();
  const std::size_t slash = path.find_last_of('/');
  if (slash != std::string::npos && slash > 0) {
    if (Status above = ensureFolder(fs, path.substr(0, slash)); !above.isOk()) return above;
  }
  return fs.createFolder(path);
}

// Writes a file of a slot, making the slot folder first.
Status writeSlotFile(FileSystem& fs, const std::string& root, Bank bank, int slot,
                     const std::string& fileName, const std::string& contents) {
  const std::string folder = slotFolderPath(root, bank, slot);
  Status status = ensureFolder(fs, folder);
  if (!status.isOk()) return status;
  return fs.createFile(folder + "/" + fileName, contents);
}

std::vector<int> occupiedModelSlots(bool full) {
  std::vector<int> slots;
  for (int n = 0; n < kSlotCount; ++n) {
    const bool demo = (n < 64 && n % 9 != 8) || (n >= 100 && n < 124);
    if (full || demo) slots.push_back(n);
  }
  return slots;
}

std::vector<int> occupiedSoundSlots(bool full) {
  std::vector<int> slots;
  for (int n = 0; n < kSlotCount; ++n) {
    const bool demo = (n < 110 && n % 11 != 10) || (n >= 300 && n < 350);
    if (full || demo) slots.push_back(n);
  }
  return slots;
}

// More than any file the demo writes.
constexpr std::size_t kLargestFile = 1 << 20;

// Copies for Find Duplicates to show: model 130 is model 5 byte for byte (no sound uses the
// copy), and sound 360 is sound 5 under another name.
Status writeDemoDuplicates(FileSystem& fs, const std::string& folder) {
  for (const char* file : {kModelNameFileName, "MData"}) {
    std::string bytes;
    Status status =
        fs.readFile(slotFolderPath(folder, Bank::Models, 5) + "/" + file, bytes, kLargestFile);
    if (status.isOk()) status = writeSlotFile(fs, folder, Bank::Models, 130, file, bytes);
    if (!status.isOk()) return status;
  }
  std::string script;
  if (Status read = fs.readFile(soundScriptPath(folder, 5), script, kLargestFile); !read.isOk()) {
    return read;
  }
  const RenamedBytes copy = renameSoundScript(script, "Twin Of Five");
  if (!copy.status.isOk()) return copy.status;
  return writeSlotFile(fs, folder, Bank::Sounds, 360, kSoundScriptFileName, copy.bytes);
}

}  // namespace

Status writeDemoDatabase(const std::string& folder, DemoOptions options, FileSystem& fs) {
  std::vector<std::string> existing;
  if (fs.listFolder(folder, existing).isOk() && !existing.empty()) {
    return Status::alreadyExists(
        folder, userText(USER_TEXT("Demo", "is not empty; the demo goes into a new folder")));
  }
  for (const std::string& path :
       {folder, bankFolderPath(folder, Bank::Models), bankFolderPath(folder, Bank::Sounds)}) {
    if (Status made = ensureFolder(fs, path); !made.isOk()) return made;
  }
  Random random(20261208u);
  const std::vector<int> models = occupiedModelSlots(options.full);
  for (int slot : models) {
    Status status =
        writeSlotFile(fs, folder, Bank::Models, slot, kModelNameFileName, modelName(random) + "\n");
    std::string data(static_cast<std::size_t>(16384 + random.below(49153)), '\0');
    for (char& byte : data)
      byte = static_cast<char>(random.next());
    if (status.isOk()) status = writeSlotFile(fs, folder, Bank::Models, slot, "MData", data);
    if (!status.isOk()) return status;
  }

  // Sounds mostly use the lower half of the model bank, so that the upper models stay unused;
  // every seventh sound switches its first model off, every fifth refers to an empty model slot
  // or to none (-1) with its second reference.
  const int usedModels = static_cast<int>(models.size()) * 2 / 3;
  int index = 0;
  for (int slot : occupiedSoundSlots(options.full)) {
    SoundPlan sound{soundName(random), models[random.below(usedModels)], 1, 0, 0};
    if (index % 7 == 3) sound.switch1 = 0;
    sound.model2 = models[random.below(usedModels)];
    sound.switch2 = random.below(3) == 0 ? 1 : 0;
    // A few sounds keep a switched-off reference to an otherwise unused model, which makes that
    // model "in use - disabled".
    if (index % 13 == 6) {
      sound.model2 = models[usedModels + random.below(4)];
      sound.switch2 = 0;
    }
    if (index % 5 == 4) sound.model2 = options.full ? -1 : (index % 10 == 4 ? 8 : -1);
    ++index;
    Status status = writeSlotFile(fs, folder, Bank::Sounds, slot, kSoundScriptFileName,
                                  soundScriptText(sound, random));
    if (!status.isOk()) return status;
  }
  return options.full ? Status::ok() : writeDemoDuplicates(fs, folder);
}

}  // namespace slotsmith
