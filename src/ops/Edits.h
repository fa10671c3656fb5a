// Every edit of a database enters here: a request in, an outcome out. A request is plain data
// naming everything the edit needs (bank, slots, destination, find and replacement, start slot);
// nothing is read back from a front end, so the same request does the same thing from a row
// drop, a command line or a test:
//
//   EditOutcome moved = runEdit(database, MoveRequest{Bank::Sounds, {3, 4}, 10});
//
// runEdit plans the whole change, checks it, asks the user through the database's Ui port (with
// the texts the user knows from the desktop application, and roles that tell which answer
// confirms), carries it out with progress, and finishes with a rescan and the affected names
// file. An edit that cannot be done is refused before anything on disk changes; a step that
// fails while carrying out stops the edit and the user is told exactly what was done and what
// was not.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/Database.h"
#include "ops/EditPlan.h"

namespace slotsmith {

// Copy or move a block of slots so that it starts at destination (0..1000; 1000 means below the
// last row, which never fits), the slots behind it making room. Model edits keep every sound
// pointing at the same model contents. Slots may come in any order; duplicates and numbers
// outside 0..999 are ignored.
struct CopyRequest {
  Bank bank = Bank::Sounds;
  std::vector<int> slots;
  int destination = 0;
};
struct MoveRequest {
  Bank bank = Bank::Sounds;
  std::vector<int> slots;
  int destination = 0;
};

// The two confirming answers of the delete-or-remove alert.
enum class Removal {
  Delete,  // the slots stay empty
  Remove,  // the later slots move up to close the gaps
};

// Delete or remove slots after the three-button alert. `removal` is the answer the request
// stands for; with letUserChoose (the desktop's menu item) either answer the user gives is
// carried out.
struct DeleteRequest {
  Bank bank = Bank::Sounds;
  std::vector<int> slots;
  Removal removal = Removal::Delete;
  bool letUserChoose = false;
};

// Replace the model `find` by `replacement` in the references of the given sounds. Either may be
// -1, the value a removal leaves in a reference to a removed model.
struct FindReplaceRequest {
  int find = 0;
  int replacement = 0;
  std::vector<int> sounds;
};

// Remove every unused model and close the gaps, references following, from slot `from` on (none:
// the whole bank). With letUserChooseStart (the desktop, a model row selected) the alert offers
// both "Yes - all" and "Yes - from #from", and the user's answer decides.
struct ConsolidateRequest {
  std::optional<int> from;
  bool letUserChooseStart = false;
};

// Write the two name lists, SoundNames and ModelNames.
struct NamesExportRequest {};

// Give slots of one bank new names, in one edit: slot number -> new name. Only the name changes:
// a sound's name keys in its sound.script, a model's first line of MName; every other byte stays.
// A slot whose name already is the new one (trailing spaces aside, as the names files pad them)
// is skipped. A name that cannot be stored, or an empty slot, refuses the whole edit.
struct RenameRequest {
  Bank bank = Bank::Sounds;
  std::map<int, std::string> names;
};

// Bring sounds from another database (read only, never written) into this one: the block is
// inserted at destination exactly as a copy of sounds is, the sounds from there on moving up.
// Every model the sounds refer to comes along: one identical to a model of this database (every
// file, byte for byte, MName included) is reused, any other is copied into the lowest model slot
// that has no folder and that no sound refers to. A reference to an empty model slot of the
// source becomes -1.
struct ImportSoundsRequest {
  std::string sourceRoot;
  std::vector<int> sounds;
  int destination = 0;
  // Refuse rather than push occupied slots past 999 (the source is a file from elsewhere: a
  // pack may not take the user's sounds out of the bank, whatever it was asked).
  bool keepWithinBank = false;
};

// One sound to bring in: the database it is taken from (read only) and its slot there.
struct SoundSource {
  std::string sourceRoot;
  int slot = 0;
};

// Bring sounds from several other databases into this one as one block at destination, in the
// order given, exactly as ImportSoundsRequest brings them from one: the models they play come
// along (identical ones reused, here or among the sources), references renumbered. The block
// never pushes occupied slots past 999: one that does not fit is refused. listName names the edit
// ("Place list Pads").
struct PlaceSoundsRequest {
  std::vector<SoundSource> sounds;
  int destination = 0;
  std::string listName;
};

// Bring models alone from another database, into free model slots as above; identical ones are
// not copied again.
struct ImportModelsRequest {
  std::string sourceRoot;
  std::vector<int> models;
};

// Every reference to a model that has an identical copy in a lower slot points at the lowest slot
// of its group, and the other copies are deleted (their slots stay empty). With ignoreModelNames,
// models that differ only in MName count as identical.
struct DedupeRequest {
  bool ignoreModelNames = false;
};

// Every reference to a model slot without a model (no MName there) becomes -1, no model, in every
// sound: what such a reference plays already, said plainly, as one undoable edit.
struct ClearEmptyReferencesRequest {};

// Make every slot of both banks what it is in another copy of this database (a backup shown at
// its file's path, or a folder): one undoable edit; slots equal in both are left alone.
struct RestoreRequest {
  std::string sourceRoot;
};

// Undo the newest edit that is in place, or redo the edit undone last. Both confirm like any
// edit, and are refused, changing nothing, when the database was changed under the edit since
// (a folder to put back is taken, a script has other bytes than the edit left).
// Arrange a block of slots among themselves, for playing: the occupied slots in the chosen order
// first, then the empty ones in their earlier order. Nothing outside the slots moves; in the
// model bank every reference into the block follows its slot, so every sound plays what it
// played. By name: the natural order of the names the lists show (NaturalOrder.h), equal names
// keeping their order. By model (sounds only): grouped by the first model reference in ascending
// model number, those whose first reference is off or names no model last, then by name. Closing
// the gaps keeps the occupied slots in their order.
enum class Arrangement { ByName, ByModel, CloseGaps };
struct ArrangeRequest {
  Bank bank = Bank::Sounds;
  std::vector<int> slots;
  Arrangement arrangement = Arrangement::ByName;
};

struct UndoRequest {};
struct RedoRequest {};

using EditRequest =
    std::variant<CopyRequest, MoveRequest, DeleteRequest, FindReplaceRequest, ConsolidateRequest,
                 NamesExportRequest, RenameRequest, ImportSoundsRequest, ImportModelsRequest,
                 DedupeRequest, UndoRequest, RedoRequest, ClearEmptyReferencesRequest,
                 RestoreRequest, ArrangeRequest, PlaceSoundsRequest>;

struct EditOutcome {
  enum class Kind {
    Done,        // carried out (and rescanned)
    Cancelled,   // the user declined; nothing changed, no rescan
    NoDatabase,  // no root set; nothing changed
    Refused,     // the check refused the edit before any change; message says why
    Failed,      // a step failed while carrying out; message says what was done and what not
  };
  Kind kind = Kind::Done;
  std::string message = {};
  int occurrences = 0;  // find and replace, clearing: the number of references replaced
  EditPlan plan = {};   // what was (or, in a dry run, would have been) carried out
  // The slots a report of the carried-out edit counts, ascending: those an arrangement moved, a
  // rename renamed, a consolidation removed as unused. Empty for the other kinds.
  std::vector<int> countedSlots = {};
  // Refused because the database is not what the front end showed (EditOptions::picture); the
  // database's tables now hold what is on disk.
  bool stale = false;

  static EditOutcome done(EditPlan plan = {}, std::string message = {});
  static EditOutcome cancelled(EditPlan plan = {});
  static EditOutcome noDatabase();
  static EditOutcome refused(std::string reason, EditPlan plan = {});
  static EditOutcome failed(std::string report, EditPlan plan = {});

  bool isDone() const { return kind == Kind::Done; }
};

struct EditOptions {
  // Plans, checks, asks the same questions and reports, but changes nothing.
  bool dryRun = false;
  // The fingerprint (pictureOf) of the tables the front end showed when the user chose the
  // slots. When the edit's own locked scan finds the database otherwise, the edit is refused
  // with `stale` set and changes nothing: the rows the user chose meant other slots.
  std::optional<std::uint64_t> picture = {};
  // The user has confirmed the edit already (undo and redo on a key press, a name typed in
  // place, which undo takes back, a slot number chosen in a dialog that previewed the edit): its
  // confirmation is not asked again, and the slots leavingSlots counts were shown with the
  // front end's question. Warnings still are.
  bool confirmed = false;
  // The sentence a front end wants in the edit's confirmation, naming the occupied slots the
  // edit will push past slot 999 (leavingSlots of them). Confirming that confirmation agrees to
  // them, so the later warning is asked only when more slots leave than it named.
  std::string leavingNote = {};
  int leavingSlots = 0;
};

// Runs one edit on the database at its root (see above). The edit holds the database's lock for
// its whole run: a second edit, from this process or another, is refused at once, naming the
// holder. It first recovers an edit a crash left unfinished.
EditOutcome runEdit(Database& database, const EditRequest& request,
                    const EditOptions& options = {});

// Finishes or rolls back an edit that a crash left unfinished, and tells the user through the
// Ui which and why. Call when a database is opened, before it is scanned. Does nothing while
// another edit holds the lock (that edit is still running). Not ok when an unfinished edit could
// be neither finished nor rolled back (the doctor shows it). editRunning, when given, is set
// when an unfinished edit was left alone because another edit holds the lock.
Status recoverDatabase(Database& database, bool* editRunning = nullptr);

// Deletes the undo data of every edit after the user confirms (nothing can be undone or redone
// afterwards), holding the lock like an edit: refused at once while another edit runs, and
// while an interrupted edit is unfinished. The slots are not touched.
EditOutcome clearUndoHistory(Database& database, const EditOptions& options = {});

// The edit's title as the user sees it in alerts and reports, e.g. "Move sounds".
std::string titleOf(const EditRequest& request);

}  // namespace slotsmith
