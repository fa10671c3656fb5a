// Importing from another database. The other database is only ever read: every change lies in
// this database, and the copies of its folders are Copy changes whose source lies outside the
// root.
//
// Models first: each model the import brings is either identical to a model already here (every
// file, byte for byte, MName included), and then the references point at that one, or it is
// copied into the lowest model slot that has no folder and that no sound refers to. Only this
// database's models whose MName equals an imported model's are read in full, once per import,
// and every match is confirmed byte for byte (groupIdenticalFolders).
//
// Sounds then go in exactly as a copy of sounds does (the shift from the destination, the
// copies), with their scripts rewritten in the copies (the transaction writes them into the
// staged copy before it is placed), so a sound never sits in its slot with references into the
// other database's numbering.
// The rewrite changes only the model reference values; every other byte stays.
#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string_view>

#include "core/ModelIdentity.h"
#include "core/ScriptKeyReader.h"
#include "core/UserText.h"
#include "ops/DropPreview.h"
#include "ops/EditRunner.h"
#include "ops/ModelEditPlan.h"
#include "ops/QuestionText.h"
#include "ops/Transaction.h"

namespace slotsmith {

namespace {

constexpr char kImportSounds[] = "Import sounds";  // English: the history's
constexpr char kImportModels[] = "Import models";
constexpr TextTemplate kShownImportSounds = USER_TEXT("Import", "Import sounds");
constexpr TextTemplate kShownImportModels = USER_TEXT("Import", "Import models");
// A script is read whole, however long, so that one that does not fit the table is copied whole.
constexpr std::size_t kWholeFile = std::size_t{1} << 30;

// The reason a model or sound folder of the source is not imported (after its path).
std::string notPlainFolderText() {
  return userText(USER_TEXT("Import",
                            "is not a plain folder (a symbolic link or another kind of file); it "
                            "is not imported"));
}

// What the import holds on the database it reads from while it runs: the source's root anchored
// (the copies out of it find their way from its open folder, never through a link swapped in
// there), and its lock for reading.
struct SourceHold {
  std::unique_ptr<RootAnchor> anchor;
  std::unique_ptr<FileLock> lock;
};

// Checks the database to import from and takes its lock for reading, held while `hold` lives: an
// edit running there, or one a crash left unfinished, would have the import read slots half
// moved. The source is only read, so nothing there is recovered: that is for whoever opens it.
Status checkSource(EditContext& context, const std::string& sourceRoot, SourceHold& hold) {
  if (sourceRoot.empty()) {
    return Status::refused(userText(USER_TEXT("Import", "No database to import from was given.")));
  }
  const TextArgument source{"source", sourceRoot};
  if (!isValidDatabase(sourceRoot, context.fileSystem())) {
    return Status::refused(userText(USER_TEXT("Import",
                                              "{source} is not a Neuron database (no "
                                              "Sounds/NNN.sound/sound.script or "
                                              "Models/NNN.model/MName found)."),
                                    {source}));
  }
  if (realPathOf(sourceRoot) == realPathOf(context.root())) {
    return Status::refused(userText(
        USER_TEXT("Import", "{source} is this database itself; use copy to copy slots within it."),
        {source}));
  }
  FileSystem& fs = context.fileSystem();
  if (Status anchored = fs.anchorRoot(sourceRoot, hold.anchor); !anchored.isOk()) return anchored;
  if (Status locked = fs.lockFileShared(lockFilePath(sourceRoot), hold.lock); !locked.isOk()) {
    if (locked.code() != Status::Code::AlreadyExists) return locked;
    if (locked.reason().empty()) {
      return Status::refused(userText(USER_TEXT("Import",
                                                "An edit is running on {source} (another "
                                                "program). Nothing was changed; import when it "
                                                "has finished."),
                                      {source}));
    }
    return Status::refused(userText(USER_TEXT("Import",
                                              "An edit is running on {source} ({edit}). Nothing "
                                              "was changed; import when it has finished."),
                                    {source, {"edit", locked.reason()}}));
  }
  if (hasUnfinishedTransaction(fs, sourceRoot)) {
    return Status::refused(
        userText(USER_TEXT("Import",
                           "An edit of {source} was interrupted and is unfinished there. Nothing "
                           "was changed; open that database with Slotsmith once (for example "
                           "`slotsmith check`), which finishes it, then import."),
                 {source}));
  }
  return Status::ok();
}

// A model slot of a database imported from: its root and the slot.
using SourceModel = std::pair<std::string, int>;

// Where the models of the sources go, and the changes that copy those that are new here.
struct ModelPlacement {
  // source model -> model slot here (-1: the source slot is empty)
  std::map<SourceModel, int> targetOf;
  std::vector<Change> copies;
  std::vector<std::string> notes;
  int copied = 0;
  int reused = 0;
};

// The model slots a copy may take, ascending: no entry under the slot's folder name, and no sound
// referring to it (switched on or off), so a copy can never become the model of a sound that
// meant another.
Status freeModelSlots(EditContext& context, std::vector<int>& free) {
  std::vector<std::string> listing;
  Status listed =
      context.fileSystem().listFolder(bankFolderPath(context.root(), Bank::Models), listing);
  if (!listed.isOk() && !listed.isNotFound()) return listed;
  const std::array<bool, kSlotCount> taken = slotFoldersInListing(Bank::Models, listing);
  const SlotTables& tables = context.database().tables();
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (!taken[slot] && tables.modelSlots[slot].sIsUsed == kModelUnused) free.push_back(slot);
  }
  return Status::ok();
}

// The MName bytes of a model folder; empty when it has none. One that is there but cannot be read
// is an error: the model would be taken for another.
Status modelNameBytes(FileSystem& fs, const std::string& folder, std::string& bytes) {
  const Status read = fs.readFile(folder + "/MName", bytes, kWholeFile);
  if (read.isNotFound()) bytes.clear();
  if (read.isOk() || read.isNotFound()) return Status::ok();
  return Status::ioError(read.path(), userText(USER_TEXT("Import", "cannot be read ({reason})"),
                                               {{"reason", read.reason()}}));
}

Status placeModels(EditContext& context, const std::set<SourceModel>& sourceModels,
                   ModelPlacement& placement) {
  FileSystem& fs = context.fileSystem();
  std::vector<SourceModel> present;
  std::set<std::string> namesWanted;
  for (const SourceModel& model : sourceModels) {
    const std::string folder = slotFolderPath(model.first, Bank::Models, model.second);
    const EntryType type = fs.entryType(folder);
    if (type == EntryType::Missing) {
      placement.targetOf[model] = -1;
      continue;
    }
    if (type != EntryType::Folder) {
      return Status::invalid(folder, notPlainFolderText());
    }
    present.push_back(model);
    std::string name;
    if (Status s = modelNameBytes(fs, folder, name); !s.isOk()) return s;
    namesWanted.insert(std::move(name));
  }
  // Identical folders have identical MName files, so only models named like an imported one can
  // be identical to it; the rest of the bank is never read.
  std::vector<std::string> folders;
  std::vector<int> candidates;
  const SlotTables& tables = context.database().tables();
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (std::string(tables.modelSlots[slot].sModelName) == kEmptySlotName) continue;
    const std::string folder = slotFolderPath(context.root(), Bank::Models, slot);
    std::string name;
    if (Status s = modelNameBytes(fs, folder, name); !s.isOk()) return s;
    if (!namesWanted.count(name)) continue;
    candidates.push_back(slot);
    folders.push_back(folder);
  }
  for (const SourceModel& model : present)
    folders.push_back(slotFolderPath(model.first, Bank::Models, model.second));
  const IdenticalFolderGroups identical = groupIdenticalFolders(fs, folders, {});
  // A model that cannot be read cannot be told identical or not: the import would depend on a
  // read error instead of the models.
  if (!identical.unreadable.empty()) return identical.unreadable.front().status;
  // What each source model is identical to: the lowest such model here, or else the first
  // such model of the source, whose copy then serves both.
  struct Match {
    int here = -1;
    std::optional<SourceModel> earlierSource;
  };
  std::map<SourceModel, Match> matchOf;
  for (const std::vector<std::size_t>& group : identical.groups) {
    const std::size_t first = group.front();
    for (std::size_t index : group) {
      if (index < candidates.size()) continue;
      const SourceModel& model = present[index - candidates.size()];
      if (first < candidates.size()) {
        matchOf[model].here = candidates[first];
      } else if (index != first) {
        matchOf[model].earlierSource = present[first - candidates.size()];
      }
    }
  }
  std::vector<int> free;
  if (Status listed = freeModelSlots(context, free); !listed.isOk()) return listed;
  std::size_t nextFree = 0;
  for (const SourceModel& model : present) {
    const Match match = matchOf.count(model) ? matchOf[model] : Match{};
    const TextArgument slot{"model", std::to_string(model.second)};
    const TextArgument source{"source", model.first};
    if (match.here >= 0) {
      placement.targetOf[model] = match.here;
      ++placement.reused;
      placement.notes.push_back(userText(
          USER_TEXT("Import",
                    "model {model} of {source} is identical to model {here} here: reused, not "
                    "copied"),
          {slot, source, {"here", std::to_string(match.here)}}));
    } else if (match.earlierSource) {
      const SourceModel& earlier = *match.earlierSource;
      placement.targetOf[model] = placement.targetOf[earlier];
      ++placement.reused;
      const TextArgument earlierSlot{"earlier", std::to_string(earlier.second)};
      const TextArgument target{"target", std::to_string(placement.targetOf[model])};
      placement.notes.push_back(
          earlier.first == model.first
              ? userText(USER_TEXT("Import",
                                   "model {model} of {source} is identical to its model "
                                   "{earlier}: both go to model {target}"),
                         {slot, source, earlierSlot, target})
              : userText(USER_TEXT("Import",
                                   "model {model} of {source} is identical to model {earlier} of "
                                   "{earlierSource}: both go to model {target}"),
                         {slot, source, earlierSlot, {"earlierSource", earlier.first}, target}));
    } else {
      ++placement.copied;
      if (nextFree == free.size()) continue;  // refused below, with the count needed
      const int target = free[nextFree++];
      placement.targetOf[model] = target;
      placement.copies.push_back({Change::Kind::Copy,
                                  slotFolderPath(model.first, Bank::Models, model.second),
                                  slotFolderPath(context.root(), Bank::Models, target),
                                  {}});
      placement.notes.push_back(
          userText(USER_TEXT("Import", "model {model} of {source} is copied to model {target}"),
                   {slot, source, {"target", std::to_string(target)}}));
    }
  }
  if (placement.copied > static_cast<int>(free.size())) {
    return Status::refused(
        userText(USER_TEXT_N("Import",
                             "The import needs {n} free model slot(s) (no folder, no sound "
                             "referring to them), and this database has {free}. Nothing was "
                             "changed."),
                 {{"free", std::to_string(free.size())}}, placement.copied));
  }
  return Status::ok();
}

// An imported sound: where it comes from, and whether it has a script.
struct SourceSound {
  std::string root;
  int slot = 0;
  std::string folder = {};  // empty for an empty slot
  bool hasScript = false;
};

Status readSourceSounds(EditContext& context, const std::vector<SoundSource>& sources,
                        std::vector<SourceSound>& sounds, std::set<SourceModel>& models) {
  FileSystem& fs = context.fileSystem();
  std::string bytes;
  for (const auto& [root, slot] : sources) {
    SourceSound sound{.root = root, .slot = slot};
    const std::string folder = slotFolderPath(root, Bank::Sounds, slot);
    const EntryType type = fs.entryType(folder);
    if (type != EntryType::Missing && type != EntryType::Folder) {
      return Status::invalid(folder, notPlainFolderText());
    }
    if (type == EntryType::Folder) {
      sound.folder = folder;
      Status read = fs.readFile(soundScriptPath(root, slot), bytes, kWholeFile);
      if (!read.isOk() && !read.isNotFound()) return read;
      if (read.isOk()) {
        sound.hasScript = true;
        // Every line of a reference key is renumbered, a repeated one too, so the models of
        // all of them come along.
        for (const int32_t model : allReferenceValues(bytes)) {
          if (isModelNumber(model)) models.insert({root, model});
        }
      }
    }
    sounds.push_back(std::move(sound));
  }
  return Status::ok();
}

// The value a reference takes in the imported script.
int32_t importedReference(const ModelPlacement& placement, const std::string& root, int32_t value) {
  if (!isModelNumber(value)) return value;
  return placement.targetOf.at({root, value});
}

// The script writes into the copies, and the notes on references that were lost; a copy is found
// by its source (every copy of it, should a sound be brought twice).
Status planScriptWrites(EditContext& context, const std::vector<SourceSound>& sounds,
                        const ModelPlacement& placement, EditPlan& plan) {
  std::multimap<std::string, std::string> stagingOf;
  for (const Change& change : plan.changes) {
    if (change.kind == Change::Kind::Copy) stagingOf.emplace(change.from, change.to);
  }
  std::set<std::string> rewritten;
  const bool oneSource = std::all_of(sounds.begin(), sounds.end(), [&](const SourceSound& sound) {
    return sound.root == sounds.front().root;
  });
  std::vector<Change> writes;
  std::string bytes;
  auto script = std::make_unique<SoundScript>();
  for (const SourceSound& sound : sounds) {
    if (!sound.hasScript || !stagingOf.count(sound.folder) ||
        !rewritten.insert(sound.folder).second) {
      continue;
    }
    const std::string source = sound.folder + "/sound.script";
    if (Status read = context.fileSystem().readFile(source, bytes, kWholeFile); !read.isOk()) {
      return read;
    }
    script->parse(bytes);
    for (const char* key : {kModel1Key, kModel2Key}) {
      const auto renumber = [&](int32_t before) {
        const int32_t after = importedReference(placement, sound.root, before);
        if (after == -1 && before != -1) {
          const TextArgument slot{"sound", std::to_string(sound.slot)};
          const TextArgument model{"model", std::to_string(before)};
          const TextArgument reference{"key", key};
          plan.notes.push_back(
              oneSource
                  ? userText(USER_TEXT("Import",
                                       "sound {sound} of the source refers to model {model}, an "
                                       "empty slot there: the reference ({key}) becomes -1"),
                             {slot, model, reference})
                  : userText(USER_TEXT("Import",
                                       "sound {sound} of {source} refers to model {model}, an "
                                       "empty slot there: the reference ({key}) becomes -1"),
                             {slot, {"source", sound.root}, model, reference}));
        }
        return after;
      };
      mapValuesForKey(key, renumber, *script);
    }
    if (!script->hasChangedValues()) continue;
    const std::string rewrittenBytes = script->serialize();
    const auto [first, last] = stagingOf.equal_range(sound.folder);
    for (auto copy = first; copy != last; ++copy)
      writes.push_back({Change::Kind::Write, {}, copy->second + "/sound.script", rewrittenBytes});
  }
  plan.changes.insert(plan.changes.end(), std::make_move_iterator(writes.begin()),
                      std::make_move_iterator(writes.end()));
  return Status::ok();
}

// question: the question's first sentence, which names what comes in and where it goes.
bool confirmImport(EditContext& context, const std::string& shownTitle, const std::string& question,
                   const ModelPlacement& placement) {
  const std::string reused = userText(USER_TEXT_N("Import", "{n} identical one(s)"), {},
                                      static_cast<long long>(placement.reused));
  const std::string models =
      userText(USER_TEXT_N("Import", "{n} model(s) (is|are) copied, {reused} reused."),
               {{"reused", reused}}, static_cast<long long>(placement.copied));
  return context.confirm(
      {.message = shownTitle,
       .informative = userText(USER_TEXT("Import", "{question} {models} Undo reverses it."),
                               {{"question", question}, {"models", models}}),
       .buttons = {userText(kOk), userText(kCancel), ""},
       .confirmingAnswer = kAlertDefault,
       .decliningAnswer = kAlertAlternate});
}

// The report of a carried-out import: what became of every model.
EditOutcome withReport(EditOutcome outcome) {
  if (!outcome.isDone() || !outcome.message.empty()) return outcome;
  for (const std::string& note : outcome.plan.notes)
    outcome.message += (outcome.message.empty() ? "" : "\n") + note;
  return outcome;
}

// A block of sounds brought in, from one database or several: what importing and placing share.
struct SoundBlock {
  std::string title;
  std::string shownTitle;
  std::vector<SoundSource> sounds;  // in the block's order
  int destination = 0;
  bool keepWithinBank = false;
  bool placing = false;  // what the user asked for, in refusals: to place rather than import
  std::string question;  // the question's first sentence: the sounds and where they go
  std::string progressText;
};

// The refusal for sounds of the block that are empty slots, which name them by database: "sound
// slot 3 of A and sound slots 5, 7 of B are empty"; empty when every sound has a script.
std::string emptySoundsRefusal(const std::vector<SourceSound>& sounds, bool placing) {
  std::vector<std::pair<std::string, std::vector<int>>> byRoot;
  long long count = 0;
  for (const SourceSound& sound : sounds) {
    if (sound.hasScript) continue;
    ++count;
    if (byRoot.empty() || byRoot.back().first != sound.root) byRoot.push_back({sound.root, {}});
    byRoot.back().second.push_back(sound.slot);
  }
  if (count == 0) return {};
  std::string named;
  for (const auto& [root, slots] : byRoot) {
    const std::string part = userText(USER_TEXT_N("Import", "sound slot(s) {runs} of {source}"),
                                      {{"runs", slotRunsText(slots)}, {"source", root}},
                                      static_cast<long long>(slots.size()));
    named = named.empty() ? part
                          : userText(USER_TEXT("Lists", "{items} and {item}"),
                                     {{"items", named}, {"item", part}});
  }
  return placing ? userText(USER_TEXT_N("Import",
                                        "Nothing was changed: {sounds} (is|are) empty, and an "
                                        "edit that places brings only sounds. Choose slots that "
                                        "hold one."),
                            {{"sounds", named}}, count)
                 : userText(USER_TEXT_N("Import",
                                        "Nothing was changed: {sounds} (is|are) empty, and an "
                                        "import brings only sounds. Choose slots that hold one."),
                            {{"sounds", named}}, count);
}

EditOutcome importSoundBlock(EditContext& context, const SoundBlock& block) {
  const std::string& title = block.title;
  const int count = static_cast<int>(block.sounds.size());
  if (count == 0) {
    return context.refuse(title, userText(USER_TEXT("Import", "No sounds were chosen.")));
  }
  if (const std::string problem = blockFitProblem(Bank::Sounds, count, block.destination);
      !problem.empty()) {
    return context.refuse(title, problem);
  }
  std::map<std::string, SourceHold> sourceHolds;
  for (const SoundSource& sound : block.sounds) {
    if (sourceHolds.count(sound.sourceRoot)) continue;
    if (Status source = checkSource(context, sound.sourceRoot, sourceHolds[sound.sourceRoot]);
        !source.isOk()) {
      return context.refuse(title, source.message());
    }
  }
  std::vector<SourceSound> sounds;
  std::set<SourceModel> sourceModels;
  ModelPlacement placement;
  if (Status read = readSourceSounds(context, block.sounds, sounds, sourceModels); !read.isOk()) {
    return context.refuse(title, nothingChanged(read.message()));
  }
  // An import brings sounds: a slot chosen that holds none would go in as an empty slot, pushing
  // the sounds after the destination down for nothing (copy within a database may move gaps).
  if (const std::string empty = emptySoundsRefusal(sounds, block.placing); !empty.empty()) {
    return context.refuse(title, empty);
  }
  if (Status placed = placeModels(context, sourceModels, placement); !placed.isOk()) {
    return context.refuse(title, placed.message());
  }
  EditPlan plan;
  plan.title = title;
  plan.changes = std::move(placement.copies);
  plan.notes = placement.notes;
  std::vector<std::string> folders;
  folders.reserve(sounds.size());
  for (const SourceSound& sound : sounds)
    folders.push_back(sound.folder);
  const SlotLayout layout = SlotLayout::afterCopyFromOutside(folders, block.destination);
  EditPlan soundChanges;
  if (Status planned = context.planLayout(Bank::Sounds, layout, soundChanges); !planned.isOk()) {
    return context.refuse(title, nothingChanged(planned.message()));
  }
  if (Status written = planScriptWrites(context, sounds, placement, soundChanges);
      !written.isOk()) {
    return context.refuse(title, nothingChanged(written.message()));
  }
  for (Change& change : soundChanges.changes)
    plan.changes.push_back(std::move(change));
  for (std::string& note : soundChanges.notes)
    plan.notes.push_back(std::move(note));
  plan.occupiedSlotsLeavingBank = soundChanges.occupiedSlotsLeavingBank;
  if (block.keepWithinBank && plan.occupiedSlotsLeavingBank > 0) {
    const TextArgument destination{"destination", std::to_string(block.destination)};
    const TextArgument pushed{"pushed",
                              userText(USER_TEXT_N("Import", "{n} occupied sound slot(s)"), {},
                                       plan.occupiedSlotsLeavingBank)};
    return context.refuse(
        title, block.placing
                   ? userText(USER_TEXT_N("Import",
                                          "Nothing was changed: {n} (sound does|sounds do) not "
                                          "fit at slot #{destination} without pushing {pushed} "
                                          "past slot #999. Free slots there first, or place fewer "
                                          "sounds."),
                              {destination, pushed}, count)
                   : userText(USER_TEXT_N("Import",
                                          "Nothing was changed: {n} (sound does|sounds do) not "
                                          "fit at slot #{destination} without pushing {pushed} "
                                          "past slot #999. Free slots there first, or import "
                                          "fewer sounds."),
                              {destination, pushed}, count));
  }
  if (!confirmImport(context, block.shownTitle, block.question, placement)) {
    return EditOutcome::cancelled(std::move(plan));
  }
  return withReport(context.run({.settings = {.bank = Bank::Sounds,
                                              .title = title,
                                              .shownTitle = block.shownTitle,
                                              .progressText = block.progressText,
                                              .progressMaximum = 999,
                                              .disableDrops = true,
                                              .writeBothNamesFiles = true},
                                 .plan = std::move(plan)}));
}

}  // namespace

std::string placeTitle(const std::string& listName) {
  std::string title = listName.empty() ? "Place sounds from the library" : "Place list " + listName;
  for (char& c : title) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
  }
  return title;
}

EditOutcome importSounds(EditContext& context, const ImportSoundsRequest& request) {
  std::vector<SoundSource> sounds;
  for (int slot : request.sounds)
    sounds.push_back({request.sourceRoot, slot});
  const std::string question =
      sounds.empty()
          ? std::string()
          : userText(USER_TEXT_N("Import",
                                 "Are you sure you want to import {n} sound(s) starting at slot "
                                 "#{first} of {source} to slot #{destination}?"),
                     {{"first", std::to_string(request.sounds.front())},
                      {"source", request.sourceRoot},
                      {"destination", std::to_string(request.destination)}},
                     static_cast<long long>(request.sounds.size()));
  return importSoundBlock(context,
                          {.title = kImportSounds,
                           .shownTitle = userText(kShownImportSounds),
                           .sounds = std::move(sounds),
                           .destination = request.destination,
                           .keepWithinBank = request.keepWithinBank,
                           .question = question,
                           .progressText = userText(USER_TEXT("Progress", "Importing sounds..."))});
}

EditOutcome placeSounds(EditContext& context, const PlaceSoundsRequest& request) {
  const std::string title = placeTitle(request.listName);
  for (const SoundSource& sound : request.sounds) {
    if (sound.slot < 0 || sound.slot >= kSlotCount) {
      return context.refuse(
          title, userText(USER_TEXT("Import",
                                    "Nothing was changed: slot {slot} of {source} is "
                                    "no sound slot."),
                          {{"slot", std::to_string(sound.slot)}, {"source", sound.sourceRoot}}));
    }
  }
  const auto count = static_cast<long long>(request.sounds.size());
  const TextArgument destination{"destination", std::to_string(request.destination)};
  // The list's name as the title names it: one line.
  const bool fromList = !request.listName.empty();
  const TextArgument list{
      "list", fromList ? title.substr(std::string_view("Place list ").size()) : std::string()};
  return importSoundBlock(
      context,
      {.title = title,
       .shownTitle = fromList ? userText(USER_TEXT("Place", "Place list {list}"), {list})
                              : userText(USER_TEXT("Place", "Place sounds from the library")),
       .sounds = request.sounds,
       .destination = request.destination,
       .keepWithinBank = true,
       .placing = true,
       .question = fromList ? userText(USER_TEXT_N("Place",
                                                   "Are you sure you want to place the {n} "
                                                   "sound(s) of list {list} at slot "
                                                   "#{destination}?"),
                                       {list, destination}, count)
                            : userText(USER_TEXT_N("Place",
                                                   "Are you sure you want to place {n} sound(s) "
                                                   "from the library at slot #{destination}?"),
                                       {destination}, count),
       .progressText = userText(USER_TEXT("Progress", "Placing sounds..."))});
}

EditOutcome importModels(EditContext& context, const ImportModelsRequest& request) {
  if (request.models.empty()) {
    return context.refuse(kImportModels, userText(USER_TEXT("Import", "No models were chosen.")));
  }
  SourceHold sourceHold;
  if (Status source = checkSource(context, request.sourceRoot, sourceHold); !source.isOk()) {
    return context.refuse(kImportModels, source.message());
  }
  ModelPlacement placement;
  std::set<SourceModel> models;
  for (int model : request.models)
    models.insert({request.sourceRoot, model});
  if (Status placed = placeModels(context, models, placement); !placed.isOk()) {
    return context.refuse(kImportModels, placed.message());
  }
  EditPlan plan;
  plan.title = kImportModels;
  plan.changes = std::move(placement.copies);
  plan.notes = placement.notes;
  for (const auto& [model, target] : placement.targetOf) {
    if (target < 0)
      plan.notes.push_back(userText(USER_TEXT("Import", "model {model} is empty there"),
                                    {{"model", std::to_string(model.second)}}));
  }
  if (plan.changes.empty()) {
    EditOutcome outcome = EditOutcome::done(std::move(plan));
    return withReport(std::move(outcome));
  }
  const std::string question =
      userText(USER_TEXT_N("Import", "Are you sure you want to import {n} model(s) from {source}?"),
               {{"source", request.sourceRoot}}, static_cast<long long>(models.size()));
  if (!confirmImport(context, userText(kShownImportModels), question, placement)) {
    return EditOutcome::cancelled(std::move(plan));
  }
  return withReport(context.run(
      {.settings = {.bank = Bank::Models,
                    .title = kImportModels,
                    .shownTitle = userText(kShownImportModels),
                    .progressText = userText(USER_TEXT("Progress", "Importing models...")),
                    .progressMaximum = 999,
                    .disableDrops = true},
       .plan = std::move(plan)}));
}

}  // namespace slotsmith
