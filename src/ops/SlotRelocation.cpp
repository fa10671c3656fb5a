#include "ops/SlotRelocation.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>
#include <unordered_set>

namespace slotsmith {

namespace {

constexpr int kEmpty = -1;
constexpr int kParked = -2;
// Cells holding staged copies carry this base plus the copy's index, far above any position.
constexpr int kCopyBase = 1 << 24;
constexpr int kLastFourDigitNumber = 9999;

bool isSlotCell(int cell) {
  return cell >= 0 && cell < kCopyBase;
}

}  // namespace

SlotLayout::SlotLayout() : cells_(kSlotCount), marked_(kSlotCount, false) {
  for (int n = 0; n < kSlotCount; ++n)
    cells_[n] = n;
  updateFinalNumbers();
}

SlotLayout SlotLayout::afterCopy(const std::vector<int>& slots, int destination) {
  SlotLayout layout;
  layout.stage(slots);
  layout.shiftUpFrom(destination, static_cast<int>(slots.size()));
  layout.place(destination);
  return layout;
}

SlotLayout SlotLayout::afterCopyFromOutside(const std::vector<std::string>& folders,
                                            int destination) {
  SlotLayout layout;
  layout.stageFromOutside(folders);
  layout.shiftUpFrom(destination, static_cast<int>(folders.size()));
  layout.place(destination);
  return layout;
}

SlotLayout SlotLayout::afterMove(const std::vector<int>& slots, int destination) {
  SlotLayout layout;
  layout.park(slots);
  layout.compactFrom(destination);
  layout.shiftUpFrom(destination, static_cast<int>(slots.size()));
  layout.place(destination);
  return layout;
}

void SlotLayout::park(const std::vector<int>& slots) {
  for (int position : slots) {
    parked_.push_back(cells_[position]);
    cells_[position] = kParked;
  }
  updateFinalNumbers();
}

void SlotLayout::mark(const std::vector<int>& slots) {
  for (int position : slots)
    marked_[position] = true;
}

void SlotLayout::clear(const std::vector<int>& slots) {
  for (int position : slots)
    cells_[position] = kEmpty;
  updateFinalNumbers();
}

void SlotLayout::stage(const std::vector<int>& slots) {
  for (int position : slots) {
    if (!isSlotCell(cells_[position])) continue;
    parked_.push_back(kCopyBase + static_cast<int>(copySources_.size()));
    copySources_.push_back(cells_[position]);
    copyOutsideSources_.emplace_back();
  }
}

void SlotLayout::stageFromOutside(const std::vector<std::string>& folders) {
  for (const std::string& folder : folders) {
    if (folder.empty()) {
      parked_.push_back(kEmpty);
      continue;
    }
    parked_.push_back(kCopyBase + static_cast<int>(copySources_.size()));
    copySources_.push_back(-1);
    copyOutsideSources_.push_back(folder);
  }
}

void SlotLayout::compactFrom(int start) {
  const int end = std::min(std::max(start, 0), kSlotCount);
  for (int position = 0; position < end; ++position) {
    if (cells_[position] == kParked) cells_[position] = kEmpty;
  }
  int destination = end;
  for (int source = end; source < kSlotCount; ++source) {
    if (cells_[source] != kParked && !marked_[source]) cells_[destination++] = cells_[source];
  }
  for (; destination < kSlotCount; ++destination)
    cells_[destination] = kEmpty;
  marked_.assign(kSlotCount, false);
  updateFinalNumbers();
}

void SlotLayout::shiftUpFrom(int from, int count) {
  if (from > kSlotCount - 1 || count <= 0) return;
  from = std::max(from, 0);
  if (cells_.size() < static_cast<std::size_t>(kSlotCount) + static_cast<std::size_t>(count)) {
    cells_.resize(kSlotCount + count, kEmpty);
  }
  for (int position = kSlotCount - 1; position >= from; --position) {
    cells_[position + count] = cells_[position];
    cells_[position] = kEmpty;
  }
  updateFinalNumbers();
}

void SlotLayout::place(int destination) {
  const std::size_t end = static_cast<std::size_t>(destination) + parked_.size();
  if (cells_.size() < end) cells_.resize(end, kEmpty);
  for (std::size_t k = 0; k < parked_.size(); ++k)
    cells_[destination + k] = parked_[k];
  parked_.clear();
  updateFinalNumbers();
}

std::vector<SlotCopy> SlotLayout::copies() const {
  std::vector<SlotCopy> result;
  for (std::size_t k = 0; k < copySources_.size(); ++k) {
    if (copyTargets_[k] != kRemoved) {
      result.push_back({copySources_[k], copyTargets_[k], copyOutsideSources_[k]});
    }
  }
  return result;
}

void SlotLayout::updateFinalNumbers() {
  finalNumber_.fill(kRemoved);
  copyTargets_.assign(copySources_.size(), kRemoved);
  for (std::size_t position = 0; position < cells_.size(); ++position) {
    const int cell = cells_[position];
    if (isSlotCell(cell)) {
      finalNumber_[cell] = static_cast<int>(position);
    } else if (cell >= kCopyBase) {
      copyTargets_[cell - kCopyBase] = static_cast<int>(position);
    }
  }
}

std::array<bool, kSlotCount> slotFoldersInListing(Bank bank,
                                                  const std::vector<std::string>& listing) {
  std::array<bool, kSlotCount> present{};
  for (const std::string& name : listing) {
    const std::optional<int> number = slotNumberFromFolderName(bank, name);
    if (number && *number < kSlotCount) present[*number] = true;
  }
  return present;
}

namespace {

// One folder that has to get a new name: a slot folder or a staging copy on its way to its place.
struct PendingRename {
  std::string from;
  std::string to;
  std::string label;  // names the folder in temporary names, e.g. "005"
};

// Builds the steps of one relocation. Names that are taken (listed, or handed out by this plan)
// are remembered so that no two folders are ever sent to the same name.
class RelocationPlanner {
 public:
  RelocationPlanner(Bank bank, const std::string& root, const std::vector<std::string>& listing)
      : bank_(bank), root_(root), bankPath_(bankFolderPath(root, bank)) {
    takenNames_.insert(listing.begin(), listing.end());
    prefix_ = choosePrefix(listing);
  }

  SlotRelocation plan(const std::vector<std::string>& listing, const SlotLayout& layout);

 private:
  static std::string choosePrefix(const std::vector<std::string>& listing);
  static std::string threeDigits(int number);
  std::string temporaryPath(const std::string& purpose);
  std::string slotPath(int number) const { return slotFolderPath(root_, bank_, number); }
  bool resolveNumber(int wanted, int& resolved);
  void orderRenames(std::vector<EditStep>& steps);
  void emitRename(const std::string& from, const std::string& to, std::vector<EditStep>& steps);

  Bank bank_;
  std::string root_;
  std::string bankPath_;
  std::string prefix_;
  std::unordered_set<std::string> takenNames_;
  std::vector<PendingRename> pending_;
  SlotRelocation result_;
};

std::string RelocationPlanner::choosePrefix(const std::vector<std::string>& listing) {
  for (int run = 1;; ++run) {
    std::string prefix = "slotsmith-" + std::to_string(run) + "-";
    const bool inUse = std::any_of(listing.begin(), listing.end(), [&](const std::string& name) {
      return name.starts_with(prefix);
    });
    if (!inUse) return prefix;
  }
}

std::string RelocationPlanner::threeDigits(int number) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%03d", number);
  return digits;
}

std::string RelocationPlanner::temporaryPath(const std::string& purpose) {
  std::string name = prefix_ + purpose;
  name += slotFolderExtension(bank_);
  takenNames_.insert(name);
  std::string path = bankPath_ + "/" + name;
  result_.temporaryPaths.push_back(path);
  return path;
}

// A number of 1000 or more keeps its own overflow name when that is free; otherwise the lowest
// free four-digit number takes its place, so that no leftover is ever overwritten.
bool RelocationPlanner::resolveNumber(int wanted, int& resolved) {
  if (wanted < kSlotCount) {
    resolved = wanted;
    return true;
  }
  auto isFree = [&](int number) { return !takenNames_.count(slotFolderName(bank_, number)); };
  resolved = wanted;
  if (!isFree(resolved)) {
    resolved = kSlotCount;
    while (resolved <= kLastFourDigitNumber && !isFree(resolved))
      ++resolved;
    if (resolved > kLastFourDigitNumber) return false;
  }
  takenNames_.insert(slotFolderName(bank_, resolved));
  return true;
}

void RelocationPlanner::emitRename(const std::string& from, const std::string& to,
                                   std::vector<EditStep>& steps) {
  EditStep step;
  step.kind = EditStep::Kind::RenameFolder;
  step.from = from;
  step.to = to;
  steps.push_back(std::move(step));
}

// Every target is either free or the source of exactly one other pending rename, and every
// source is the target of at most one: the renames form chains and cycles. A chain runs from its
// free end backwards; a cycle first sends one folder to a temporary name.
void RelocationPlanner::orderRenames(std::vector<EditStep>& steps) {
  std::unordered_map<std::string, std::size_t> renameFrom;
  for (std::size_t i = 0; i < pending_.size(); ++i)
    renameFrom[pending_[i].from] = i;
  std::vector<bool> done(pending_.size(), false);
  auto blockerOf = [&](std::size_t i) -> std::ptrdiff_t {
    auto found = renameFrom.find(pending_[i].to);
    if (found == renameFrom.end() || done[found->second]) return -1;
    return static_cast<std::ptrdiff_t>(found->second);
  };
  for (std::size_t first = 0; first < pending_.size(); ++first) {
    if (done[first]) continue;
    std::vector<std::size_t> chain{first};
    bool cycle = false;
    for (std::ptrdiff_t next = blockerOf(first); next >= 0; next = blockerOf(chain.back())) {
      if (static_cast<std::size_t>(next) == first) {
        cycle = true;
        break;
      }
      chain.push_back(static_cast<std::size_t>(next));
    }
    std::string parkedAt;
    if (cycle) {
      parkedAt = temporaryPath("moving-" + pending_[first].label);
      emitRename(pending_[first].from, parkedAt, steps);
    }
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
      if (cycle && *it == first) continue;
      emitRename(pending_[*it].from, pending_[*it].to, steps);
      done[*it] = true;
    }
    if (cycle) emitRename(parkedAt, pending_[first].to, steps);
    done[first] = true;
  }
}

SlotRelocation RelocationPlanner::plan(const std::vector<std::string>& listing,
                                       const SlotLayout& layout) {
  const std::array<bool, kSlotCount> present = slotFoldersInListing(bank_, listing);
  std::vector<EditStep> copySteps, asideSteps, placeSteps, removeSteps;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const int wanted = layout.finalNumberOf(slot);
    result_.finalNumbers[slot] = wanted;
    if (!present[slot] || wanted == slot) continue;
    if (wanted == SlotLayout::kRemoved) {
      const std::string aside = temporaryPath("deleted-" + threeDigits(slot));
      emitRename(slotPath(slot), aside, asideSteps);
      removeSteps.push_back({EditStep::Kind::RemoveFolder, aside, {}, {}});
      continue;
    }
    int resolved = 0;
    if (!resolveNumber(wanted, resolved)) {
      result_.status = Status::refused("no free four-digit folder name is left in " + bankPath_);
      return std::move(result_);
    }
    result_.finalNumbers[slot] = resolved;
    if (resolved >= kSlotCount) {
      result_.slotsLeavingBank.push_back(slot);
      result_.notes.push_back(slotPath(slot) + " goes to " + slotPath(resolved) +
                              ", outside the bank");
    }
    pending_.push_back({slotPath(slot), slotPath(resolved), threeDigits(slot)});
  }
  for (const SlotCopy& copy : layout.copies()) {
    const bool outside = !copy.outsideSource.empty();
    if (!outside && !present[copy.source]) continue;
    int resolved = 0;
    if (!resolveNumber(copy.target, resolved)) {
      result_.status = Status::refused("no free four-digit folder name is left in " + bankPath_);
      return std::move(result_);
    }
    const std::string staging = outside ? temporaryPath("import-to-" + threeDigits(copy.target))
                                        : temporaryPath("copy-of-" + threeDigits(copy.source) +
                                                        "-to-" + threeDigits(copy.target));
    copySteps.push_back({EditStep::Kind::CopyFolder,
                         outside ? copy.outsideSource : slotPath(copy.source),
                         staging,
                         {}});
    pending_.push_back({staging, slotPath(resolved), threeDigits(copy.target)});
  }
  orderRenames(placeSteps);
  for (auto* part : {&copySteps, &asideSteps, &placeSteps, &removeSteps}) {
    for (EditStep& step : *part)
      result_.steps.push_back(std::move(step));
  }
  return std::move(result_);
}

}  // namespace

SlotRelocation planSlotRelocation(Bank bank, const std::string& root,
                                  const std::vector<std::string>& listing,
                                  const SlotLayout& layout) {
  RelocationPlanner planner(bank, root, listing);
  return planner.plan(listing, layout);
}

}  // namespace slotsmith
