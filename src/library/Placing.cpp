#include "library/Placing.h"

#include <algorithm>
#include <map>
#include <set>

#include "core/Database.h"
#include "core/UserText.h"
#include "library/Identity.h"
#include "ops/Journal.h"
#include "ops/Transaction.h"
#if defined(SLOTSMITH_PACKS)
#include "packs/Backup.h"
#include "packs/Pack.h"
#endif

namespace slotsmith {

namespace {

int kindOrder(SourceKind kind) {
  return kind == SourceKind::Database ? 0 : kind == SourceKind::Pack ? 1 : 2;
}

// What one source holds now, read once for every slot the list may take from it.
struct SourceNow {
  std::string reason;  // why it cannot be read; empty when it was
  std::map<int, SoundIdentity> identities;
};

class PlaceFinder {
 public:
  PlaceFinder(FileSystem& fs, const ArchiveOpener& openArchive, ListPlacing& placing)
      : fs_(fs), openArchive_(openArchive), placing_(placing) {}

  void wantSlots(const std::vector<ListItem>& items) {
    for (const ListItem& item : items) {
      for (const ListPlace& place : item.places)
        wanted_[place.source].push_back(place.slot);
    }
  }

  const SourceNow& sourceNow(const ListPlace& place) {
    if (const auto known = read_.find(place.source); known != read_.end()) return known->second;
    SourceNow& now = read_[place.source];
    FileSystem* fs = &fs_;
    if (place.kind == SourceKind::Database) {
      now.reason = holdDatabase(place.source);
    } else {
      fs = openArchive_ ? openArchive_(place, now.reason) : nullptr;
      if (fs == nullptr && now.reason.empty())
        now.reason = userText(USER_TEXT("Library", "this build reads no archives"));
    }
    if (now.reason.empty())
      now.identities = readSoundIdentities(*fs, place.source, wanted_[place.source]);
    return now;
  }

 private:
  // Why the database cannot be read now, or empty with its shared lock taken.
  std::string holdDatabase(const std::string& root) {
    if (fs_.entryType(root) != EntryType::Folder || !isValidDatabase(root, fs_)) {
      return userText(USER_TEXT("Library", "not found"));
    }
    std::unique_ptr<FileLock> lock;
    if (Status locked = fs_.lockFileShared(lockFilePath(root), lock); !locked.isOk()) {
      return locked.code() == Status::Code::AlreadyExists
                 ? userText(USER_TEXT("Library", "an edit is running there"))
                 : locked.message();
    }
    if (hasUnfinishedTransaction(fs_, root)) {
      return userText(USER_TEXT("Library", "an interrupted edit is unfinished there"));
    }
    placing_.locks.push_back(std::move(lock));
    return {};
  }

  FileSystem& fs_;
  const ArchiveOpener& openArchive_;
  ListPlacing& placing_;
  std::map<std::string, std::vector<int>> wanted_;
  std::map<std::string, SourceNow> read_;
};

// Finds a place for each item's sound, reading each source at most once.
Status findPlaces(std::vector<ListItem>& items, const std::string& target, FileSystem& fs,
                  const ArchiveOpener& openArchive, ListPlacing& placing) {
  const std::string targetPath = realPathOf(sourcePathOf(target));
  std::set<int> inTargetOnly;  // positions of items that lie in the target, perhaps elsewhere too
  for (ListItem& item : items) {
    if (std::erase_if(item.places, [&](const ListPlace& place) {
          return realPathOf(place.source) == targetPath;
        }) > 0) {
      inTargetOnly.insert(item.position);
    }
    // Databases are cheap to check and need nothing read whole; archives come after them.
    std::stable_sort(item.places.begin(), item.places.end(),
                     [](const ListPlace& a, const ListPlace& b) {
                       return kindOrder(a.kind) < kindOrder(b.kind);
                     });
  }
  PlaceFinder finder(fs, openArchive, placing);
  finder.wantSlots(items);
  for (const ListItem& item : items) {
    std::string why;
    bool found = false;
    for (const ListPlace& place : item.places) {
      const SourceNow& now = finder.sourceNow(place);
      const auto sound = now.identities.find(place.slot);
      if (now.reason.empty() && sound != now.identities.end() &&
          sound->second.identity == item.identity) {
        placing.sounds.push_back({place.source, place.slot});
        found = true;
        break;
      }
      const std::string reason = !now.reason.empty() ? now.reason
                                 : sound == now.identities.end()
                                     ? userText(USER_TEXT("Library", "no sound there now"))
                                     : userText(USER_TEXT("Library", "holds another sound now"));
      why +=
          (why.empty() ? "" : "; ") +
          userText(
              USER_TEXT("Library", "{source} slot {slot}: {reason}"),
              {{"source", place.source}, {"slot", std::to_string(place.slot)}, {"reason", reason}});
    }
    if (found) continue;
    if (why.empty()) {
      why =
          inTargetOnly.count(item.position)
              ? userText(USER_TEXT("Library", "it lies only in {target}, the database placed into"),
                         {{"target", target}})
              : userText(USER_TEXT("Library", "no place left in the library"));
    }
    placing.unplaced.push_back(std::to_string(item.position) + " " + item.name + " (" + why + ")");
  }
  if (!placing.unplaced.empty()) placing.sounds.clear();
  return Status::ok();
}

}  // namespace

#if defined(SLOTSMITH_PACKS)
struct ArchiveViews::Views {
  std::vector<std::unique_ptr<ArchiveTree>> trees;
  std::vector<std::unique_ptr<PackFileSystem>> views;
};
#else
struct ArchiveViews::Views {
  std::vector<std::unique_ptr<FileSystem>> views;
};
#endif

ArchiveViews::ArchiveViews() : views_(std::make_unique<Views>()) {}
ArchiveViews::~ArchiveViews() = default;

FileSystem& ArchiveViews::top() {
  return views_->views.empty() ? realFileSystem() : *views_->views.back();
}

ArchiveOpener ArchiveViews::opener() {
#if defined(SLOTSMITH_PACKS)
  return [this](const ListPlace& archive, std::string& reason) -> FileSystem* {
    auto tree = std::make_unique<ArchiveTree>();
    const Status read = archive.kind == SourceKind::Pack ? readPack(archive.source, *tree)
                                                         : verifyBackup(archive.source, *tree);
    if (!read.isOk()) {
      reason = read.message();
      return nullptr;
    }
    views_->views.push_back(std::make_unique<PackFileSystem>(top(), archive.source, *tree));
    views_->trees.push_back(std::move(tree));
    return views_->views.back().get();
  };
#else
  return {};
#endif
}

Status findListPlaces(Library& library, const std::string& list, const std::string& target,
                      FileSystem& fs, const ArchiveOpener& openArchive, ListPlacing& placing) {
  placing = {};
  std::vector<ListItem> items;
  if (Status listed = listItems(library, list, items); !listed.isOk()) return listed;
  if (items.empty()) {
    return Status::refused(
        userText(USER_TEXT("Library", "The list {name} is empty."), {{"name", list}}));
  }
  return findPlaces(items, target, fs, openArchive, placing);
}

Status findSoundPlaces(Library& library, const std::vector<Digest>& identities,
                       const std::string& target, FileSystem& fs, const ArchiveOpener& openArchive,
                       ListPlacing& placing) {
  placing = {};
  if (identities.empty())
    return Status::refused(userText(USER_TEXT("Library", "No sound was chosen.")));
  std::vector<ListItem> items;
  if (Status found = soundItems(library, identities, items); !found.isOk()) return found;
  return findPlaces(items, target, fs, openArchive, placing);
}

}  // namespace slotsmith
