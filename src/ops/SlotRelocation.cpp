#include "ops/SlotRelocation.h"

#include <algorithm>
#include <unordered_set>

#include "core/UserText.h"

namespace slotsmith {

namespace {

constexpr int kEmpty = -1;
constexpr int kParked = -2;
// Cells holding staged copies carry this base plus the copy's index, far above any position.
constexpr int kCopyBase = 1 << 24;
constexpr int kLastFourDigitNumber = 9999;

Status noFreeFolderName(const std::string& bankPath) {
  return Status::refused(
      userText(USER_TEXT("Changes", "no free four-digit folder name is left in {path}"),
               {{"path", bankPath}}));
}

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

SlotLayout SlotLayout::afterArrangement(const std::vector<int>& positions,
                                        const std::vector<int>& order) {
  SlotLayout layout;
  layout.park(order);
  layout.placeAt(positions);
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

void SlotLayout::placeAt(const std::vector<int>& positions) {
  for (std::size_t k = 0; k < parked_.size() && k < positions.size(); ++k)
    cells_[positions[k]] = parked_[k];
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

// Builds the changes of one relocation. Names that are taken (listed, or handed out by this
// plan) are remembered so that no two folders are ever sent to the same overflow name.
class RelocationPlanner {
 public:
  RelocationPlanner(Bank bank, const std::string& root, const std::vector<std::string>& listing)
      : bank_(bank), root_(root), bankPath_(bankFolderPath(root, bank)) {
    takenNames_.insert(listing.begin(), listing.end());
  }

  SlotRelocation plan(const std::vector<std::string>& listing, const SlotLayout& layout);

 private:
  std::string slotPath(int number) const { return slotFolderPath(root_, bank_, number); }
  bool resolveNumber(int wanted, int& resolved);

  Bank bank_;
  std::string root_;
  std::string bankPath_;
  std::unordered_set<std::string> takenNames_;
  SlotRelocation result_;
};

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

SlotRelocation RelocationPlanner::plan(const std::vector<std::string>& listing,
                                       const SlotLayout& layout) {
  // A slot folder named in other letter cases: a file system that ignores case reads the slot
  // through it, while the plan, which goes by exact names, would take the slot for empty and
  // place another folder over it.
  for (const std::string& name : listing) {
    const std::optional<std::string> exact = slotFolderNameInOtherCase(bank_, name);
    if (!exact) continue;
    result_.status = Status::refused(
        userText(USER_TEXT("Changes",
                           "{path} is a slot folder whose name is not in lower case. Rename it to "
                           "{name} first; Slotsmith does not move slots around a name it cannot "
                           "place."),
                 {{"path", bankPath_ + "/" + name}, {"name", *exact}}));
    return std::move(result_);
  }
  const std::array<bool, kSlotCount> present = slotFoldersInListing(bank_, listing);
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const int wanted = layout.finalNumberOf(slot);
    result_.finalNumbers[slot] = wanted;
    if (!present[slot] || wanted == slot) continue;
    if (wanted == SlotLayout::kRemoved) {
      result_.changes.push_back({Change::Kind::Delete, slotPath(slot), {}, {}});
      continue;
    }
    int resolved = 0;
    if (!resolveNumber(wanted, resolved)) {
      result_.status = noFreeFolderName(bankPath_);
      return std::move(result_);
    }
    result_.finalNumbers[slot] = resolved;
    if (resolved >= kSlotCount) {
      result_.slotsLeavingBank.push_back(slot);
      result_.notes.push_back(
          userText(USER_TEXT("Changes", "{path} goes to {destination}, outside the bank"),
                   {{"path", slotPath(slot)}, {"destination", slotPath(resolved)}}));
    }
    result_.changes.push_back({Change::Kind::Move, slotPath(slot), slotPath(resolved), {}});
  }
  for (const SlotCopy& copy : layout.copies()) {
    const bool outside = !copy.outsideSource.empty();
    if (!outside && !present[copy.source]) continue;
    int resolved = 0;
    if (!resolveNumber(copy.target, resolved)) {
      result_.status = noFreeFolderName(bankPath_);
      return std::move(result_);
    }
    result_.changes.push_back({Change::Kind::Copy,
                               outside ? copy.outsideSource : slotPath(copy.source),
                               slotPath(resolved),
                               {}});
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
