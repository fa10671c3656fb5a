#include "ops/Doctor.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <set>

#include "core/DatabasePaths.h"
#include "core/ScriptKeyReader.h"
#include "core/SoundScript.h"
#include "core/SoundScriptFile.h"
#include "core/UserText.h"
#include "ops/History.h"
#include "ops/Journal.h"
#include "ops/QuestionText.h"
#include "ops/Transaction.h"
#include "ops/TransactionSteps.h"

namespace slotsmith {

namespace {

bool isTemporaryFolderName(const std::string& name) {
  constexpr std::string_view prefix = "slotsmith-";
  if (!name.starts_with(prefix)) return false;
  std::size_t at = prefix.size();
  const std::size_t digits = at;
  while (at < name.size() && name[at] >= '0' && name[at] <= '9')
    ++at;
  return at > digits && at < name.size() && name[at] == '-';
}

bool isTemporaryFileName(const std::string& name) {
  return name.size() > 1 && name[0] == '.' && name.find(".slotsmith-") != std::string::npos;
}

// "pid 1234 on host studio (slotsmith)" -> 1234 and "studio".
bool parseHolder(const std::string& text, long& pid, std::string& host) {
  if (!text.starts_with("pid ")) return false;
  const char* begin = text.data() + 4;
  const auto [end, error] = std::from_chars(begin, text.data() + text.size(), pid);
  if (error != std::errc() || end == begin) return false;
  const std::string rest(end, text.data() + text.size());
  if (!rest.starts_with(" on host ")) return false;
  host = rest.substr(
      9, rest.find(" (") == std::string::npos ? std::string::npos : rest.find(" (") - 9);
  return true;
}

// Whether a model slot's MName is there, as lstat would tell; Unknown until something found out.
enum class NameFile : unsigned char { Unknown, Present, Absent };
using NameFiles = std::array<NameFile, kSlotCount>;

// Reports the temporary files in folder; false when the folder cannot be listed. Its entries are
// left in `entries` for the caller.
bool examineTemporaryFiles(FileSystem& fs, const std::string& folder,
                           std::vector<FolderEntry>& entries,
                           std::vector<DoctorFinding>& findings) {
  if (!fs.listFolderEntries(folder, entries).isOk()) return false;
  for (const FolderEntry& entry : entries) {
    if (entry.type != EntryType::File || !isTemporaryFileName(entry.name)) continue;
    // Slotsmith stages every file it writes in its history now, so only an earlier version (or
    // another program) leaves such a name here: shown, never removed.
    findings.push_back({DoctorFinding::Kind::TemporaryFile, folder + "/" + entry.name,
                        userText(USER_TEXT("Doctor",
                                           "a file named like the temporary files of earlier "
                                           "versions, which an interrupted write left behind: "
                                           "remove it yourself if it is not yours")),
                        false});
  }
  return true;
}

// Slot folders inside a slot folder (a drag in a file manager that missed its target, a copy
// into the wrong folder): the synthesizer and the lists never look there, so the sound or model
// is as good as lost. Only the user knows whether it is a copy or the one left of it, so it is
// shown, never moved or removed.
void examineHiddenSlotFolders(const std::string& folder, const std::vector<FolderEntry>& inside,
                              std::vector<DoctorFinding>& findings) {
  for (const FolderEntry& entry : inside) {
    if (entry.type != EntryType::Folder) continue;
    for (const Bank bank : {Bank::Sounds, Bank::Models}) {
      if (!slotNumberFromFolderName(bank, entry.name)) continue;
      const TextArgument folderName{"bank", std::string(bankFolderName(bank))};
      findings.push_back(
          {DoctorFinding::Kind::HiddenSlotFolder, folder + "/" + entry.name,
           bank == Bank::Sounds
               ? userText(USER_TEXT("Doctor",
                                    "a sound slot folder inside another slot folder, where "
                                    "neither the synthesizer nor Slotsmith sees it: move it into "
                                    "a free slot of {bank} yourself to keep it"),
                          {folderName})
               : userText(USER_TEXT("Doctor",
                                    "a model slot folder inside another slot folder, where "
                                    "neither the synthesizer nor Slotsmith sees it: move it into "
                                    "a free slot of {bank} yourself to keep it"),
                          {folderName}),
           false});
    }
  }
}

// The leftovers in a bank, from its listing. For the model bank it also notes which slots have
// an MName, from what the scan read or else from the listings of their folders, so that
// references need no look-up of their own. Without lookInsideSlots the slot folders are not
// listed.
void examineBank(FileSystem& fs, const std::string& root, Bank bank, const BankListing& listing,
                 const std::bitset<kSlotCount>* modelNameFiles,
                 std::vector<DoctorFinding>& findings, NameFiles& names) {
  if (!listing.status.isOk()) return;
  if (bank == Bank::Models) {
    for (int n = 0; n < kSlotCount; ++n) {
      // No folder, or a plain file in its place: nothing can be below it.
      const EntryType type = listing.slotTypes[n];
      if (type == EntryType::Missing || type == EntryType::File) names[n] = NameFile::Absent;
      if (modelNameFiles != nullptr && modelNameFiles->test(static_cast<std::size_t>(n)))
        names[n] = NameFile::Present;
    }
  }
  const std::string folder = bankFolderPath(root, bank);
  std::vector<const FolderEntry*> folders;
  for (const FolderEntry& entry : listing.entries) {
    if (entry.type != EntryType::Folder) continue;
    // Not looking inside the slots, a slot folder in its place has nothing to show.
    if (modelNameFiles != nullptr) {
      const std::optional<int> number = slotNumberFromFolderName(bank, entry.name);
      if (number && *number < kSlotCount) continue;
    }
    folders.push_back(&entry);
  }
  std::sort(folders.begin(), folders.end(),
            [](const FolderEntry* a, const FolderEntry* b) { return a->name < b->name; });
  std::vector<FolderEntry> inside;
  for (const FolderEntry* entry : folders) {
    const std::string& name = entry->name;
    const std::string path = folder + "/" + name;
    if (isTemporaryFolderName(name)) {
      // Only the name says what it is, and Slotsmith no longer makes such folders: it may be the
      // user's own, so it is shown and never removed.
      const bool empty = fs.listFolderEntries(path, inside).isOk() && inside.empty();
      findings.push_back({DoctorFinding::Kind::TemporaryFolder, path,
                          empty ? userText(USER_TEXT("Doctor",
                                                     "an empty folder named like the temporary "
                                                     "folders of earlier versions: remove it "
                                                     "yourself if it is not yours"))
                                : userText(USER_TEXT("Doctor",
                                                     "a folder named like the temporary folders "
                                                     "of earlier versions, not empty: look into "
                                                     "it and move what you want to keep into a "
                                                     "free slot yourself")),
                          false});
      continue;
    }
    const std::optional<int> number = slotNumberFromFolderName(bank, name);
    if (number && *number >= kSlotCount) {
      findings.push_back({DoctorFinding::Kind::OverflowFolder, path,
                          userText(USER_TEXT("Doctor",
                                             "an overflow folder: a slot an edit pushed past 999, "
                                             "no longer in the bank; move it into a free slot to "
                                             "keep it")),
                          false});
    }
    if (!number || modelNameFiles != nullptr) continue;
    if (!examineTemporaryFiles(fs, path, inside, findings)) continue;
    examineHiddenSlotFolders(path, inside, findings);
    if (bank == Bank::Models && *number < kSlotCount) {
      const bool hasName = std::any_of(inside.begin(), inside.end(), [](const FolderEntry& e) {
        return e.name == kModelNameFileName;
      });
      names[*number] = hasName ? NameFile::Present : NameFile::Absent;
    }
  }
}

// A sound's script that cannot be taken for a sound, read as the scan reads it. The scan lists
// such a slot as a sound all the same, so without this finding the check would call a bank
// "undamaged" that shows blank-named sounds.
void examineSoundScript(FileSystem& fs, const std::string& root, int sound, std::string& bytes,
                        std::vector<DoctorFinding>& findings) {
  const std::string path = soundScriptPath(root, sound);
  std::string damage;
  std::string unreadable;
  ScriptKeyValues keys;
  if (Status read = fs.readFile(path, bytes, kScriptTableBytes); !read.isOk()) {
    unreadable = read.message();
  } else {
    keys = readScriptKeys(bytes);
    damage = soundScriptDamage(bytes, keys);
  }
  // The synthesizer and the lists read the first line of a key; edits renumber every line alike,
  // so the lines keep naming what they named, but the user may not know the later line is there.
  for (const auto& [repeats, key] :
       {std::pair{keys.repeatsModel1, kModel1Key}, std::pair{keys.repeatsModel2, kModel2Key}}) {
    if (!repeats || !damage.empty() || !unreadable.empty()) continue;
    findings.push_back(
        {DoctorFinding::Kind::RepeatedReference, path,
         userText(USER_TEXT("Doctor",
                            "sound {sound}: its sound.script gives the reference key {key} on "
                            "more than one line; only the first counts, and edits renumber every "
                            "line alike"),
                  {{"sound", std::to_string(sound)}, {"key", key}}),
         false});
  }
  if (!unreadable.empty()) {
    findings.push_back(
        {DoctorFinding::Kind::DamagedSoundScript, path,
         userText(USER_TEXT("Doctor",
                            "sound {sound}: its sound.script cannot be read ({reason}); it lists "
                            "as a sound all the same, without a name or with a wrong one: put the "
                            "file back from a backup, or delete the sound"),
                  {{"sound", std::to_string(sound)}, {"reason", unreadable}}),
         false});
    return;
  }
  if (damage.empty()) return;
  // What is wrong with the script comes from the script reader, which says it in a few words.
  findings.push_back(
      {DoctorFinding::Kind::DamagedSoundScript, path,
       userText(USER_TEXT("Doctor",
                          "sound {sound}: its sound.script {damage}; it lists as a sound all the "
                          "same, without a name or with a wrong one: put the file back from a "
                          "backup, or delete the sound"),
                {{"sound", std::to_string(sound)}, {"damage", damage}}),
       false});
}

bool isOwnPath(const std::string& path, int entry) {
  return path.starts_with(entryRelativePath(entry) + "/");
}

// The journal of a stuck entry as far as it proves itself.
Journal stuckJournal(FileSystem& fs, const std::string& folder, int entry) {
  std::string text;
  if (fs.entryType(folder + "/journal") != EntryType::File ||
      !fs.readFile(folder + "/journal", text, kMaxJournalBytes).isOk()) {
    return {};
  }
  return provenRecords(text, entry);
}

// One rename of a stuck edit as the doctor sees it: the place in the database, the name in the
// entry, and where the folder or file is now.
struct StuckItem {
  std::string inDatabase, inEntry;  // relative
  std::uint64_t placedChecksum = 0;
  bool placement = false;  // the entry's name goes into the database (the second phase)
};

std::vector<StuckItem> stuckItems(const Journal& journal, int entry) {
  std::vector<StuckItem> items;
  for (const JournalRename& rename : journal.renames) {
    // Only renames between the database and the entry's own names are ever acted on.
    const bool fromOwn = isOwnPath(rename.from, entry), toOwn = isOwnPath(rename.to, entry);
    if (fromOwn == toOwn) continue;
    Journal single;
    single.renames = {rename};
    if (!checkJournalPaths(single, entry).isOk()) continue;
    items.push_back(fromOwn ? StuckItem{rename.to, rename.from, rename.placedChecksum, true}
                            : StuckItem{rename.from, rename.to, 0, false});
  }
  return items;
}

// The journal of a stuck entry when it is whole, committed but not settled, of the transaction's
// shape and leads through no link: then it says which state the edit must end in.
// Only a journal of this user's is ever carried on (adopting one makes it so first).
std::optional<Journal> committedJournal(FileSystem& fs, const std::string& root, int entry) {
  const std::string folder = transaction::entryPath(root, entry);
  Journal journal;
  std::string text;
  if (fs.entryType(folder) != EntryType::Folder ||
      fs.entryType(folder + "/journal") != EntryType::File ||
      !fs.readFile(folder + "/journal", text, kMaxJournalBytes).isOk() ||
      !parseJournal(text, journal, entry).isOk() || journal.foreign) {
    return std::nullopt;
  }
  const JournalState state = journal.state;
  if (state == JournalState::Prepared || state == JournalState::Applied ||
      state == JournalState::Undone || state == JournalState::Abandoned ||
      !checkJournalShape(journal, entry).isOk() ||
      !checkJournalPathsOnDisk(fs, root, journal).isOk()) {
    return std::nullopt;
  }
  return journal;
}

// The finding of a stuck entry: what it is, then what is out of its place and what --fix does,
// each a clause of its own (joined as the English joins them), since which ones apply varies.
std::string stuckText(FileSystem& fs, const std::string& root, int entry, bool foreign) {
  const std::string folder = transaction::entryPath(root, entry);
  const Journal journal = stuckJournal(fs, folder, entry);
  const TextArgument title{"title", journal.title};
  std::string text;
  if (foreign) {
    text = journal.title.empty()
               ? userText(USER_TEXT("Doctor",
                                    "an unfinished edit made elsewhere, which Slotsmith does not "
                                    "carry out"))
               : userText(USER_TEXT("Doctor",
                                    "an unfinished edit made elsewhere \"{title}\", which "
                                    "Slotsmith does not carry out"),
                          {title});
  } else {
    text = journal.title.empty()
               ? userText(USER_TEXT("Doctor",
                                    "an interrupted edit that could be neither finished nor "
                                    "rolled back"))
               : userText(USER_TEXT("Doctor",
                                    "an interrupted edit \"{title}\" that could be neither "
                                    "finished nor rolled back"),
                          {title});
  }
  const std::vector<StuckItem> items = stuckItems(journal, entry);
  if (items.empty()) {
    std::size_t held = 0;
    std::vector<std::string> names;
    for (const char* part : {"/kept", "/moving"}) {
      if (fs.listFolder(folder + part, names).isOk()) held += names.size();
    }
    if (foreign) {
      return text + "; " +
             userText(USER_TEXT("Doctor",
                                "it names no folder of the database it took out. --fix sets the "
                                "entry aside whole in .slotsmith/aside, and edits run again"));
    }
    return text + "; " +
           userText(USER_TEXT_N("Doctor",
                                "its journal is missing or proves nothing, so where the {n} "
                                "(folder or file|folders and files) in its kept/ and moving/ "
                                "came from is not known. --fix sets the entry aside whole in "
                                ".slotsmith/aside, where you can look into them, and edits run "
                                "again"),
                    {}, static_cast<long long>(held));
  }
  std::vector<std::string> outOfPlace;
  for (const StuckItem& item : items) {
    const bool atPlace =
        fs.entryType(transaction::absolute(root, item.inDatabase)) != EntryType::Missing;
    const bool inEntry =
        fs.entryType(transaction::absolute(root, item.inEntry)) != EntryType::Missing;
    // What the edit took out and is still out is what the user misses; shown first and always.
    if (item.placement || atPlace || !inEntry) continue;
    outOfPlace.push_back(
        userText(USER_TEXT("Doctor", "{path} lies in the entry as {name}"),
                 {{"path", item.inDatabase},
                  {"name", item.inEntry.substr(entryRelativePath(entry).size() + 1)}}));
  }
  std::string list;
  for (const std::string& line : outOfPlace)
    list += list.empty() ? line : ", " + line;
  if (!outOfPlace.empty()) {
    text += "; " + userText(USER_TEXT("Doctor", "out of its place: {list}"), {{"list", list}});
  }
  if (foreign) {
    if (outOfPlace.empty())
      text += "; " + userText(USER_TEXT("Doctor", "every slot folder it names is in its place"));
    return text + ". " +
           userText(USER_TEXT("Doctor",
                              "--fix sets the entry aside whole in .slotsmith/aside, touching no "
                              "slot, and edits run again; --fix --adopt, if it is your own, "
                              "checks it and finishes or rolls it back"));
  }
  const std::string inPlace =
      "; " + userText(USER_TEXT("Doctor", "every slot folder it took out is in its place"));
  if (const std::optional<Journal> whole = committedJournal(fs, root, entry)) {
    const bool forward =
        whole->state == JournalState::Forward || whole->state == JournalState::Forward2;
    if (outOfPlace.empty()) text += inPlace;
    text += ". " + (forward ? userText(USER_TEXT("Doctor",
                                                 "Its journal is whole: --fix takes it on to the "
                                                 "state after it wherever the places are free"))
                            : userText(USER_TEXT("Doctor",
                                                 "Its journal is whole: --fix takes it on to the "
                                                 "state before it wherever the places are free")));
  } else {
    text +=
        outOfPlace.empty()
            ? inPlace
            : " (" + userText(USER_TEXT("Doctor", "--fix puts each back where it is free")) + ")";
  }
  text += ". " + userText(USER_TEXT("Doctor",
                                    "--fix then sets the entry aside in .slotsmith/aside, and "
                                    "edits run again"));
  return text;
}

void examineUnfinishedEdits(FileSystem& fs, const std::string& root,
                            std::vector<DoctorFinding>& findings) {
  if (Status own = checkOwnFolders(fs, root); !own.isOk()) {
    findings.push_back({DoctorFinding::Kind::UnfinishedEdit, own.path(),
                        userText(USER_TEXT("Doctor",
                                           "{reason}. Slotsmith makes that folder itself: remove "
                                           "the link (what it points to is not this database's "
                                           "history)"),
                                 {{"reason", own.reason()}}),
                        false});
    return;
  }
  Status unreadable;
  const std::vector<HistoryEntry> entries = readHistory(fs, root, &unreadable);
  if (!unreadable.isOk()) {
    findings.push_back({DoctorFinding::Kind::UnfinishedEdit, unreadable.path(),
                        userText(USER_TEXT("Doctor",
                                           "the undo history cannot be read ({reason}), so "
                                           "whether an edit is unfinished is not known"),
                                 {{"reason", unreadable.reason()}}),
                        false});
  }
  for (const HistoryEntry& entry : entries) {
    const std::string path = transaction::entryPath(root, entry.number);
    if (entry.foreign && entry.finished()) {
      findings.push_back(
          {DoctorFinding::Kind::ForeignHistory, path,
           userText(USER_TEXT("Doctor",
                              "the edit \"{title}\" ({state}) was made elsewhere (on another "
                              "computer, by another user or an earlier version): it is never "
                              "undone or redone here; `slotsmith history DB --adopt` makes it "
                              "yours if it is"),
                    {{"title", entry.journal.title}, {"state", stateName(entry.journal.state)}}),
           false});
      continue;
    }
    if (entry.finished()) continue;
    findings.push_back(
        {entry.foreign ? DoctorFinding::Kind::ForeignHistory : DoctorFinding::Kind::UnfinishedEdit,
         path, stuckText(fs, root, entry.number, entry.foreign), true});
  }
}

void examineAside(FileSystem& fs, const std::string& root, std::vector<DoctorFinding>& findings) {
  std::vector<std::string> names;
  if (fs.entryType(asideFolderPath(root)) != EntryType::Folder ||
      !fs.listFolder(asideFolderPath(root), names).isOk()) {
    return;
  }
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) {
    const std::string path = asideFolderPath(root) + "/" + name;
    std::uint64_t bytes = 0;
    static_cast<void>(fs.diskUsage(path, bytes));
    std::size_t items = 0;
    std::vector<std::string> inside;
    for (const char* part : {"/staged", "/kept", "/moving"}) {
      if (fs.listFolder(path + part, inside).isOk()) items += inside.size();
    }
    findings.push_back(
        {DoctorFinding::Kind::SetAside, path,
         userText(USER_TEXT_N("Doctor",
                              "an edit's folder set aside, holding {n} slot (folder or file|"
                              "folders or files) ({size}) that may be all that is left of them: "
                              "look into it, move what you want to keep into free slots, then "
                              "`slotsmith doctor DB --clear-aside {name}` deletes it"),
                  {{"size", userText(USER_TEXT_N("Counts", "{n} byte(s)"), {},
                                     static_cast<long long>(bytes))},
                   {"name", name}},
                  static_cast<long long>(items)),
         false});
  }
}

// Whether a placed folder or file is still exactly what the edit placed, by its recorded
// fingerprint: only then does taking it out of the bank again take nothing of the user's.
bool stillAsPlaced(FileSystem& fs, const std::string& path, std::uint64_t checksum) {
  // Nothing recorded proves nothing: never a pass.
  if (checksum == 0) return false;
  std::uint64_t now = 0;
  return transaction::placedChecksumNow(fs, path, now).isOk() && now == checksum;
}

// A slot the fix could not fill because something else is there (a folder a pulled card kept
// under both names): when that is not byte for byte what the entry holds for it, the slot holds
// another sound or model than the edit left there, and inDatabase goes into heldOtherwise.
void noteHeldOtherwise(FileSystem& fs, const std::string& root, const std::string& inEntry,
                       const std::string& inDatabase, std::vector<std::string>& heldOtherwise) {
  std::uint64_t kept = 0;
  std::uint64_t there = 0;
  const bool same =
      transaction::placedChecksumNow(fs, transaction::absolute(root, inEntry), kept).isOk() &&
      transaction::placedChecksumNow(fs, transaction::absolute(root, inDatabase), there).isOk() &&
      kept == there;
  if (!same) heldOtherwise.push_back(inDatabase);
}

// The slot a path relative to the root lies in ("Models/005.model/MName" is model slot 5).
std::optional<std::pair<Bank, int>> slotOfPath(std::string_view relative) {
  for (const Bank bank : {Bank::Sounds, Bank::Models}) {
    const std::string prefix = std::string(bankFolderName(bank)) + "/";
    if (!relative.starts_with(prefix)) continue;
    const std::string_view folder = relative.substr(prefix.size());
    const std::optional<int> slot =
        slotNumberFromFolderName(bank, folder.substr(0, folder.find('/')));
    if (slot && *slot < kSlotCount) return std::pair{bank, *slot};
  }
  return std::nullopt;
}

// The sounds that refer to another model than before the edit, once the fix has left the slots
// in heldOtherwise holding something else: a sound whose own folder or script is another than the
// edit left (its references were numbered for another state), and every sound referring to a
// model slot that holds another model than the edit put there. One line each, for the user.
std::vector<std::string> soundsPlayingOtherwise(FileSystem& fs, const std::string& root,
                                                const std::vector<std::string>& heldOtherwise) {
  std::set<int> sounds;
  std::set<int> models;
  for (const std::string& path : heldOtherwise) {
    if (const auto slot = slotOfPath(path))
      (slot->first == Bank::Sounds ? sounds : models).insert(slot->second);
  }
  std::vector<std::string> lines;
  std::string bytes;
  for (int sound = 0; sound < kSlotCount; ++sound) {
    if (sounds.count(sound) != 0) {
      lines.push_back(userText(USER_TEXT("Doctor",
                                         "sound {sound}: its sound.script is not the one the edit "
                                         "left (the edit's is set aside), so its references may "
                                         "name other models than before the edit"),
                               {{"sound", std::to_string(sound)}}));
      continue;
    }
    if (models.empty() ||
        !fs.readFile(soundScriptPath(root, sound), bytes, kScriptTableBytes).isOk()) {
      continue;
    }
    const ScriptKeyValues keys = readScriptKeys(bytes);
    for (const auto& [has, model] :
         {std::pair{keys.hasModel1, keys.model1}, std::pair{keys.hasModel2, keys.model2}}) {
      if (!has || models.count(model) == 0) continue;
      lines.push_back(
          userText(USER_TEXT("Doctor",
                             "sound {sound} refers to model slot {model}, which holds "
                             "another model than before the edit (the edit's is set "
                             "aside)"),
                   {{"sound", std::to_string(sound)}, {"model", std::to_string(model)}}));
    }
  }
  return lines;
}

// Puts back what a stuck entry proves it took out of its place, newest rename first, then sets
// the entry aside. Every rename goes to a free name only, so nothing is replaced.
// Drives a committed journal on towards the state its last marker promises, rename by rename,
// skipping every rename whose source is gone or whose target is taken (a folder a pulled card kept
// under both names, say): what it skips stays in the entry.
void finishWhatIsFree(FileSystem& fs, const std::string& root, const Journal& journal,
                      std::vector<std::string>& heldOtherwise) {
  using transaction::Direction;
  const JournalState state = journal.state;
  const Direction direction = state == JournalState::Forward || state == JournalState::Forward2
                                  ? Direction::Forward
                                  : Direction::Backward;
  const int from = state == JournalState::Forward2 || state == JournalState::Backward2 ? 2 : 1;
  for (int phase = from; phase <= 2; ++phase) {
    for (const JournalRename& rename : transaction::phaseRenames(journal, direction, phase)) {
      const std::string source = transaction::absolute(root, rename.from);
      const std::string target = transaction::absolute(root, rename.to);
      if (fs.entryType(source) == EntryType::Missing) continue;
      if (fs.entryType(target) != EntryType::Missing) {
        if (phase == 2) noteHeldOtherwise(fs, root, rename.from, rename.to, heldOtherwise);
        continue;
      }
      // Backwards, the first phase takes out of the slots: only what the edit placed there.
      const bool takesOut = direction == Direction::Backward && phase == 1;
      if (takesOut && !stillAsPlaced(fs, source, rename.placedChecksum)) continue;
      static_cast<void>(fs.renameFile(source, target));
    }
  }
}

Status clearStuckEntry(FileSystem& fs, const std::string& root, int entry,
                       std::vector<std::string>& heldOtherwise) {
  const std::string folder = transaction::entryPath(root, entry);
  // A journal whole and of the transaction's shape promises a state: it goes as far towards it
  // as the free places allow.
  if (const std::optional<Journal> whole = committedJournal(fs, root, entry)) {
    finishWhatIsFree(fs, root, *whole, heldOtherwise);
    if (Status s = fs.syncFileSystem(root); !s.isOk()) return s;
  } else if (fs.entryType(folder) == EntryType::Folder) {
    // Otherwise only where each item came from is proven: what is out of its place goes back.
    const std::vector<StuckItem> items = stuckItems(stuckJournal(fs, folder, entry), entry);
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
      Journal single;
      single.renames = {{it->inEntry, it->inDatabase, 0}};
      if (!checkJournalPathsOnDisk(fs, root, single).isOk()) continue;
      const std::string inDatabase = transaction::absolute(root, it->inDatabase);
      const std::string inEntry = transaction::absolute(root, it->inEntry);
      const bool atPlace = fs.entryType(inDatabase) != EntryType::Missing;
      const bool inEntryNow = fs.entryType(inEntry) != EntryType::Missing;
      if (it->placement && atPlace && !inEntryNow &&
          stillAsPlaced(fs, inDatabase, it->placedChecksum)) {
        // What the edit put in a slot goes back into the entry, making room for what it took.
        static_cast<void>(fs.renameFile(inDatabase, inEntry));
      } else if (!it->placement && !atPlace && inEntryNow) {
        static_cast<void>(fs.renameFile(inEntry, inDatabase));
      } else if (!it->placement && atPlace && inEntryNow) {
        noteHeldOtherwise(fs, root, it->inEntry, it->inDatabase, heldOtherwise);
      }
    }
    if (Status s = fs.syncFileSystem(root); !s.isOk()) return s;
  }
  return setEntryAside(fs, root, entry, nullptr);
}

}  // namespace

bool needsTheUser(const DoctorFinding& finding) {
  return finding.kind != DoctorFinding::Kind::EmptyModelReference;
}

std::vector<DoctorFinding> examineDatabase(FileSystem& fs, const std::string& root,
                                           const SlotTables& tables,
                                           const ProcessProbe& isRunning) {
  return examineDatabase(fs, root, tables, AlreadyKnown{}, isRunning);
}

std::vector<DoctorFinding> examineDatabase(FileSystem& fs, const std::string& root,
                                           const SlotTables& tables, const AlreadyKnown& known,
                                           const ProcessProbe& isRunning) {
  std::vector<DoctorFinding> findings;
  bool lookAtHistory = known.unfinishedEdit && known.foreignEntries
                           ? *known.unfinishedEdit || *known.foreignEntries > 0
                           : false;
  if (!known.unfinishedEdit || !known.foreignEntries) {
    const HistorySummary summary = summarizeHistory(fs, root);
    lookAtHistory =
        summary.ownUnfinished || summary.foreignEntries > 0 || summary.foreignUnfinished > 0;
  }
  if (lookAtHistory) examineUnfinishedEdits(fs, root, findings);
  examineAside(fs, root, findings);
  std::string lockText;
  long pid = 0;
  std::string host;
  long ownPid = 0;
  std::string ownHost;
  if (fs.readFile(lockFilePath(root), lockText, 4096).isOk() && parseHolder(lockText, pid, host) &&
      parseHolder(thisProcessDescription(), ownPid, ownHost) && host == ownHost && pid != ownPid &&
      !isRunning(pid)) {
    findings.push_back({DoctorFinding::Kind::StaleLock, lockFilePath(root),
                        userText(USER_TEXT("Doctor",
                                           "the lock names {holder}, which is not running: that "
                                           "edit was interrupted (the lock itself is free)"),
                                 {{"holder", lockText}}),
                        true});
  }
  std::vector<FolderEntry> entries;
  examineTemporaryFiles(fs, root, entries, findings);
  DatabaseListing listed;
  if (known.banks == nullptr) {
    for (Bank bank : {Bank::Sounds, Bank::Models})
      listBank(fs, root, bank, bank == Bank::Sounds ? listed.sounds : listed.models);
  }
  const DatabaseListing& banks = known.banks != nullptr ? *known.banks : listed;
  NameFiles names;
  names.fill(NameFile::Unknown);
  for (Bank bank : {Bank::Sounds, Bank::Models})
    examineBank(fs, root, bank, banks.of(bank), known.modelNameFiles, findings, names);
  std::string script;
  for (int sound = 0; sound < kSlotCount; ++sound) {
    const SoundSlot& slot = tables.soundSlots[sound];
    if (slot.sIsUsed != kSoundOccupied) continue;
    // After a scan only the scripts it found odd are read again, for what is wrong with them.
    if (known.oddSoundScripts == nullptr ||
        known.oddSoundScripts->test(static_cast<std::size_t>(sound))) {
      examineSoundScript(fs, root, sound, script, findings);
    }
    for (const int32_t model : {slot.sModel1, slot.sModel2}) {
      if (!isModelNumber(model)) continue;
      // Looked up only where no listing told: a model folder that is a link, or one that could
      // not be listed.
      NameFile& name = names[model];
      if (name == NameFile::Unknown) {
        name = fs.entryType(modelNamePath(root, model)) == EntryType::Missing ? NameFile::Absent
                                                                              : NameFile::Present;
      }
      if (name == NameFile::Present) continue;
      findings.push_back(
          {DoctorFinding::Kind::EmptyModelReference, soundScriptPath(root, sound),
           userText(USER_TEXT("Doctor",
                              "sound {sound} refers to model slot {model}, which "
                              "is empty"),
                    {{"sound", std::to_string(sound)}, {"model", std::to_string(model)}}),
           false});
    }
  }
  return findings;
}

Status fixDatabase(FileSystem& fs, const std::string& root,
                   const std::vector<DoctorFinding>& findings, std::vector<std::string>& cleared,
                   bool adopt, std::vector<std::string>* playingOtherwise) {
  const bool anything = std::any_of(findings.begin(), findings.end(),
                                    [](const DoctorFinding& f) { return f.removable; });
  if (!anything) return Status::ok();
  std::unique_ptr<FileLock> lock;
  if (Status locked = lockForWriting(fs, lockFilePath(root), lock); !locked.isOk()) {
    if (locked.code() != Status::Code::AlreadyExists) {
      return Status::refused(userText(
          USER_TEXT("Doctor", "The lock {path} cannot be taken ({reason}); nothing was cleared."),
          {{"path", lockFilePath(root)}, {"reason", locked.message()}}));
    }
    return Status::refused(userText(USER_TEXT("Doctor",
                                              "Another edit is running on this database "
                                              "({reason}); nothing was cleared."),
                                    {{"reason", locked.reason()}}));
  }
  Status result;
  std::vector<std::string> heldOtherwise;
  for (const DoctorFinding& finding : findings) {
    const bool foreign = finding.kind == DoctorFinding::Kind::ForeignHistory;
    if ((finding.kind != DoctorFinding::Kind::UnfinishedEdit && !foreign) || !finding.removable) {
      continue;
    }
    const std::size_t slash = finding.path.rfind('/');
    const std::optional<int> entry = entryNumberFromName(finding.path.substr(slash + 1));
    if (!entry) continue;
    Status s;
    if (foreign && adopt) {
      // Made this user's, then carried on by the same recovery as every interrupted edit of
      // theirs, with all its checks: one that fails them stays, now as this user's own.
      s = adoptEntry(fs, root, *entry);
      if (s.isOk()) s = recoverTransactions(fs, root, {}).status;
    } else if (foreign) {
      // Set aside whole by one rename, touching no slot: nothing of it was ever carried out.
      s = setEntryAside(fs, root, *entry, nullptr);
    } else {
      s = clearStuckEntry(fs, root, *entry, heldOtherwise);
    }
    if (!s.isOk()) {
      result = s;
      continue;
    }
    cleared.push_back(finding.path);
  }
  if (playingOtherwise != nullptr && !heldOtherwise.empty()) {
    *playingOtherwise = soundsPlayingOtherwise(fs, root, heldOtherwise);
  }
  // Holding the lock proves that nobody else does; letting it go empties the file, so the name
  // of the process that is gone goes with it.
  lock.reset();
  for (const DoctorFinding& finding : findings) {
    if (finding.kind == DoctorFinding::Kind::StaleLock) cleared.push_back(finding.path);
  }
  return result;
}

Status clearAsideEntry(FileSystem& fs, const std::string& root, const std::string& name) {
  if (name.empty() || name.find('/') != std::string::npos || name.find('\\') != std::string::npos ||
      name == "." || name == "..") {
    return Status::refused(
        userText(USER_TEXT("Doctor", "\"{name}\" is not the name of a folder set aside."),
                 {{"name", name}}));
  }
  const std::string path = asideFolderPath(root) + "/" + name;
  if (Status own = checkOwnFolders(fs, root); !own.isOk()) return own;
  if (fs.entryType(path) == EntryType::Missing) {
    return Status::refused(userText(
        USER_TEXT("Doctor", "{path} does not exist; `slotsmith doctor` lists what is set aside."),
        {{"path", path}}));
  }
  std::unique_ptr<FileLock> lock;
  if (Status locked = lockForWriting(fs, lockFilePath(root), lock); !locked.isOk()) {
    return Status::refused(userText(
        USER_TEXT("Doctor", "The lock {path} cannot be taken ({reason}); nothing was deleted."),
        {{"path", lockFilePath(root)}, {"reason", locked.message()}}));
  }
  // A link set aside is removed as a link; what it points to is never touched.
  return fs.removeFolder(path);
}

namespace {

// The journal text that marks state the same way the markers written one by one did: the state
// is the last marker, and whether the edit was ever applied is what an applied marker says.
std::string signedAgain(const Journal& journal, int entry) {
  std::string text = formatJournal(journal, entry);
  std::vector<JournalState> markers;
  if (journal.state != JournalState::Prepared) markers.push_back(JournalState::Forward);
  if (journal.everApplied) markers.push_back(JournalState::Applied);
  if (!markers.empty() && markers.back() != journal.state) markers.push_back(journal.state);
  for (JournalState state : markers)
    text += markerLine(text, entry, state);
  return text;
}

Status lockForAdoption(FileSystem& fs, const std::string& root, std::unique_ptr<FileLock>& lock) {
  if (Status locked = lockForWriting(fs, lockFilePath(root), lock); !locked.isOk()) {
    return Status::refused(userText(
        USER_TEXT("Doctor", "The lock {path} cannot be taken ({reason}); nothing was adopted."),
        {{"path", lockFilePath(root)}, {"reason", locked.message()}}));
  }
  return Status::ok();
}

}  // namespace

Status adoptEntry(FileSystem& fs, const std::string& root, int entry) {
  const std::string folder = transaction::entryPath(root, entry);
  std::string text;
  Journal journal;
  if (fs.entryType(folder) != EntryType::Folder ||
      fs.entryType(folder + "/journal") != EntryType::File) {
    return Status::refused(userText(
        USER_TEXT("Doctor", "{path} has no journal to adopt; --fix sets it aside instead."),
        {{"path", folder}}));
  }
  if (Status read = fs.readFile(folder + "/journal", text, kMaxJournalBytes); !read.isOk()) {
    return read;
  }
  if (Status parsed = parseJournal(text, journal, entry); !parsed.isOk()) {
    return Status::refused(userText(USER_TEXT("Doctor",
                                              "{path}/journal is damaged ({reason}); it cannot "
                                              "be adopted, --fix sets it aside instead."),
                                    {{"path", folder}, {"reason", parsed.reason()}}));
  }
  if (!journal.foreign) return Status::ok();
  // The oldest format rewrote its names files outside its renames: signed in today's format it
  // would say something else than it did.
  if (journal.legacy) {
    return Status::refused(userText(USER_TEXT("Doctor",
                                              "{path} was written by a much earlier version and "
                                              "cannot be adopted; --fix sets it aside instead."),
                                    {{"path", folder}}));
  }
  if (Status shape = checkJournalShape(journal, entry); !shape.isOk()) {
    return Status::refused(
        userText(USER_TEXT("Doctor", "{path}/journal {reason}; it cannot be adopted."),
                 {{"path", folder}, {"reason", shape.reason()}}));
  }
  return fs.writeFileAtomically(folder + "/journal", signedAgain(journal, entry));
}

Status adoptFinishedEntries(FileSystem& fs, const std::string& root, std::vector<int>& adopted,
                            std::vector<std::string>& refused) {
  std::unique_ptr<FileLock> lock;
  if (Status locked = lockForAdoption(fs, root, lock); !locked.isOk()) return locked;
  Status unreadable;
  const std::vector<HistoryEntry> entries = readHistory(fs, root, &unreadable);
  if (!unreadable.isOk()) return unreadable;
  for (const HistoryEntry& entry : entries) {
    if (!entry.foreign || !entry.finished()) continue;
    const std::string name =
        "#" + std::to_string(entry.number) + " \"" + entry.journal.title + "\"";
    // Its shape, no link on its paths, and its undo (or redo) data whole in the entry. What it
    // placed in the slots is checked byte for byte by the undo itself, when its turn comes: later
    // edits may have moved it on since, as they may any edit's.
    const HistoryDirection step = entry.journal.state == JournalState::Applied
                                      ? HistoryDirection::Undo
                                      : HistoryDirection::Redo;
    Status fits = checkJournalShape(entry.journal, entry.number);
    if (fits.isOk()) fits = checkJournalPathsOnDisk(fs, root, entry.journal);
    const std::string own = entryRelativePath(entry.number) + "/";
    std::set<std::string> produced;
    for (const JournalRename& rename : renamesFor(entry.journal, step)) {
      if (!fits.isOk()) break;
      if (rename.from.starts_with(own) && !produced.count(rename.from) &&
          fs.entryType(transaction::absolute(root, rename.from)) == EntryType::Missing) {
        fits = Status::refused(
            userText(USER_TEXT("Doctor", "its undo data is not whole: {path} is missing"),
                     {{"path", rename.from}}));
      }
      produced.insert(rename.to);
    }
    if (fits.isOk()) fits = adoptEntry(fs, root, entry.number);
    if (!fits.isOk()) {
      refused.push_back(name + ": " + fits.message());
      continue;
    }
    adopted.push_back(entry.number);
  }
  return fs.syncFileSystem(root);
}

}  // namespace slotsmith
