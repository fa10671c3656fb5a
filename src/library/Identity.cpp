#include "library/Identity.h"

#include <cstdlib>
#include <memory>

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

// The tables of the database at root, scanned quietly; the files that could not be read become
// notes.
std::unique_ptr<SlotTables> scanTables(FileSystem& fs, const std::string& root,
                                       std::vector<std::string>& notes) {
  SilentUi ui(SilentUi::Answer::Decline);
  Database database(ui, fs);
  database.setRoot(databaseRootFromPath(root));
  database.rescanQuietly();
  for (const std::string& path : database.unreadableFiles())
    notes.push_back(path + ": cannot be read");
  return std::make_unique<SlotTables>(database.tables());
}

// The identity of the model in a slot that holds one, or none with a note.
std::optional<Digest> readModel(FileSystem& fs, const std::string& root, int slot,
                                std::vector<std::string>& notes) {
  if (Status plain = refuseLink(fs, slotFolderPath(root, Bank::Models, slot), EntryType::Folder);
      !plain.isOk()) {
    notes.push_back(plain.message());
    return std::nullopt;
  }
  Digest digest{};
  if (Status read = modelDataDigest(fs, slotFolderPath(root, Bank::Models, slot), digest);
      !read.isOk()) {
    notes.push_back(read.message());
    return std::nullopt;
  }
  return digest;
}

// The reading of the sound in a slot that holds one, or none with a note.
std::optional<SoundReading> readSound(FileSystem& fs, const std::string& root,
                                      const SlotTables& tables, int slot,
                                      const ModelIdentities& models,
                                      std::vector<std::string>& notes) {
  const SoundSlot& sound = tables.soundSlots[static_cast<std::size_t>(slot)];
  Status plain = refuseLink(fs, slotFolderPath(root, Bank::Sounds, slot), EntryType::Folder);
  if (plain.isOk()) plain = refuseLink(fs, soundScriptPath(root, slot), EntryType::File);
  if (!plain.isOk()) {
    notes.push_back(plain.message());
    return std::nullopt;
  }
  std::string script;
  if (Status read = readSoundScriptFile(fs, root, slot, script); !read.isOk()) {
    notes.push_back(read.message());
    return std::nullopt;
  }
  SoundReading entry{slot, sound.sSoundName, soundIdentityOf(script, models), {}};
  const std::array<int32_t, 2> references = {sound.sModel1, sound.sModel2};
  const std::array<int32_t, 2> switches = {sound.sModelOn1, sound.sModelOn2};
  for (std::size_t i = 0; i < references.size(); ++i) {
    const int32_t reference = references[i];
    if (!isModelNumber(reference) || switches[i] <= 0) continue;
    const std::size_t index = static_cast<std::size_t>(reference);
    entry.models[i] = models[index];
    if (!models[index] && holdsModel(tables.modelSlots[index])) {
      notes.push_back(soundScriptPath(root, slot) + ": left out, a model it plays cannot be read");
      return std::nullopt;
    }
  }
  return entry;
}

}  // namespace

DatabaseReading readDatabaseIdentities(FileSystem& fs, const std::string& root) {
  DatabaseReading reading;
  for (const Bank bank : {Bank::Sounds, Bank::Models}) {
    if (fs.entryType(bankFolderPath(root, bank)) == EntryType::Other) {
      reading.refusal =
          Status::refused(bankFolderPath(root, bank) + " is a link; the library follows no link");
      return reading;
    }
  }
  const std::unique_ptr<SlotTables> tables = scanTables(fs, root, reading.notes);
  ModelIdentities models;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const ModelSlot& model = tables->modelSlots[static_cast<std::size_t>(slot)];
    if (!holdsModel(model)) continue;
    models[static_cast<std::size_t>(slot)] = readModel(fs, root, slot, reading.notes);
    if (const std::optional<Digest>& digest = models[static_cast<std::size_t>(slot)]) {
      reading.models.push_back({slot, stripLineEnding(model.sModelName), *digest});
    }
  }
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (!holdsSound(tables->soundSlots[static_cast<std::size_t>(slot)])) continue;
    if (std::optional<SoundReading> sound =
            readSound(fs, root, *tables, slot, models, reading.notes)) {
      reading.sounds.push_back(std::move(*sound));
    }
  }
  return reading;
}

std::map<int, SoundIdentity> readSoundIdentities(FileSystem& fs, const std::string& root,
                                                 const std::vector<int>& slots) {
  std::map<int, SoundIdentity> identities;
  for (const Bank bank : {Bank::Sounds, Bank::Models}) {
    if (fs.entryType(bankFolderPath(root, bank)) == EntryType::Other) return identities;
  }
  std::vector<std::string> notes;
  const std::unique_ptr<SlotTables> tables = scanTables(fs, root, notes);
  ModelIdentities models;
  std::string script;
  for (int slot : slots) {
    if (slot < 0 || slot >= kSlotCount) continue;
    if (!holdsSound(tables->soundSlots[static_cast<std::size_t>(slot)])) continue;
    // Only the models this sound's reference lines name are read: a sound is a few models of a
    // bank that may hold gigabytes.
    if (!readSoundScriptFile(fs, root, slot, script).isOk()) continue;
    for (const int32_t model : allReferenceValues(script)) {
      const std::size_t index = static_cast<std::size_t>(model);
      if (!isModelNumber(model) || models[index] || !holdsModel(tables->modelSlots[index])) {
        continue;
      }
      models[index] = readModel(fs, root, model, notes);
    }
    if (std::optional<SoundReading> sound = readSound(fs, root, *tables, slot, models, notes)) {
      identities[slot] = sound->identity;
    }
  }
  return identities;
}

}  // namespace slotsmith
