#include "core/Duplicates.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "core/DatabasePaths.h"
#include "core/SlotNames.h"
#include "core/SlotTables.h"
#include "core/SoundScriptFile.h"
#include "core/UserText.h"

namespace slotsmith {
namespace {

// The script without the lines (with their endings) whose key is a name key.
std::string withoutNameLines(std::string_view script) {
  std::string kept;
  kept.reserve(script.size());
  for (std::size_t pos = 0; pos < script.size();) {
    std::size_t end = script.find('\n', pos);
    end = end == std::string_view::npos ? script.size() : end + 1;
    const std::string_view line = script.substr(pos, end - pos);
    const std::size_t tab = line.find('\t');
    const bool isNameLine =
        tab != std::string_view::npos && soundNamePosition(line.substr(0, tab)) >= 0;
    if (!isNameLine) kept += line;
    pos = end;
  }
  return kept;
}

void sortGroups(std::vector<std::vector<int>>& groups) {
  std::erase_if(groups, [](const std::vector<int>& group) { return group.size() < 2; });
  // Members are added in ascending slot order, so each group is sorted already.
  std::sort(groups.begin(), groups.end());
}

}  // namespace

DuplicateGroups findDuplicateModels(FileSystem& fs, const std::string& root,
                                    FolderIdentityOptions options) {
  DuplicateGroups result;
  std::vector<int> slots;
  std::vector<std::string> folders;
  for (int n = 0; n < kSlotCount; ++n) {
    const std::string nameFile = modelNamePath(root, n);
    if (fs.entryType(nameFile) == EntryType::Missing) continue;
    if (!fs.canReadFile(nameFile)) {
      result.unreadable.push_back(
          Status::ioError(nameFile, userText(USER_TEXT("Duplicates", "not a readable file"))));
      continue;
    }
    slots.push_back(n);
    folders.push_back(slotFolderPath(root, Bank::Models, n));
  }
  const IdenticalFolderGroups identical = groupIdenticalFolders(fs, folders, options);
  for (const std::vector<std::size_t>& group : identical.groups) {
    std::vector<int>& slotGroup = result.groups.emplace_back();
    for (std::size_t index : group)
      slotGroup.push_back(slots[index]);
  }
  for (const UnreadableFolder& folder : identical.unreadable)
    result.unreadable.push_back(folder.status);
  // Paths hold the zero-filled slot numbers: in path order the reports are in slot order.
  std::sort(result.unreadable.begin(), result.unreadable.end(),
            [](const Status& a, const Status& b) { return a.path() < b.path(); });
  sortGroups(result.groups);
  return result;
}

DuplicateGroups findDuplicateSounds(FileSystem& fs, const std::string& root) {
  DuplicateGroups result;
  std::unordered_map<std::string, std::size_t> groupOfScript;
  std::string bytes;
  for (int n = 0; n < kSlotCount; ++n) {
    const Status status = readSoundScriptFile(fs, root, n, bytes);
    if (status.isNotFound()) continue;
    if (!status.isOk()) {
      result.unreadable.push_back(status);
      continue;
    }
    const auto [found, isNew] =
        groupOfScript.try_emplace(withoutNameLines(bytes), result.groups.size());
    if (isNew) result.groups.emplace_back();
    result.groups[found->second].push_back(n);
  }
  sortGroups(result.groups);
  return result;
}

}  // namespace slotsmith
