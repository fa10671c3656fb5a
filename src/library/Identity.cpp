#include "library/Identity.h"

#include <cstdlib>

#include "core/Database.h"
#include "core/DatabasePaths.h"
#include "core/ModelIdentity.h"
#include "core/ScriptKeyReader.h"
#include "core/SoundScript.h"
#include "core/SoundScriptFile.h"

namespace slotsmith {

namespace {

bool isNameKey(std::string_view key) {
  // "SoundNameC00" .. "SoundNameC15".
  constexpr std::string_view kPrefix = "SoundNameC";
  if (key.size() != kPrefix.size() + 2 || !key.starts_with(kPrefix)) return false;
  const int tens = key[kPrefix.size()] - '0';
  const int units = key[kPrefix.size() + 1] - '0';
  return tens >= 0 && tens <= 1 && units >= 0 && units <= 9 && tens * 10 + units < 16;
}

bool isReferenceKey(std::string_view key) {
  return key == kModel1Key || key == kModel2Key;
}

// The model a reference line's value names, read as the scan reads it (strtol in base 10).
std::optional<Digest> referencedModel(std::string_view value, const ModelIdentities& models) {
  const std::string text(value);
  const long number = std::strtol(text.c_str(), nullptr, 10);
  if (number < 0 || number >= kSlotCount) return std::nullopt;
  return models[static_cast<std::size_t>(number)];
}

std::string stripLineEnding(std::string name) {
  while (!name.empty() && (name.back() == '\n' || name.back() == '\r'))
    name.pop_back();
  return name;
}

// A database may come from someone else: a slot folder or a script that is a link may lead
// anywhere, so the library reads only what is plainly there.
Status refuseLink(FileSystem& fs, const std::string& path, EntryType expected) {
  const EntryType type = fs.entryType(path);
  if (type == expected) return Status::ok();
  if (type == EntryType::Other) {
    return Status::refused(path + ": left out, a link or a device (the library follows no link)");
  }
  return Status::ioError(path, "left out, changed while it was read");
}

}  // namespace

SoundIdentity soundIdentityOf(std::string_view script, const ModelIdentities& models) {
  const ScriptKeyValues keys = readScriptKeys(script);
  Sha256 identity;
  Sha256 exact;
  std::size_t start = 0;
  while (start < script.size()) {
    std::size_t end = script.find('\n', start);
    if (end == std::string_view::npos) end = script.size();
    const std::string_view line = script.substr(start, end - start);
    start = end + 1;
    const std::size_t tab = line.find('\t');
    const std::string_view key = line.substr(0, tab);
    std::string counted(line);
    if (isReferenceKey(key)) {
      const bool plays = (key == kModel1Key ? keys.switch1 : keys.switch2) > 0;
      const std::optional<Digest> model =
          referencedModel(tab == std::string_view::npos ? "" : line.substr(tab + 1), models);
      counted = std::string(key) + "\t" +
                (!plays  ? "off"
                 : model ? "model " + hexOf(*model)
                         : "no model");
    }
    counted += '\n';
    exact.update(counted);
    if (!isNameKey(key)) identity.update(counted);
  }
  return {identity.finish(), exact.finish()};
}

namespace {

// A bank folder that is a link refuses the whole database.
Status refuseLinkedBanks(FileSystem& fs, const std::string& root) {
  for (const Bank bank : {Bank::Sounds, Bank::Models}) {
    if (fs.entryType(bankFolderPath(root, bank)) == EntryType::Other) {
      return Status::refused(bankFolderPath(root, bank) +
                             " is a link; the library follows no link");
    }
  }
  return Status::ok();
}

// The scripts a scan read, kept so that each is read once: for the tables and for the identity.
class KeptScripts final : public ScriptKeeper {
 public:
  struct Kept {
    std::string bytes;
    bool whole = false;
    Status refusal;
  };

  void keepScript(int slot, std::string_view bytes, bool whole, const EntryStamp& stamp) override {
    static_cast<void>(stamp);
    Kept& kept = scripts_[static_cast<std::size_t>(slot)];
    kept.bytes.assign(bytes);
    kept.whole = whole;
    kept.refusal = Status::ok();
  }
  void refuseScript(int slot, const Status& refusal) override {
    scripts_[static_cast<std::size_t>(slot)] = {{}, false, refusal};
  }
  const Kept& of(int slot) const { return scripts_[static_cast<std::size_t>(slot)]; }

 private:
  std::vector<Kept> scripts_ = std::vector<Kept>(kSlotCount);
};

// The whole script of a slot whose script the scan kept only in part: read again, as plainly.
Status readWholeScript(FileSystem& fs, const std::string& root, int slot, std::string& script) {
  constexpr std::size_t kMaxScriptBytes = std::size_t{1} << 30;
  std::string relative;
  formatSlotFileInBank(relative, Bank::Sounds, slot, kSoundScriptFileName);
  bool truncated = false;
  Status read = fs.folderReader(bankFolderPath(root, Bank::Sounds))
                    ->readPlainFile(relative, script, kMaxScriptBytes, truncated, nullptr);
  if (read.isOk() && truncated) {
    read = Status::invalid(soundScriptPath(root, slot), "larger than 1 GiB; not a sound script");
  }
  return read;
}

// The identities of the chosen slots of a database whose tables hold them, the chosen models'
// replaced in models first.
void readChosenSlots(FileSystem& fs, const std::string& root, const Database& database,
                     const KeptScripts& scripts, const SlotChoice& slots, ModelIdentities& models,
                     DatabaseReading& reading) {
  for (const std::string& path : database.unreadableFiles())
    reading.notes.push_back(path + ": cannot be read");
  const SlotTables& tables = database.tables();
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (!slots.models.test(static_cast<std::size_t>(slot))) continue;
    models[static_cast<std::size_t>(slot)].reset();
    const ModelSlot& model = tables.modelSlots[static_cast<std::size_t>(slot)];
    if (!holdsModel(model)) continue;
    if (Status plain = refuseLink(fs, slotFolderPath(root, Bank::Models, slot), EntryType::Folder);
        !plain.isOk()) {
      reading.notes.push_back(plain.message());
      continue;
    }
    Digest digest{};
    if (Status read = modelDataDigest(fs, slotFolderPath(root, Bank::Models, slot), digest);
        !read.isOk()) {
      reading.notes.push_back(read.message());
      continue;
    }
    models[static_cast<std::size_t>(slot)] = digest;
    reading.models.push_back({slot, stripLineEnding(model.sModelName), digest});
  }

  std::string whole;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (!slots.sounds.test(static_cast<std::size_t>(slot))) continue;
    const KeptScripts::Kept& kept = scripts.of(slot);
    if (!kept.refusal.isOk()) {
      reading.notes.push_back(kept.refusal.message() + "; left out (the library follows no link)");
      continue;
    }
    const SoundSlot& sound = tables.soundSlots[static_cast<std::size_t>(slot)];
    if (!holdsSound(sound)) continue;
    if (!kept.whole) {
      if (Status read = readWholeScript(fs, root, slot, whole); !read.isOk()) {
        reading.notes.push_back(read.message());
        continue;
      }
    }
    const std::string_view script = kept.whole ? std::string_view(kept.bytes) : whole;
    SoundReading entry{slot, sound.sSoundName, soundIdentityOf(script, models), {}};
    bool playable = true;
    const std::array<int32_t, 2> references = {sound.sModel1, sound.sModel2};
    const std::array<int32_t, 2> switches = {sound.sModelOn1, sound.sModelOn2};
    for (std::size_t i = 0; i < references.size(); ++i) {
      const int32_t reference = references[i];
      if (!isModelNumber(reference) || switches[i] <= 0) continue;
      const std::size_t index = static_cast<std::size_t>(reference);
      entry.plays[i] = reference;
      entry.models[i] = models[index];
      if (!models[index] && holdsModel(tables.modelSlots[index])) playable = false;
    }
    if (!playable) {
      reading.notes.push_back(soundScriptPath(root, slot) +
                              ": left out, a model it plays cannot be read");
      continue;
    }
    reading.sounds.push_back(std::move(entry));
  }
}

// Reads the chosen slots, or every slot (with one scan of the whole database) when none are.
DatabaseReading readSlots(FileSystem& fs, const std::string& root, const SlotChoice* chosen,
                          ModelIdentities& models) {
  DatabaseReading reading;
  reading.refusal = refuseLinkedBanks(fs, root);
  if (!reading.refusal.isOk()) return reading;
  SilentUi ui(SilentUi::Answer::Decline);
  Database database(ui, fs);
  KeptScripts scripts;
  database.setScriptKeeper(&scripts);
  database.setRoot(databaseRootFromPath(root));
  SlotChoice every;
  if (chosen == nullptr) {
    database.rescanQuietly();
    every.sounds.set();
    every.models.set();
  } else {
    database.rescanSlots(chosen->sounds, chosen->models);
  }
  readChosenSlots(fs, root, database, scripts, chosen == nullptr ? every : *chosen, models,
                  reading);
  return reading;
}

}  // namespace

DatabaseReading readDatabaseIdentities(FileSystem& fs, const std::string& root) {
  ModelIdentities models;
  return readSlots(fs, root, nullptr, models);
}

DatabaseReading readDatabaseSlots(FileSystem& fs, const std::string& root, const SlotChoice& slots,
                                  ModelIdentities& models) {
  return readSlots(fs, root, &slots, models);
}

std::map<int, SoundIdentity> readSoundIdentities(FileSystem& fs, const std::string& root,
                                                 const std::vector<int>& slots) {
  std::map<int, SoundIdentity> identities;
  if (!refuseLinkedBanks(fs, root).isOk()) return identities;
  // Only the models these sounds' reference lines name are read: a sound is a few models of a
  // bank that may hold gigabytes. A script that is a link is not read here, and the reading below
  // leaves its sound out with a note.
  SlotChoice choice;
  std::string script;
  for (const int slot : slots) {
    if (slot < 0 || slot >= kSlotCount) continue;
    choice.sounds.set(static_cast<std::size_t>(slot));
    if (!refuseLink(fs, slotFolderPath(root, Bank::Sounds, slot), EntryType::Folder).isOk() ||
        !refuseLink(fs, soundScriptPath(root, slot), EntryType::File).isOk() ||
        !readSoundScriptFile(fs, root, slot, script).isOk()) {
      continue;
    }
    for (const int32_t model : allReferenceValues(script)) {
      if (isModelNumber(model)) choice.models.set(static_cast<std::size_t>(model));
    }
  }
  ModelIdentities models;
  const DatabaseReading reading = readSlots(fs, root, &choice, models);
  for (const SoundReading& sound : reading.sounds)
    identities[sound.slot] = sound.identity;
  return identities;
}

}  // namespace slotsmith
