#include "core/Database.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core/ScriptKeyReader.h"
#include "core/SlotNames.h"
#include "core/SoundScript.h"
#include "core/SoundScriptFile.h"
#include "core/UserText.h"

namespace slotsmith {
namespace {

// The MName file's first line is the model's name, at most 15 bytes, without its line ending.
void copyModelName(const std::string& bytes, char (&name)[17]) {
  const std::string_view shown = modelNameIn(bytes);
  std::memcpy(name, shown.data(), shown.size());
  name[shown.size()] = '\0';
}

void appendNameLine(std::string& out, int slot, const char* name, std::size_t width) {
  char line[64];
  const int prefix = std::snprintf(line, sizeof line, "%03d\t", slot);
  out.append(line, static_cast<std::size_t>(prefix));
  const std::size_t length = std::strlen(name);
  out.append(name, std::min(length, width));
  if (length < width) out.append(width - length, ' ');
  out += '\n';
}

}  // namespace

bool isValidDatabase(std::string_view folderPath, FileSystem& fs) {
  const DatabaseRoot root = databaseRootFromPath(folderPath);
  if (!root) return false;
  // A database in use answers at the first probe. One that does not (a new one, or one with
  // only a few slots filled) would otherwise cost 2000 failed opens: the banks are listed once
  // and only the slots that have a folder are probed, in the same order.
  if (fs.canReadFile(modelNamePath(*root, 0)) || fs.canReadFile(soundScriptPath(*root, 0))) {
    return true;
  }
  DatabaseListing listing;
  listBank(fs, *root, Bank::Models, listing.models);
  listBank(fs, *root, Bank::Sounds, listing.sounds);
  for (int n = 1; n < kSlotCount; ++n) {
    if (listing.models.mayHoldFiles(n) && fs.canReadFile(modelNamePath(*root, n))) return true;
    if (listing.sounds.mayHoldFiles(n) && fs.canReadFile(soundScriptPath(*root, n))) return true;
  }
  return false;
}

Database::Database(Ui& ui, FileSystem& fs)
    : ui_(ui), fs_(fs), tables_(std::make_unique<SlotTables>()) {
  tables_->initSlots();
  readBuffer_.reserve(kScriptTableBytes);
}

void Database::setRoot(DatabaseRoot root) {
  anchor_.reset();
  anchored_ = false;
  root_ = std::move(root);
  static_cast<void>(anchorRoot());
}

Status Database::anchorRoot() {
  if (!root_ || anchored_) return Status::ok();
  Status status = fs_.anchorRoot(*root_, anchor_);
  anchored_ = status.isOk();
  return status;
}

void Database::initSlots() {
  tables_->initSlots();
  ui_.redrawList(SlotList::Sounds);
  ui_.redrawList(SlotList::Models);
}

void Database::evaluateNeuronDb() {
  ui_.setDropDisabled();
  ui_.openProgressWithText(userText(USER_TEXT("Progress", "Analyzing NeuronDB...")), 999);
  if (root_) scan(*root_, true);
  ui_.closeProgress();
  ui_.redrawList(SlotList::Sounds);
  ui_.redrawList(SlotList::Models);
  ui_.setDropEnabled();
}

void Database::rescanQuietly() {
  if (!root_) return;
  scan(*root_, false);
  ui_.redrawList(SlotList::Sounds);
  ui_.redrawList(SlotList::Models);
}

void Database::scan(const std::string& root, bool showProgress) {
  tables_->initSlots();
  unreadable_.clear();
  oddSoundScripts_.reset();
  loadModelsFromPath(root);
  listBank(fs_, root, Bank::Sounds, listing_.sounds);
  const std::unique_ptr<FolderReader> bank = fs_.folderReader(bankFolderPath(root, Bank::Sounds));
  for (int n = 0; n < kSlotCount; ++n) {
    if (showProgress) ui_.setProgressPosition(n);
    if (listing_.sounds.mayHoldFiles(n)) readSoundSlot(root, *bank, n);
  }
}

void Database::readSoundSlot(const std::string& root, FolderReader& bank, int slot) {
  SoundSlot& sound = tables_->soundSlots[slot];
  formatSlotFileInBank(pathBuffer_, Bank::Sounds, slot, kSoundScriptFileName);
  bool truncated = false;
  EntryStamp stamp;
  const Status read =
      keeper_ != nullptr
          ? bank.readPlainFile(pathBuffer_, readBuffer_, kScriptTableBytes, truncated, &stamp)
          : bank.readFile(pathBuffer_, readBuffer_, kScriptTableBytes);
  if (read.code() == Status::Code::Refused && keeper_ != nullptr) {
    keeper_->refuseScript(slot, read);
    return;
  }
  if (!read.isOk()) {
    if (!read.isNotFound()) unreadable_.push_back(soundScriptPath(root, slot));
    return;
  }
  if (keeper_ != nullptr) keeper_->keepScript(slot, readBuffer_, !truncated, stamp);

  const ScriptKeyValues values = readScriptKeys(readBuffer_);
  if (!soundScriptDamage(readBuffer_, values).empty() || values.repeatsModel1 ||
      values.repeatsModel2)
    oddSoundScripts_.set(static_cast<std::size_t>(slot));
  for (int k = 0; k < 16; ++k) {
    sound.sSoundName[k] = static_cast<char>(values.nameCodes[k] & 0xff);
  }
  sound.sSoundName[16] = '\0';
  sound.sModel1 = values.model1;
  sound.sModel2 = values.model2;
  sound.sModelOn1 = values.switch1;
  sound.sModelOn2 = values.switch2;
  sound.sIsUsed = kSoundOccupied;

  // A switched-on reference makes a model "in use"; a switched-off one only raises an unused
  // model to "in use - disabled", so the result does not depend on the order of the sounds.
  const auto countReference = [this](int32_t model, int32_t switchValue) {
    if (!isModelNumber(model)) return;
    int32_t& use = tables_->modelSlots[model].sIsUsed;
    if (switchValue > 0) {
      use = kModelInUse;
    } else if (use == kModelUnused) {
      use = kModelInUseDisabled;
    }
  };
  countReference(sound.sModel1, sound.sModelOn1);
  countReference(sound.sModel2, sound.sModelOn2);
}

void Database::loadModelsFromPath(const std::string& root) {
  listBank(fs_, root, Bank::Models, listing_.models);
  modelNameFiles_.reset();
  const std::unique_ptr<FolderReader> bank = fs_.folderReader(bankFolderPath(root, Bank::Models));
  std::string bytes;
  for (int n = 0; n < kSlotCount; ++n) {
    if (listing_.models.mayHoldFiles(n)) readModelSlot(root, *bank, n, bytes);
  }
  ui_.redrawList(SlotList::Models);
}

void Database::readModelSlot(const std::string& root, FolderReader& bank, int slot,
                             std::string& bytes) {
  ModelSlot& model = tables_->modelSlots[slot];
  // Read a little past the 15 name bytes, to see whether a carriage return ends the line.
  formatSlotFileInBank(pathBuffer_, Bank::Models, slot, kModelNameFileName);
  const Status read = bank.readFile(pathBuffer_, bytes, 17);
  if (read.isOk()) modelNameFiles_.set(static_cast<std::size_t>(slot));
  if (read.isOk() && !bytes.empty()) copyModelName(bytes, model.sModelName);
  if (!read.isOk() && !read.isNotFound()) unreadable_.push_back(modelNamePath(root, slot));
}

void Database::rescanSlots(const std::bitset<kSlotCount>& sounds,
                           const std::bitset<kSlotCount>& models) {
  unreadable_.clear();
  if (!root_) return;
  const std::string& root = *root_;
  // Built once: the tables are large for a stack.
  static const SlotTables empty = [] {
    SlotTables tables;
    tables.initSlots();
    return tables;
  }();
  std::string bytes;
  const std::unique_ptr<FolderReader> modelBank =
      fs_.folderReader(bankFolderPath(root, Bank::Models));
  for (int n = 0; n < kSlotCount; ++n) {
    if (!models.test(static_cast<std::size_t>(n))) continue;
    tables_->modelSlots[n] = empty.modelSlots[n];
    modelNameFiles_.reset(static_cast<std::size_t>(n));
    readModelSlot(root, *modelBank, n, bytes);
  }
  const std::unique_ptr<FolderReader> soundBank =
      fs_.folderReader(bankFolderPath(root, Bank::Sounds));
  for (int n = 0; n < kSlotCount; ++n) {
    if (!sounds.test(static_cast<std::size_t>(n))) continue;
    tables_->soundSlots[n] = empty.soundSlots[n];
    oddSoundScripts_.reset(static_cast<std::size_t>(n));
    readSoundSlot(root, *soundBank, n);
  }
}

std::string modelNamesText(const SlotTables& tables) {
  std::string text;
  text.reserve(std::size_t{16} * kSlotCount);
  for (int n = 0; n < kSlotCount; ++n)
    appendNameLine(text, n, tables.modelSlots[n].sModelName, 11);
  return text;
}

std::string soundNamesText(const SlotTables& tables) {
  std::string text;
  text.reserve(std::size_t{21} * kSlotCount);
  for (int n = 0; n < kSlotCount; ++n)
    appendNameLine(text, n, tables.soundSlots[n].sSoundName, 16);
  return text;
}

std::string Database::modelNamesText() const {
  return slotsmith::modelNamesText(*tables_);
}

std::string Database::soundNamesText() const {
  return slotsmith::soundNamesText(*tables_);
}

Status Database::updateModelNames() {
  const DatabaseRoot& root = root_;
  if (!root) return Status::refused(userText(USER_TEXT("Database", "no database is open")));
  return fs_.writeFileAtomically(modelNamesPath(*root), modelNamesText());
}

Status Database::updateSoundNames() {
  const DatabaseRoot& root = root_;
  if (!root) return Status::refused(userText(USER_TEXT("Database", "no database is open")));
  return fs_.writeFileAtomically(soundNamesPath(*root), soundNamesText());
}

}  // namespace slotsmith
