#include "core/ModelIdentity.h"

#include <algorithm>
#include <compare>
#include <cstdint>
#include <map>
#include <string_view>

#include "core/DatabasePaths.h"
#include "core/UserText.h"

namespace slotsmith {
namespace {

// Model data files are tens of kilobytes; this only bounds what a damaged folder can make us
// hold in memory.
constexpr std::size_t kMaxModelFileBytes = std::size_t{1} << 30;

__extension__ typedef unsigned __int128 Uint128;

struct FolderFingerprint {
  uint64_t high = 0;
  uint64_t low = 0;
  auto operator<=>(const FolderFingerprint&) const = default;
};

// A length as eight bytes, least significant first.
struct LengthBytes {
  char bytes[8];
  std::string_view view() const { return {bytes, sizeof bytes}; }
};

LengthBytes lengthBytes(std::size_t length) {
  LengthBytes out{};
  for (int i = 0; i < 8; ++i)
    out.bytes[i] = static_cast<char>((static_cast<uint64_t>(length) >> (8 * i)) & 0xff);
  return out;
}

// FNV-1a with the 128-bit parameters.
class Fnv1a128 {
 public:
  void add(std::string_view bytes) {
    for (unsigned char c : bytes) {
      state_ ^= c;
      state_ *= kPrime;
    }
  }
  void addLength(std::size_t length) { add(lengthBytes(length).view()); }
  FolderFingerprint value() const {
    return {static_cast<uint64_t>(state_ >> 64), static_cast<uint64_t>(state_)};
  }

 private:
  static constexpr Uint128 kPrime = (Uint128{0x0000000001000000} << 64) | 0x000000000000013B;
  Uint128 state_ = (Uint128{0x6c62272e07bb0142} << 64) | 0x62b821756295c58d;
};

struct TreeEntry {
  std::string relativePath;
  bool isFolder;
  bool operator==(const TreeEntry&) const = default;
};

using Tree = std::vector<TreeEntry>;

Status listTreeBelow(FileSystem& fs, const std::string& root, const std::string& relative,
                     bool includeModelName, Tree& tree) {
  const std::string folder = relative.empty() ? root : root + "/" + relative;
  // The listing tells each entry's kind where the disk's file system records it there: a model
  // folder costs one listing, not a look at each of its files.
  std::vector<FolderEntry> entries;
  if (Status status = fs.listFolderEntries(folder, entries); !status.isOk()) return status;
  for (const FolderEntry& listed : entries) {
    const std::string& name = listed.name;
    if (relative.empty() && !includeModelName && name == kModelNameFileName) continue;
    const std::string entry = relative.empty() ? name : relative + "/" + name;
    const std::string path = root + "/" + entry;
    switch (listed.type) {
      case EntryType::File:
        tree.push_back({entry, false});
        break;
      case EntryType::Folder:
        tree.push_back({entry, true});
        if (Status status = listTreeBelow(fs, root, entry, includeModelName, tree);
            !status.isOk()) {
          return status;
        }
        break;
      case EntryType::Other:
        return Status::invalid(
            path, userText(USER_TEXT(
                      "Duplicates", "not a regular file or folder; the model cannot be compared")));
      case EntryType::Missing:
        return Status::ioError(
            path, userText(USER_TEXT("Duplicates", "disappeared while the folder was read")));
    }
  }
  return Status::ok();
}

// Every entry below the folder, sorted by relative path, so that listing order never matters.
Status listTree(FileSystem& fs, const std::string& folder, FolderIdentityOptions options,
                Tree& tree) {
  tree.clear();
  Status status = listTreeBelow(fs, folder, "", options.includeModelName, tree);
  std::sort(tree.begin(), tree.end(),
            [](const TreeEntry& a, const TreeEntry& b) { return a.relativePath < b.relativePath; });
  return status;
}

Status readModelFile(FileSystem& fs, const std::string& path, std::string& bytes) {
  bool truncated = false;
  if (Status status = fs.readFile(path, bytes, kMaxModelFileBytes, &truncated); !status.isOk()) {
    return status;
  }
  if (truncated) {
    return Status::invalid(
        path, userText(USER_TEXT("Duplicates", "larger than 1 GiB; the model cannot be compared")));
  }
  return Status::ok();
}

// Feeds the tree to hash (anything with add(bytes) and addLength(n)): each entry's kind, path
// and bytes, every field length-prefixed, so that no two different trees feed the same stream.
template <typename Hash>
Status feedTree(FileSystem& fs, const std::string& folder, const Tree& tree, Hash& hash) {
  std::string bytes;
  for (const TreeEntry& entry : tree) {
    hash.add(entry.isFolder ? "D" : "F");
    hash.addLength(entry.relativePath.size());
    hash.add(entry.relativePath);
    if (entry.isFolder) continue;
    if (Status status = readModelFile(fs, folder + "/" + entry.relativePath, bytes);
        !status.isOk()) {
      return status;
    }
    hash.addLength(bytes.size());
    hash.add(bytes);
  }
  return Status::ok();
}

Status fingerprintTree(FileSystem& fs, const std::string& folder, const Tree& tree,
                       FolderFingerprint& fingerprint) {
  Fnv1a128 hash;
  if (Status status = feedTree(fs, folder, tree, hash); !status.isOk()) return status;
  fingerprint = hash.value();
  return Status::ok();
}

// SHA-256 fed the way feedTree feeds a hash.
class TreeSha256 {
 public:
  void add(std::string_view bytes) { sha_.update(bytes); }
  void addLength(std::size_t length) { sha_.update(lengthBytes(length).view()); }
  Digest finish() { return sha_.finish(); }

 private:
  Sha256 sha_;
};

// A folder as the grouping holds it between its two passes.
struct ListedFolder {
  std::size_t index;
  Tree tree;
  FolderFingerprint fingerprint;
};

// Splits candidates into those identical to the representative (same tree, same bytes) and the
// rest, reading the representative's files once and each candidate's files at most once.
// Candidates that cannot be read are reported and dropped; a representative that cannot be read
// leaves every candidate undecided in the rest.
void confirmMatches(FileSystem& fs, const std::vector<std::string>& folders,
                    const ListedFolder& representative,
                    std::vector<const ListedFolder*>& candidates,
                    std::vector<const ListedFolder*>& rest, IdenticalFolderGroups& result) {
  std::vector<const ListedFolder*> alive;
  for (const ListedFolder* candidate : candidates) {
    (candidate->tree == representative.tree ? alive : rest).push_back(candidate);
  }
  std::string expected;
  std::string actual;
  for (const TreeEntry& entry : representative.tree) {
    if (entry.isFolder || alive.empty()) continue;
    const std::string& base = folders[representative.index];
    if (Status status = readModelFile(fs, base + "/" + entry.relativePath, expected);
        !status.isOk()) {
      result.unreadable.push_back({representative.index, status});
      rest.insert(rest.end(), alive.begin(), alive.end());
      candidates.clear();
      return;
    }
    std::vector<const ListedFolder*> stillAlike;
    for (const ListedFolder* candidate : alive) {
      const std::string path = folders[candidate->index] + "/" + entry.relativePath;
      if (Status status = readModelFile(fs, path, actual); !status.isOk()) {
        result.unreadable.push_back({candidate->index, status});
      } else {
        (actual == expected ? stillAlike : rest).push_back(candidate);
      }
    }
    alive = std::move(stillAlike);
  }
  candidates = std::move(alive);
}

// Turns the folders that share one fingerprint into confirmed groups.
void groupSharedFingerprint(FileSystem& fs, const std::vector<std::string>& folders,
                            std::vector<const ListedFolder*> remaining,
                            IdenticalFolderGroups& result) {
  while (remaining.size() >= 2) {
    const ListedFolder& representative = *remaining.front();
    std::vector<const ListedFolder*> candidates(remaining.begin() + 1, remaining.end());
    std::vector<const ListedFolder*> rest;
    confirmMatches(fs, folders, representative, candidates, rest, result);
    if (!candidates.empty()) {
      std::vector<std::size_t> group{representative.index};
      for (const ListedFolder* member : candidates)
        group.push_back(member->index);
      std::sort(group.begin(), group.end());
      result.groups.push_back(std::move(group));
    }
    std::sort(rest.begin(), rest.end(),
              [](const ListedFolder* a, const ListedFolder* b) { return a->index < b->index; });
    remaining = std::move(rest);
  }
}

}  // namespace

Status compareModelFolders(FileSystem& fs, const std::string& first, const std::string& second,
                           FolderIdentityOptions options, bool& identical) {
  Tree firstTree;
  Tree secondTree;
  if (Status status = listTree(fs, first, options, firstTree); !status.isOk()) return status;
  if (Status status = listTree(fs, second, options, secondTree); !status.isOk()) return status;
  identical = firstTree == secondTree;
  std::string firstBytes;
  std::string secondBytes;
  for (const TreeEntry& entry : firstTree) {
    if (!identical) break;
    if (entry.isFolder) continue;
    Status status = readModelFile(fs, first + "/" + entry.relativePath, firstBytes);
    if (status.isOk()) status = readModelFile(fs, second + "/" + entry.relativePath, secondBytes);
    if (!status.isOk()) return status;
    identical = firstBytes == secondBytes;
  }
  return Status::ok();
}

IdenticalFolderGroups groupIdenticalFolders(FileSystem& fs, const std::vector<std::string>& folders,
                                            FolderIdentityOptions options) {
  IdenticalFolderGroups result;
  std::vector<ListedFolder> listed;
  for (std::size_t i = 0; i < folders.size(); ++i) {
    ListedFolder folder{i, {}, {}};
    Status status = listTree(fs, folders[i], options, folder.tree);
    if (status.isOk()) status = fingerprintTree(fs, folders[i], folder.tree, folder.fingerprint);
    if (status.isOk()) {
      listed.push_back(std::move(folder));
    } else {
      result.unreadable.push_back({i, status});
    }
  }
  // Pointers into listed are taken only once it no longer grows.
  std::map<FolderFingerprint, std::vector<const ListedFolder*>> byFingerprint;
  for (const ListedFolder& folder : listed)
    byFingerprint[folder.fingerprint].push_back(&folder);
  for (auto& [fingerprint, members] : byFingerprint)
    groupSharedFingerprint(fs, folders, members, result);

  std::sort(result.groups.begin(), result.groups.end());
  std::sort(result.unreadable.begin(), result.unreadable.end(),
            [](const UnreadableFolder& a, const UnreadableFolder& b) { return a.index < b.index; });
  return result;
}

Status modelDataDigest(FileSystem& fs, const std::string& folder, Digest& digest) {
  Tree tree;
  if (Status status = listTree(fs, folder, {.includeModelName = false}, tree); !status.isOk()) {
    return status;
  }
  TreeSha256 hash;
  if (Status status = feedTree(fs, folder, tree, hash); !status.isOk()) return status;
  digest = hash.finish();
  return Status::ok();
}

}  // namespace slotsmith
