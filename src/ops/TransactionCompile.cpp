// From a change set to a journal. Every folder or file the edit moves becomes an object with a
// place before the edit and a place after it; the first phase takes every object out of the
// database into a name of the entry's own (moving/N, or kept/N for what the edit deletes or
// replaces), the second puts every object, staged copies and new files included, at its place.
// No rename of a phase depends on another one of the same phase, which is what lets recovery
// finish a phase whatever subset of it a power cut kept.
#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "core/Hashes.h"
#include "core/UserText.h"
#include "ops/TransactionSteps.h"

namespace slotsmith::transaction {

namespace {

struct MovedObject {
  std::string initial;  // relative; in the entry for what prepare staged
  std::string final;    // relative; in the entry for what the edit deletes or replaces
  std::uint64_t checksum = 0;
  std::string progressText;
};

Status relativePath(const std::string& root, const std::string& path, std::string& relative) {
  if (path.size() <= root.size() + 1 || path.compare(0, root.size(), root) != 0 ||
      path[root.size()] != '/') {
    return Status::invalid(path, userText(USER_TEXT("Transaction", "lies outside the database")));
  }
  relative = path.substr(root.size() + 1);
  if (relative.starts_with(".slotsmith/") || relative == ".slotsmith") {
    return Status::invalid(path,
                           userText(USER_TEXT("Transaction", "lies in Slotsmith's own folder")));
  }
  return Status::ok();
}

// What lies below folder, relative to it, each with the fingerprint of its bytes ("sub/" for a
// folder, whose own fingerprint stands for nothing but its being there). A file the edit writes
// counts with the bytes it writes, whether or not the folder holds it yet.
Status fingerprintsBelow(FileSystem& fs, const std::string& folder, const std::string& prefix,
                         const std::vector<WrittenFile>& written, std::string& bytes,
                         std::vector<std::pair<std::string, std::uint64_t>>& items) {
  std::vector<FolderEntry> entries;
  if (Status s = fs.listFolderEntries(folder + prefix, entries); !s.isOk()) return s;
  for (const FolderEntry& entry : entries) {
    const std::string name = prefix.empty() ? entry.name : prefix.substr(1) + "/" + entry.name;
    if (entry.type == EntryType::Folder) {
      items.emplace_back(name + "/", 0);
      Status s = fingerprintsBelow(fs, folder, prefix + "/" + entry.name, written, bytes, items);
      if (!s.isOk()) return s;
      continue;
    }
    const bool rewritten = std::any_of(written.begin(), written.end(),
                                       [&](const WrittenFile& file) { return file.name == name; });
    if (rewritten) continue;
    if (entry.type != EntryType::File) {
      // A link or a device is never read through: its being there under this name is all that
      // counts.
      items.emplace_back(name, 1);
      continue;
    }
    if (Status s = fs.readFile(folder + "/" + name, bytes, kLargestPlacedFile); !s.isOk()) return s;
    items.emplace_back(name, fileFingerprint(bytes));
  }
  return Status::ok();
}

}  // namespace

std::uint64_t fileFingerprint(std::string_view bytes) {
  const std::uint64_t hash = hash64(bytes);
  // Never 0, which says "nothing recorded" in a journal.
  return hash == 0 ? 1 : hash;
}

Status folderFingerprint(FileSystem& fs, const std::string& folder,
                         const std::vector<WrittenFile>& written, std::uint64_t& fingerprint) {
  std::vector<std::pair<std::string, std::uint64_t>> items;
  std::string bytes;
  if (Status s = fingerprintsBelow(fs, folder, "", written, bytes, items); !s.isOk()) return s;
  for (const WrittenFile& file : written)
    items.emplace_back(file.name, fileFingerprint(*file.contents));
  std::sort(items.begin(), items.end());
  std::string text;
  for (const auto& [name, hash] : items) {
    text += name;
    text += '\n';
    text.append(reinterpret_cast<const char*>(&hash), sizeof hash);
  }
  fingerprint = fileFingerprint(text);
  return Status::ok();
}

Status placedChecksumNow(FileSystem& fs, const std::string& path, std::uint64_t& checksum) {
  if (fs.entryType(path) == EntryType::Folder) return folderFingerprint(fs, path, {}, checksum);
  std::string bytes;
  if (Status s = fs.readFile(path, bytes, kLargestPlacedFile); !s.isOk()) return s;
  checksum = fileFingerprint(bytes);
  return Status::ok();
}

Status compileChanges(FileSystem& fs, const std::string& root, const EditPlan& plan, int entry,
                      CompiledTransaction& compiled) {
  const std::string entryFolder = entryRelativePath(entry);
  int stagedCount = 0, keptCount = 0;
  auto stagedPath = [&] { return entryFolder + "/staged/" + std::to_string(stagedCount++); };
  auto keptPath = [&] { return entryFolder + "/kept/" + std::to_string(keptCount++); };
  std::vector<MovedObject> objects;
  std::unordered_map<std::string, std::string> stagedCopies;  // target (absolute) -> staged
  // The folders placed in a slot, by object: where they are now, and what the edit writes into
  // them, so that an undo can tell what was added since.
  struct PlacedFolder {
    std::size_t object;
    std::string source;  // absolute
    std::vector<WrittenFile> written;
  };
  std::vector<PlacedFolder> placed;
  std::unordered_map<std::string, std::size_t> placedCopies;  // staged -> index in placed
  Journal& journal = compiled.journal;

  // Folders first, so that a file written into a copy finds the copy's staged folder.
  for (const Change& change : plan.changes) {
    std::string from, to;
    switch (change.kind) {
      case Change::Kind::Move:
        if (Status s = relativePath(root, change.from, from); !s.isOk()) return s;
        if (Status s = relativePath(root, change.to, to); !s.isOk()) return s;
        placed.push_back({objects.size(), change.from, {}});
        objects.push_back({from, to, 0, change.progressText});
        break;
      case Change::Kind::Copy: {
        if (Status s = relativePath(root, change.to, to); !s.isOk()) return s;
        std::string staged = stagedPath();
        compiled.staged.push_back({true, change.from, nullptr, staged});
        stagedCopies[change.to] = staged;
        placedCopies[staged] = placed.size();
        placed.push_back({objects.size(), change.from, {}});
        objects.push_back({std::move(staged), to, 0, change.progressText});
        break;
      }
      case Change::Kind::Delete:
        if (Status s = relativePath(root, change.from, from); !s.isOk()) return s;
        objects.push_back({from, keptPath(), 0, change.progressText});
        break;
      case Change::Kind::Write:
        continue;
    }
    ++journal.folders;
  }
  for (const Change& change : plan.changes) {
    if (change.kind != Change::Kind::Write) continue;
    if (!change.derived) ++journal.scripts;
    // A file written into a folder the edit copies (an imported sound, renumbered) is written
    // into the staged copy itself, before anything is placed.
    bool inCopy = false;
    for (std::size_t slash = change.to.rfind('/'); slash != std::string::npos && slash > 0;
         slash = change.to.rfind('/', slash - 1)) {
      auto found = stagedCopies.find(change.to.substr(0, slash));
      if (found == stagedCopies.end()) continue;
      compiled.staged.push_back(
          {false, {}, &change.contents, found->second + change.to.substr(slash), true});
      placed[placedCopies.at(found->second)].written.push_back(
          {change.to.substr(slash + 1), &change.contents});
      inCopy = true;
      break;
    }
    if (inCopy) continue;
    std::string to;
    if (Status s = relativePath(root, change.to, to); !s.isOk()) return s;
    // The old file goes into the undo data: it is never destroyed.
    if (fs.entryType(change.to) == EntryType::File) objects.push_back({to, keptPath(), 0, {}});
    std::string staged = stagedPath();
    compiled.staged.push_back({false, {}, &change.contents, staged});
    objects.push_back(
        {std::move(staged), to, fileFingerprint(change.contents), change.progressText});
  }

  std::string bytes;
  for (const PlacedFolder& folder : placed) {
    // A plain file in a slot folder's place is placed as it is: its bytes tell it from one put
    // there since, as a script's do. Anything else (a link, a device) is never placed.
    const EntryType type = fs.entryType(folder.source);
    if (type == EntryType::File) {
      if (Status s = fs.readFile(folder.source, bytes, kLargestPlacedFile); !s.isOk()) return s;
      objects[folder.object].checksum = fileFingerprint(bytes);
      continue;
    }
    if (type != EntryType::Folder) continue;
    Status s =
        folderFingerprint(fs, folder.source, folder.written, objects[folder.object].checksum);
    if (!s.isOk()) return s;
  }

  auto isPrivate = [&](const std::string& path) { return path.starts_with(entryFolder + "/"); };
  auto addRename = [&](const std::string& from, const std::string& to, std::uint64_t checksum,
                       const std::string& text) {
    journal.renames.push_back({from, to, checksum});
    compiled.progressTexts.push_back(text);
  };
  std::vector<std::string> between(objects.size());
  for (std::size_t i = 0; i < objects.size(); ++i) {
    const MovedObject& object = objects[i];
    if (object.initial == object.final || isPrivate(object.initial)) {
      between[i] = object.initial;
      continue;
    }
    between[i] =
        isPrivate(object.final) ? object.final : entryFolder + "/moving/" + std::to_string(i);
    addRename(object.initial, between[i], 0, isPrivate(object.final) ? object.progressText : "");
  }
  journal.firstPhaseRenames = journal.renames.size();
  for (std::size_t i = 0; i < objects.size(); ++i) {
    const MovedObject& object = objects[i];
    if (between[i] != object.final) {
      addRename(between[i], object.final, object.checksum, object.progressText);
    }
  }
  return Status::ok();
}

}  // namespace slotsmith::transaction
