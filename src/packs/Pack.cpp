#include "packs/Pack.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <set>

#include "core/Database.h"
#include "core/DatabasePaths.h"
#include "core/ScriptKeyReader.h"
#include "core/SlotNames.h"
#include "core/SoundScript.h"
#include "core/UserText.h"
#include "ops/Journal.h"

namespace slotsmith {

namespace {

constexpr std::size_t kWholeFile = std::size_t{1} << 30;

std::string slotFolder(Bank bank, int slot) {
  char name[32];
  std::snprintf(name, sizeof name, bank == Bank::Sounds ? "Sounds/%03d.sound" : "Models/%03d.model",
                slot);
  return name;
}

// The model reference of a key, when the script has one that names a model slot.
std::optional<int> referenceOf(const ScriptKeyValues& keys, int which) {
  const bool has = which == 1 ? keys.hasModel1 : keys.hasModel2;
  const int32_t value = which == 1 ? keys.model1 : keys.model2;
  if (!has || !isModelNumber(value)) return std::nullopt;
  return value;
}

bool inBanksOrNames(const std::string& path) {
  return path.starts_with("Sounds/") || path.starts_with("Models/") || path == "SoundNames" ||
         path == "ModelNames";
}

// Whether every path of the pack in a bank lies in a slot folder that holds the slot's own file
// (a sound's script, a model's name); a folder without it would be imported as an empty slot, and
// a look-alike name ("sound.scr\u0456pt") would pass for it. Refused with the reason otherwise.
Status checkSlotFolders(const ArchiveTree& pack) {
  std::vector<std::string> paths;
  for (const auto& [path, bytes] : pack.files)
    paths.push_back(path);
  for (const auto& [path, named] : pack.folders)
    paths.push_back(path);
  for (const std::string& path : paths) {
    for (const Bank bank : {Bank::Sounds, Bank::Models}) {
      const std::string prefix = std::string(bankFolderName(bank)) + "/";
      if (!path.starts_with(prefix)) continue;
      const std::string folder = path.substr(0, path.find('/', prefix.size()));
      const std::optional<int> slot =
          slotNumberFromFolderName(bank, std::string_view(folder).substr(prefix.size()));
      if (!slot || *slot >= kSlotCount) {
        return Status::refused(
            userText(USER_TEXT("Pack", "\"{folder}\" is not a slot folder"), {{"folder", folder}}));
      }
      const char* key = bank == Bank::Sounds ? kSoundScriptFileName : kModelNameFileName;
      if (pack.files.count(folder + "/" + key) == 0) {
        const std::initializer_list<TextArgument> arguments{{"folder", folder}, {"file", key}};
        return Status::refused(
            bank == Bank::Sounds
                ? userText(USER_TEXT("Pack", "\"{folder}\" has no {file}, so it is no sound"),
                           arguments)
                : userText(USER_TEXT("Pack", "\"{folder}\" has no {file}, so it is no model"),
                           arguments));
      }
    }
  }
  return Status::ok();
}

Status outsideTheBanks(const std::string& path) {
  return Status::refused(userText(
      USER_TEXT("Pack", "\"{path}\" lies outside the sound and model banks"), {{"path", path}}));
}

Status nameRefused(Bank bank, int slot, const Status& why) {
  const std::initializer_list<TextArgument> arguments{{"slot", std::to_string(slot)},
                                                      {"reason", why.message()}};
  return Status::refused(bank == Bank::Sounds
                             ? userText(USER_TEXT("Pack",
                                                  "Sound {slot} cannot go into a pack: its name "
                                                  "cannot travel ({reason}). Nothing was written."),
                                        arguments)
                             : userText(USER_TEXT("Pack",
                                                  "Model {slot} cannot go into a pack: its name "
                                                  "cannot travel ({reason}). Nothing was written."),
                                        arguments));
}

}  // namespace

Status buildPack(FileSystem& fs, const std::string& root, const std::vector<int>& sounds,
                 ArchiveTree& pack, std::string& report, std::size_t* models) {
  if (Status loaded = loadArchiveLibraries(); !loaded.isOk()) return loaded;
  pack = {};
  if (sounds.empty()) {
    return Status::refused(userText(USER_TEXT("Pack", "No sounds were chosen for the pack.")));
  }
  if (sounds.size() > static_cast<std::size_t>(kSlotCount)) {
    return Status::refused(userText(USER_TEXT("Pack", "A pack holds at most {count} sounds."),
                                    {{"count", std::to_string(kSlotCount)}}));
  }
  // The sounds' scripts, and the models they use (in slot order: they are numbered that way).
  std::vector<std::string> scripts(sounds.size());
  std::map<int, int> packNumberOf;
  for (std::size_t i = 0; i < sounds.size(); ++i) {
    Status read = fs.readFile(soundScriptPath(root, sounds[i]), scripts[i], kWholeFile);
    if (read.isNotFound()) {
      return Status::refused(
          userText(USER_TEXT("Pack", "Sound slot {slot} is empty; a pack carries only sounds."),
                   {{"slot", std::to_string(sounds[i])}}));
    }
    if (!read.isOk()) return read;
    // What the reader would refuse is refused here, before anything is written, by the source's
    // slot the user chose.
    if (Status name = checkNameToCarry(Bank::Sounds, soundNameOf(readScriptKeys(scripts[i])));
        !name.isOk()) {
      return nameRefused(Bank::Sounds, sounds[i], name);
    }
    // Every line of a reference key: a key given twice is renumbered on both lines.
    for (const int32_t model : allReferenceValues(scripts[i])) {
      if (isModelNumber(model) && fs.entryType(modelNamePath(root, model)) == EntryType::File)
        packNumberOf.emplace(model, 0);
    }
  }
  int next = 0;
  nlohmann::json manifestModels = nlohmann::json::array();
  for (auto& [model, number] : packNumberOf) {
    number = next++;
    if (Status s = copyFolderIntoTree(fs, slotFolderPath(root, Bank::Models, model),
                                      slotFolder(Bank::Models, number), pack, ArchiveFormat::Zip);
        !s.isOk()) {
      return s;
    }
    const auto nameFile =
        pack.files.find(slotFolder(Bank::Models, number) + "/" + kModelNameFileName);
    if (nameFile == pack.files.end()) continue;
    if (Status name = checkNameToCarry(Bank::Models, modelNameIn(nameFile->second)); !name.isOk()) {
      return nameRefused(Bank::Models, model, name);
    }
  }
  auto script = std::make_unique<SoundScript>();
  for (std::size_t i = 0; i < sounds.size(); ++i) {
    const std::string folder = slotFolder(Bank::Sounds, static_cast<int>(i));
    if (Status s = copyFolderIntoTree(fs, slotFolderPath(root, Bank::Sounds, sounds[i]), folder,
                                      pack, ArchiveFormat::Zip);
        !s.isOk()) {
      return s;
    }
    // Only the reference values change; a reference to an empty slot becomes -1, so that the
    // pack never points at a model it does not carry.
    script->parse(scripts[i]);
    const auto packNumber = [&packNumberOf](int32_t before) {
      if (!isModelNumber(before)) return before;
      const auto found = packNumberOf.find(before);
      return found != packNumberOf.end() ? found->second : -1;
    };
    for (const char* key : {kModel1Key, kModel2Key})
      mapValuesForKey(key, packNumber, *script);
    std::string& bytes = pack.files[folder + "/" + kSoundScriptFileName];
    pack.bytes -= bytes.size();
    bytes = script->hasChangedValues() ? script->serialize() : scripts[i];
    pack.bytes += bytes.size();
  }

  addParentFolders(pack);
  // The names files as a scan of the pack finds it, which also proves the pack a database.
  const std::string mount = root + "/.slotsmith-pack-view";
  PackFileSystem view(fs, mount, pack);
  SilentUi ui(SilentUi::Answer::Decline);
  Database scanned(ui, view);
  scanned.setRoot(mount);
  scanned.evaluateNeuronDb();
  pack.files["SoundNames"] = scanned.soundNamesText();
  pack.files["ModelNames"] = scanned.modelNamesText();

  nlohmann::json manifest;
  manifest["format"] = kPackFormat;
  manifest["version"] = kPackVersion;
  nlohmann::json manifestSounds = nlohmann::json::array();
  for (std::size_t i = 0; i < sounds.size(); ++i) {
    manifestSounds.push_back({{"slot", i},
                              {"source", sounds[i]},
                              {"name", std::string(scanned.tables().soundSlots[i].sSoundName)}});
  }
  for (const auto& [model, number] : packNumberOf) {
    manifestModels.push_back(
        {{"slot", number},
         {"source", model},
         {"name", std::string(scanned.tables().modelSlots[number].sModelName)}});
  }
  manifest["sounds"] = manifestSounds;
  manifest["models"] = manifestModels;
  nlohmann::json sums = nlohmann::json::object();
  for (const auto& [path, bytes] : pack.files)
    sums[path] = sha256Hex(bytes);
  manifest["sha256"] = sums;
  // Names may hold any byte; the manifest stays valid JSON whatever they are.
  pack.files[kPackManifestName] =
      manifest.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
  pack.bytes = 0;
  for (const auto& [path, bytes] : pack.files)
    pack.bytes += bytes.size();
  report = std::to_string(sounds.size()) + " sounds and " + std::to_string(packNumberOf.size()) +
           " models";
  if (models != nullptr) *models = packNumberOf.size();
  return Status::ok();
}

Status checkPack(const ArchiveTree& pack) {
  const auto manifestFile = pack.files.find(kPackManifestName);
  if (manifestFile == pack.files.end()) {
    return Status::refused(userText(USER_TEXT("Pack", "it has no {manifest}, so it is no pack"),
                                    {{"manifest", kPackManifestName}}));
  }
  const nlohmann::json manifest = nlohmann::json::parse(manifestFile->second, nullptr, false);
  if (manifest.is_discarded() || !manifest.is_object() ||
      manifest.value("format", "") != kPackFormat) {
    return Status::refused(userText(USER_TEXT("Pack", "{manifest} is not a pack manifest"),
                                    {{"manifest", kPackManifestName}}));
  }
  if (!manifest.contains("version") || !manifest["version"].is_number_integer() ||
      manifest["version"].get<int>() > kPackVersion) {
    return Status::refused(
        userText(USER_TEXT("Pack", "it was made by a newer version of Slotsmith")));
  }
  const auto sums = manifest.find("sha256");
  if (sums == manifest.end() || !sums->is_object()) {
    return Status::refused(
        userText(USER_TEXT("Pack", "{manifest} lists no sums"), {{"manifest", kPackManifestName}}));
  }
  for (const auto& [path, bytes] : pack.files) {
    if (path == kPackManifestName) continue;
    if (!inBanksOrNames(path)) {
      return outsideTheBanks(path);
    }
    const auto sum = sums->find(path);
    if (sum == sums->end()) {
      return Status::refused(
          userText(USER_TEXT("Pack", "\"{path}\" is not in the manifest"), {{"path", path}}));
    }
    if (!sum->is_string() || sum->get<std::string>() != sha256Hex(bytes)) {
      return Status::refused(
          userText(USER_TEXT("Pack", "\"{path}\" does not match its sum in the manifest"),
                   {{"path", path}}));
    }
  }
  for (const auto& [path, sum] : sums->items()) {
    if (pack.files.count(path) == 0) {
      return Status::refused(
          userText(USER_TEXT("Pack", "\"{path}\" is in the manifest but not in the pack"),
                   {{"path", path}}));
    }
  }
  for (const auto& [path, folder] : pack.folders) {
    if (!inBanksOrNames(path) && path != "Sounds" && path != "Models") {
      return outsideTheBanks(path);
    }
  }
  if (Status s = checkSlotFolders(pack); !s.isOk()) return s;
  // The names come into the lists, the names files and the terminal as they are.
  if (Status names = checkStoredNames(pack.files); !names.isOk()) return names;
  for (int sound = 0; sound < kSlotCount; ++sound) {
    const std::string folder = slotFolder(Bank::Sounds, sound);
    const auto script = pack.files.find(folder + "/" + kSoundScriptFileName);
    if (script == pack.files.end()) continue;
    const ScriptKeyValues keys = readScriptKeys(script->second);
    for (int which : {1, 2}) {
      const std::optional<int> model = referenceOf(keys, which);
      if (!model) continue;
      if (pack.files.count(slotFolder(Bank::Models, *model) + "/" + kModelNameFileName) == 0) {
        return Status::refused(userText(
            USER_TEXT("Pack",
                      "sound {sound} refers to model {model}, which the pack does not carry"),
            {{"sound", std::to_string(sound)}, {"model", std::to_string(*model)}}));
      }
    }
  }
  return Status::ok();
}

Status exportPack(FileSystem& fs, const std::string& root, const std::vector<int>& sounds,
                  const std::string& path, std::string& report, std::size_t* models) {
  std::unique_ptr<FileLock> lock;
  if (Status locked = fs.lockFileShared(lockFilePath(root), lock); !locked.isOk()) {
    return Status::refused(userText(USER_TEXT("Pack",
                                              "An edit is running on {database} ({reason}); "
                                              "nothing was written. Export when it has finished."),
                                    {{"database", root}, {"reason", locked.reason()}}));
  }
  ArchiveTree pack;
  if (Status built = buildPack(fs, root, sounds, pack, report, models); !built.isOk()) return built;
  return writeArchive(fs, path, ArchiveFormat::Zip, pack);
}

namespace {

enum class FileKind : unsigned char { NoFile, NoZip, Zip };

// What path names: no regular file (reached through a link or not: the user named it), one that
// does not begin as a zip does, or one that does.
FileKind packFileKind(const std::string& path) {
  // Paths are UTF-8, which std::filesystem takes as such only from char8_t.
  const std::filesystem::path file(std::u8string(path.begin(), path.end()));
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return FileKind::NoFile;
  std::ifstream in(file, std::ios::binary);
  std::array<char, 4> start{};
  if (!in.read(start.data(), start.size())) return FileKind::NoZip;
  const std::string_view signature(start.data(), start.size());
  // A local file header, or the end record of an empty zip.
  return signature == std::string_view("PK\x03\x04", 4) ||
                 signature == std::string_view("PK\x05\x06", 4)
             ? FileKind::Zip
             : FileKind::NoZip;
}

}  // namespace

Status readPack(const std::string& path, ArchiveTree& pack) {
  // Asked for a pack, a file of another kind is said to be no pack, not a zip the reader chokes on.
  if (packFileKind(path) == FileKind::NoZip) {
    pack = {};
    return Status::refused(userText(
        USER_TEXT("Pack", "{path} is not a sound pack: it is no zip file."), {{"path", path}}));
  }
  if (Status s = readArchive(path, ArchiveFormat::Zip, pack); !s.isOk()) return s;
  if (Status s = checkPack(pack); !s.isOk()) {
    pack = {};
    return Status::refused(
        userText(USER_TEXT("Pack", "{path} is not a pack Slotsmith can import: {reason}"),
                 {{"path", path}, {"reason", s.message()}}));
  }
  return Status::ok();
}

bool looksLikePackFile(const std::string& path) {
  return packFileKind(path) == FileKind::Zip;
}

bool namesAFile(const std::string& path) {
  return packFileKind(path) != FileKind::NoFile;
}

// PackFileSystem -------------------------------------------------------------------------------

bool PackFileSystem::inside(const std::string& path, std::string& relative) const {
  if (path == mount_) {
    relative.clear();
    return true;
  }
  if (path.size() <= mount_.size() || path.compare(0, mount_.size(), mount_) != 0 ||
      path[mount_.size()] != '/') {
    return false;
  }
  relative = path.substr(mount_.size() + 1);
  return true;
}

Status PackFileSystem::readOnly(const std::string& path) const {
  return Status::refused(
      userText(USER_TEXT("Pack", "{path} lies in a pack, which is only read"), {{"path", path}}));
}

EntryType PackFileSystem::entryType(const std::string& path) {
  std::string relative;
  if (!inside(path, relative)) return below_.entryType(path);
  if (relative.empty() || pack_.folders.count(relative) != 0) return EntryType::Folder;
  return pack_.files.count(relative) != 0 ? EntryType::File : EntryType::Missing;
}

bool PackFileSystem::canReadFile(const std::string& path) {
  std::string relative;
  if (!inside(path, relative)) return below_.canReadFile(path);
  return pack_.files.count(relative) != 0;
}

Status PackFileSystem::readFile(const std::string& path, std::string& contents,
                                std::size_t maxBytes, bool* truncated) {
  std::string relative;
  if (!inside(path, relative)) return below_.readFile(path, contents, maxBytes, truncated);
  const auto file = pack_.files.find(relative);
  if (file == pack_.files.end()) {
    return entryType(path) == EntryType::Folder ? Status::invalid(path, "a folder")
                                                : Status::notFound(path);
  }
  contents.assign(file->second, 0, std::min(maxBytes, file->second.size()));
  if (truncated) *truncated = file->second.size() > maxBytes;
  return Status::ok();
}

Status PackFileSystem::listFolderEntries(const std::string& path,
                                         std::vector<FolderEntry>& entries) {
  std::string relative;
  if (!inside(path, relative)) return below_.listFolderEntries(path, entries);
  entries.clear();
  if (entryType(path) != EntryType::Folder) return Status::notFound(path);
  const std::string prefix = relative.empty() ? "" : relative + "/";
  const auto direct = [&](const std::string& name) {
    return name.size() > prefix.size() && name.starts_with(prefix) &&
           name.find('/', prefix.size()) == std::string::npos;
  };
  for (const auto& [name, named] : pack_.folders)
    if (direct(name)) entries.push_back({name.substr(prefix.size()), EntryType::Folder});
  for (const auto& [name, bytes] : pack_.files)
    if (direct(name)) entries.push_back({name.substr(prefix.size()), EntryType::File});
  return Status::ok();
}

Status PackFileSystem::listFolder(const std::string& path, std::vector<std::string>& names) {
  std::string relative;
  if (!inside(path, relative)) return below_.listFolder(path, names);
  std::vector<FolderEntry> entries;
  Status status = listFolderEntries(path, entries);
  names.clear();
  for (FolderEntry& entry : entries)
    names.push_back(std::move(entry.name));
  return status;
}

Status PackFileSystem::copyFolder(const std::string& from, const std::string& to) {
  std::string relative, target;
  if (inside(to, target)) return readOnly(to);
  if (!inside(from, relative)) return below_.copyFolder(from, to);
  if (entryType(from) != EntryType::Folder) return Status::notFound(from);
  if (Status s = below_.createFolder(to); !s.isOk()) return s;
  std::vector<FolderEntry> entries;
  if (Status s = listFolderEntries(from, entries); !s.isOk()) return s;
  for (const FolderEntry& entry : entries) {
    const std::string source = from + "/" + entry.name;
    Status s =
        entry.type == EntryType::Folder
            ? copyFolder(source, to + "/" + entry.name)
            : below_.createFile(
                  to + "/" + entry.name,
                  pack_.files.at(relative.empty() ? entry.name : relative + "/" + entry.name));
    if (!s.isOk()) return s;
  }
  return Status::ok();
}

// Every change inside the pack is refused; every other one is the file system's below.
Status PackFileSystem::writeFileAtomically(const std::string& path, const std::string& contents) {
  return contains(path) ? readOnly(path) : below_.writeFileAtomically(path, contents);
}
Status PackFileSystem::createFile(const std::string& path, const std::string& contents) {
  return contains(path) ? readOnly(path) : below_.createFile(path, contents);
}
Status PackFileSystem::createFolder(const std::string& path) {
  return contains(path) ? readOnly(path) : below_.createFolder(path);
}
Status PackFileSystem::removeFolder(const std::string& path) {
  return contains(path) ? readOnly(path) : below_.removeFolder(path);
}
Status PackFileSystem::appendToFileDurably(const std::string& path, const std::string& text) {
  return contains(path) ? readOnly(path) : below_.appendToFileDurably(path, text);
}
Status PackFileSystem::renameFolder(const std::string& from, const std::string& to) {
  if (contains(to)) return readOnly(to);
  return contains(from) ? readOnly(from) : below_.renameFolder(from, to);
}
Status PackFileSystem::renameFile(const std::string& from, const std::string& to) {
  if (contains(to)) return readOnly(to);
  return contains(from) ? readOnly(from) : below_.renameFile(from, to);
}

bool PackFileSystem::isWritableFolder(const std::string& path) {
  return !contains(path) && below_.isWritableFolder(path);
}

Status PackFileSystem::syncFileSystem(const std::string& path) {
  return contains(path) ? Status::ok() : below_.syncFileSystem(path);
}

Status PackFileSystem::diskUsage(const std::string& path, std::uint64_t& bytes) {
  std::string relative;
  if (!inside(path, relative)) return below_.diskUsage(path, bytes);
  bytes = 0;
  const std::string prefix = relative.empty() ? "" : relative + "/";
  for (const auto& [name, contents] : pack_.files)
    if (name.starts_with(prefix)) bytes += contents.size();
  return Status::ok();
}

Status PackFileSystem::lockFile(const std::string& path, const std::string& holder,
                                std::unique_ptr<FileLock>& lock) {
  return contains(path) ? readOnly(path) : below_.lockFile(path, holder, lock);
}

Status PackFileSystem::anchorRoot(const std::string& root, std::unique_ptr<RootAnchor>& anchor) {
  anchor.reset();
  return contains(root) ? Status::ok() : below_.anchorRoot(root, anchor);
}

Status PackFileSystem::lockFileShared(const std::string& path, std::unique_ptr<FileLock>& lock) {
  std::string relative;
  if (!inside(path, relative)) return below_.lockFileShared(path, lock);
  // Nobody edits a pack: there is nothing to wait for.
  lock.reset();
  return Status::ok();
}

}  // namespace slotsmith
