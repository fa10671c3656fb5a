#include "ops/ChangedTree.h"

#include <optional>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "core/Database.h"
#include "core/DatabasePaths.h"
#include "core/UserText.h"

namespace slotsmith {

namespace {

class ChangedTreeView final : public FileSystem {
 public:
  ChangedTreeView(FileSystem& fs, const EditPlan& plan) : fs_(fs) {
    for (const Change& change : plan.changes) {
      switch (change.kind) {
        case Change::Kind::Move:
        case Change::Kind::Copy:
          arrivals_[change.to] = change.from;
          addToParent(change.to);
          if (change.kind == Change::Kind::Move) vacated_.insert(change.from);
          break;
        case Change::Kind::Delete:
          vacated_.insert(change.from);
          break;
        case Change::Kind::Write:
          written_[change.to] = &change.contents;
          addToParent(change.to);
          break;
      }
    }
  }

  EntryType entryType(const std::string& path) override {
    if (written_.count(path)) return EntryType::File;
    std::string real;
    return locate(path, real) ? fs_.entryType(real) : EntryType::Missing;
  }

  bool canReadFile(const std::string& path) override {
    if (written_.count(path)) return true;
    std::string real;
    return locate(path, real) && fs_.canReadFile(real);
  }

  Status readFile(const std::string& path, std::string& contents, std::size_t maxBytes,
                  bool* truncated = nullptr) override {
    if (auto found = written_.find(path); found != written_.end()) {
      const std::string& bytes = *found->second;
      contents.assign(bytes, 0, std::min(maxBytes, bytes.size()));
      if (truncated) *truncated = bytes.size() > maxBytes;
      return Status::ok();
    }
    std::string real;
    if (!locate(path, real)) return Status::notFound(path);
    return fs_.readFile(real, contents, maxBytes, truncated);
  }

  Status listFolder(const std::string& path, std::vector<std::string>& names) override {
    names.clear();
    std::string real;
    if (locate(path, real)) {
      if (Status s = fs_.listFolder(real, names); !s.isOk() && !s.isNotFound()) return s;
    }
    // What left this folder is gone; what arrives in it is added once.
    std::erase_if(names, [&](const std::string& name) {
      const std::string child = path + "/" + name;
      return vacated_.count(child) && !arrivals_.count(child) && !written_.count(child);
    });
    if (auto found = added_.find(path); found != added_.end()) {
      std::unordered_set<std::string> present(names.begin(), names.end());
      for (const std::string& name : found->second) {
        if (present.insert(name).second) names.push_back(name);
      }
    }
    return Status::ok();
  }

  Status diskUsage(const std::string& path, std::uint64_t&) override { return refuse(path); }
  Status writeFileAtomically(const std::string& path, const std::string&) override {
    return refuse(path);
  }
  Status createFile(const std::string& path, const std::string&) override { return refuse(path); }
  Status createFolder(const std::string& path) override { return refuse(path); }
  Status renameFolder(const std::string& from, const std::string&) override { return refuse(from); }
  Status copyFolder(const std::string& from, const std::string&) override { return refuse(from); }
  Status removeFolder(const std::string& path) override { return refuse(path); }
  bool isWritableFolder(const std::string&) override { return false; }
  Status renameFile(const std::string& from, const std::string&) override { return refuse(from); }
  Status appendToFileDurably(const std::string& path, const std::string&) override {
    return refuse(path);
  }
  Status syncFileSystem(const std::string& path) override { return refuse(path); }
  Status lockFile(const std::string& path, const std::string&,
                  std::unique_ptr<FileLock>&) override {
    return refuse(path);
  }

 private:
  static Status refuse(const std::string& path) {
    return Status::invalid(
        path, userText(USER_TEXT("Transaction", "the view of an edit's result is read only")));
  }

  void addToParent(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash != std::string::npos) added_[path.substr(0, slash)].push_back(path.substr(slash + 1));
  }

  // Where the entry at path after the edit lies now; false when it will not exist. The nearest
  // folder above it (or itself) that the edit moves, copies or deletes decides.
  bool locate(const std::string& path, std::string& real) const {
    for (std::size_t end = path.size();;) {
      const std::string folder = path.substr(0, end);
      if (auto found = arrivals_.find(folder); found != arrivals_.end()) {
        real = found->second + path.substr(end);
        return true;
      }
      if (vacated_.count(folder)) return false;
      end = path.rfind('/', end - 1);
      if (end == std::string::npos || end == 0) break;
    }
    real = path;
    return true;
  }

  FileSystem& fs_;
  std::unordered_map<std::string, std::string> arrivals_;  // after -> now
  std::unordered_set<std::string> vacated_;
  std::unordered_map<std::string, const std::string*> written_;
  std::unordered_map<std::string, std::vector<std::string>> added_;  // folder -> new names
};

}  // namespace

std::unique_ptr<FileSystem> changedTreeView(FileSystem& fs, const EditPlan& plan) {
  return std::make_unique<ChangedTreeView>(fs, plan);
}

Status scanAfterChanges(FileSystem& fs, const std::string& root, const EditPlan& plan,
                        std::unique_ptr<SlotTables>& tables) {
  ChangedTreeView view(fs, plan);
  SilentUi silent(SilentUi::Answer::Decline);
  Database after(silent, view);
  after.setRoot(root);
  after.evaluateNeuronDb();
  if (!after.unreadableFiles().empty()) {
    return Status::ioError(after.unreadableFiles().front(),
                           userText(USER_TEXT("Transaction", "the file cannot be read")));
  }
  tables = std::make_unique<SlotTables>(after.tables());
  return Status::ok();
}

std::unique_ptr<SlotTables> tablesAfterSoundMoves(const SlotTables& scanned,
                                                  const std::string& root, const EditPlan& plan) {
  const std::string bank = bankFolderPath(root, Bank::Sounds) + "/";
  const auto slotOf = [&](const std::string& path) -> std::optional<int> {
    if (!path.starts_with(bank)) return std::nullopt;
    std::optional<int> slot =
        slotNumberFromFolderName(Bank::Sounds, std::string_view(path).substr(bank.size()));
    if (slot && *slot >= kSlotCount) return std::nullopt;
    return slot;
  };
  std::vector<std::pair<int, int>> moves;
  moves.reserve(plan.changes.size());
  for (const Change& change : plan.changes) {
    if (change.kind != Change::Kind::Move) return nullptr;
    const std::optional<int> from = slotOf(change.from);
    const std::optional<int> to = slotOf(change.to);
    if (!from || !to) return nullptr;
    moves.emplace_back(*from, *to);
  }
  auto after = std::make_unique<SlotTables>(scanned);
  SlotTables empty;
  empty.initSlots();
  for (const auto& [from, to] : moves)
    after->soundSlots[from] = empty.soundSlots[from];
  for (const auto& [from, to] : moves) {
    after->soundSlots[to] = scanned.soundSlots[from];
    after->soundSlots[to].sNumber = to;
  }
  return after;
}

}  // namespace slotsmith
