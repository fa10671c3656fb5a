// A Neuron database as the rest of the system sees it: the two slot tables, filled by scanning
// the folder the front end opened as the root, and the operations that read a database folder and
// write its name lists. The front end owns the choice of root and hands it over with setRoot();
// it is reached only through the Ui port, the disk only through the FileSystem seam.
#pragma once

#include <bitset>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/BankListing.h"
#include "core/DatabasePaths.h"
#include "core/FileSystem.h"
#include "core/SlotTables.h"
#include "core/Status.h"
#include "core/Ui.h"

namespace slotsmith {

// Whether the folder holds a Neuron database: at least one of Models/NNN.model/MName or
// Sounds/NNN.sound/sound.script (NNN from 000 to 999) can be opened for reading. Probes model 000,
// sound 000, model 001, ... and stops at the first file found; past slot 0 it probes only the
// slots whose folders the bank folders list.
bool isValidDatabase(std::string_view folderPath, FileSystem& fs = realFileSystem());

// The text of the name lists "ModelNames" and "SoundNames" for the tables, exactly as written to
// the files.
std::string modelNamesText(const SlotTables& tables);
std::string soundNamesText(const SlotTables& tables);

// A reader that takes each sound.script's bytes from the scan that reads it (the library, which
// makes a sound's identity of them), so that no script is read twice. The scan hands it the
// bytes of every script it reads while set, and reads them following no link.
class ScriptKeeper {
 public:
  virtual ~ScriptKeeper() = default;
  // The script's bytes as the scan read them: at most kScriptTableBytes of them, all of the file
  // when whole. stamp is the read file's own (FolderReader::readPlainFile).
  virtual void keepScript(int slot, std::string_view bytes, bool whole,
                          const EntryStamp& stamp) = 0;
  // The slot folder or the script is a link or a device; the slot is left empty.
  virtual void refuseScript(int slot, const Status& refusal) = 0;
};

class Database {
 public:
  explicit Database(Ui& ui, FileSystem& fs = realFileSystem());

  Ui& ui() { return ui_; }
  FileSystem& fileSystem() const { return fs_; }
  SlotTables& tables() { return *tables_; }
  const SlotTables& tables() const { return *tables_; }
  // The folder this database is read from and edited in; none until a front end sets one.
  const DatabaseRoot& root() const { return root_; }
  // Sets the root and anchors it on the file system (FileSystem::anchorRoot) for as long as this
  // database keeps it, so that no change the engine makes below it can be led outside through a
  // link. A root that cannot be opened yet is anchored by anchorRoot() later.
  void setRoot(DatabaseRoot root);
  // Anchors the root where setRoot could not (ok when it is anchored or there is none): an edit
  // calls it first and refuses when it fails, never changing anything below an unanchored root.
  Status anchorRoot();

  // Resets both tables to empty slots and asks both lists to redraw.
  void initSlots();

  // Rebuilds both tables from the disk: every model name, every sound's name, references and
  // switches, and every model's use. Drops are refused and the progress display is open while it
  // runs. Without a root the tables are left as they were. Each bank folder is listed once and
  // only the slot folders it holds are read.
  void evaluateNeuronDb();
  // The same scan without the progress display, for the moment an edit starts.
  void rescanQuietly();

  // Reads again only the chosen slots (each made empty first) without listing the banks, for a
  // reader that knows which slots changed since it last looked; a model's use is left as it was.
  // unreadableFiles() then names the files of these slots that could not be read.
  void rescanSlots(const std::bitset<kSlotCount>& sounds, const std::bitset<kSlotCount>& models);

  // The files the last scan found but could not read (an I/O error, no permission): their slots
  // show as empty, which an edit must not take for the truth.
  const std::vector<std::string>& unreadableFiles() const { return unreadable_; }

  // While keeper is set (it outlives the scans), the scans read every sound.script as
  // FolderReader::readPlainFile reads, following no link, and hand it to keeper.
  void setScriptKeeper(ScriptKeeper* keeper) { keeper_ = keeper; }

  // The listings of the bank folders that the last scan read the slots from (empty and not ok
  // before the first scan): the health check right after a scan looks for leftovers in them.
  const DatabaseListing& bankListings() const { return listing_; }

  // The model slots whose MName the last scan read: the health check right after a scan needs
  // no look of its own to tell a reference to an empty slot.
  const std::bitset<kSlotCount>& modelNameFiles() const { return modelNameFiles_; }

  // The sound slots whose sound.script the last scan read but could not take for a sound (see
  // soundScriptDamage), or that give a reference key on more than one line: they list as sounds
  // all the same, and the health check names them.
  const std::bitset<kSlotCount>& oddSoundScripts() const { return oddSoundScripts_; }

  // Fills every model slot's path and name from its MName file, then redraws the model list.
  // Lists the Models folder (into bankListings()) and reads only the slots it holds.
  void loadModelsFromPath(const std::string& root);

  // Write the 1000-line name lists "ModelNames" (16-byte records) and "SoundNames" (21-byte
  // records) from the tables, atomically. Nothing is written without a root.
  Status updateModelNames();
  Status updateSoundNames();

  // The text of the lines of the two lists, exactly as written to the files.
  std::string modelNamesText() const;
  std::string soundNamesText() const;

 private:
  void readSoundSlot(const std::string& root, FolderReader& bank, int slot);
  void readModelSlot(const std::string& root, FolderReader& bank, int slot, std::string& bytes);
  void scan(const std::string& root, bool showProgress);

  Ui& ui_;
  FileSystem& fs_;
  DatabaseRoot root_;
  std::unique_ptr<RootAnchor> anchor_;
  bool anchored_ = false;
  std::unique_ptr<SlotTables> tables_;
  std::vector<std::string> unreadable_;
  DatabaseListing listing_;
  std::bitset<kSlotCount> modelNameFiles_;
  std::bitset<kSlotCount> oddSoundScripts_;
  ScriptKeeper* keeper_ = nullptr;
  // Reused by the scan so that it allocates nothing per slot.
  std::string readBuffer_;
  std::string pathBuffer_;
};

}  // namespace slotsmith
