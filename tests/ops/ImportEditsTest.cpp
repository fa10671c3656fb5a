// Imports end to end through runEdit, as one table: which models are reused and which copied
// where, the references of the imported sounds following them (-1 for a model the source does
// not have), the sounds of this database making room as for a copy, and the refusals that change
// nothing. The other database is never written: every run goes through a file system that fails
// any change under its path, and its tree is compared byte for byte afterwards.
#include <filesystem>
#include <functional>

#include "ModelBankTest.h"

namespace slotsmith::testing {
namespace {

// Passes everything to the real file system but refuses, and counts, every change under one
// folder.
class ReadOnlyUnder : public FileSystem {
 public:
  explicit ReadOnlyUnder(std::string folder) : folder_(std::move(folder) + "/") {}
  int refusedChanges = 0;

  EntryType entryType(const std::string& path) override { return fs().entryType(path); }
  bool canReadFile(const std::string& path) override { return fs().canReadFile(path); }
  Status readFile(const std::string& path, std::string& contents, std::size_t maxBytes,
                  bool* truncated) override {
    return fs().readFile(path, contents, maxBytes, truncated);
  }
  Status listFolder(const std::string& path, std::vector<std::string>& names) override {
    return fs().listFolder(path, names);
  }
  bool isWritableFolder(const std::string& path) override { return fs().isWritableFolder(path); }
  Status writeFileAtomically(const std::string& path, const std::string& contents) override {
    return guard(path) ? refused(path) : fs().writeFileAtomically(path, contents);
  }
  Status createFile(const std::string& path, const std::string& contents) override {
    return guard(path) ? refused(path) : fs().createFile(path, contents);
  }
  Status createFolder(const std::string& path) override {
    return guard(path) ? refused(path) : fs().createFolder(path);
  }
  Status renameFolder(const std::string& from, const std::string& to) override {
    return guard(from) || guard(to) ? refused(to) : fs().renameFolder(from, to);
  }
  Status copyFolder(const std::string& from, const std::string& to) override {
    return guard(to) ? refused(to) : fs().copyFolder(from, to);
  }
  Status removeFolder(const std::string& path) override {
    return guard(path) ? refused(path) : fs().removeFolder(path);
  }
  Status renameFile(const std::string& from, const std::string& to) override {
    return guard(from) || guard(to) ? refused(to) : fs().renameFile(from, to);
  }
  Status appendToFileDurably(const std::string& path, const std::string& text) override {
    return guard(path) ? refused(path) : fs().appendToFileDurably(path, text);
  }
  Status syncFileSystem(const std::string& path) override { return fs().syncFileSystem(path); }
  Status diskUsage(const std::string& path, std::uint64_t& bytes) override {
    return fs().diskUsage(path, bytes);
  }
  Status lockFile(const std::string& path, const std::string& holder,
                  std::unique_ptr<FileLock>& lock) override {
    return guard(path) ? refused(path) : fs().lockFile(path, holder, lock);
  }

 private:
  static FileSystem& fs() { return realFileSystem(); }
  bool guard(const std::string& path) const { return path.starts_with(folder_); }
  Status refused(const std::string& path) {
    ++refusedChanges;
    return Status::ioError(path, "the source database must never be changed");
  }
  std::string folder_;
};

struct ImportCase {
  std::string title;
  std::function<void(const std::string& db, const std::string& other)> prepare;
  std::function<EditRequest(const std::string& db, const std::string& other)> request;
  EditOutcome::Kind kind;
  std::string says;  // a fragment of the outcome's message
  // Expected afterwards (when done): sound slot -> its two references, and model slot -> the
  // name of the model in it (kNoFolder: no folder).
  std::map<int, std::pair<int, int>> references;
  std::map<int, std::string> models;
};

constexpr char kNoFolder[] = "<none>";

// This database: models 0..4 (M0..M4), sound k refers to model k for k < 5, and sound 9 refers
// to the empty model slot 6, which no copy may therefore take. The other database: model 0 is
// identical to this one's model 2, models 1 and 3 are new, model 4 is identical to its model 1
// (so one copy serves both), slot 2 is empty; its sounds 0..2 refer to them, slot 3 is empty.
void writeBothDatabases(const std::string& db, const std::string& other) {
  for (int m = 0; m < 5; ++m) {
    writeModel(db, m, "M" + std::to_string(m));
    writeSound(db, m, "S" + std::to_string(m), m, 1, -1, 0);
  }
  writeSound(db, 9, "Dangling", 6, 0, -1, 0);
  writeModel(other, 0, "M2");
  writeModel(other, 1, "X1");
  writeModel(other, 3, "X3");
  writeModel(other, 4, "X1");
  writeSound(other, 0, "I0", 0, 1, 1, 0);
  writeSound(other, 1, "I1", 2, 1, 3, 1);
  writeSound(other, 2, "I2", 4, 1, 0, 1);
}

class ImportEditTest : public ModelBankTest, public ::testing::WithParamInterface<ImportCase> {
 protected:
  std::string other() const { return root() + " other"; }
};

TEST_P(ImportEditTest, EndState) {
  const ImportCase& c = GetParam();
  ReadOnlyUnder guarded(other());
  useFileSystem(guarded);
  writeBothDatabases(root(), other());
  if (c.prepare) c.prepare(root(), other());
  database->evaluateNeuronDb();
  const auto otherBefore = treeSnapshot(other());
  const auto before = treeSnapshot(root());
  ui.answers.assign(2, kAlertDefault);
  const EditOutcome outcome = edit(c.request(root(), other()));
  EXPECT_EQ(outcome.kind, c.kind) << outcome.message;
  EXPECT_NE(outcome.message.find(c.says), std::string::npos) << outcome.message;
  EXPECT_EQ(guarded.refusedChanges, 0);
  EXPECT_EQ(treeSnapshot(other()), otherBefore);
  if (!outcome.isDone()) {
    EXPECT_EQ(treeSnapshot(root()), before);
    return;
  }
  for (const auto& [slot, references] : c.references)
    EXPECT_EQ(referencesOf(slot), references) << "sound " << slot;
  for (const auto& [slot, name] : c.models) {
    const std::string folder = slotFolderPath(root(), Bank::Models, slot);
    EXPECT_EQ(exists(folder) ? readFile(folder + "/data.bin") : kNoFolder,
              name == kNoFolder ? name : "model " + name)
        << "model " << slot;
  }
}

ImportSoundsRequest soundsAt(const std::string& other, std::vector<int> sounds, int destination) {
  return {other, std::move(sounds), destination};
}

INSTANTIATE_TEST_SUITE_P(
    Imports, ImportEditTest,
    ::testing::Values(
        // The imported block lands at 1..3, sounds 1..4 move to 4..7 and sound 9 to 12.
        ImportCase{"sounds",
                   nullptr,
                   [](auto&, auto& other) {
                     return soundsAt(other, {0, 1, 2}, 1);
                   },
                   EditOutcome::Kind::Done,
                   "is identical to model 2 here",
                   {{0, {0, -1}},
                    {1, {2, 5}},
                    {2, {-1, 7}},
                    {3, {5, 2}},
                    {4, {1, -1}},
                    {7, {4, -1}},
                    {12, {6, -1}}},
                   {{2, "M2"}, {5, "X1"}, {6, kNoFolder}, {7, "X3"}, {8, kNoFolder}}},
        // An empty slot would go in as a gap that pushes this database's sounds down for nothing.
        ImportCase{"an_empty_slot",
                   nullptr,
                   [](auto&, auto& other) {
                     return soundsAt(other, {0, 1, 2, 3}, 1);
                   },
                   EditOutcome::Kind::Refused,
                   "sound slot 3 of",
                   {},
                   {}},
        ImportCase{"models",
                   nullptr,
                   [](auto&, auto& other) {
                     return ImportModelsRequest{other, {0, 1, 2, 3, 4}};
                   },
                   EditOutcome::Kind::Done,
                   "model 2 is empty there",
                   {{0, {0, -1}}, {9, {6, -1}}},
                   {{5, "X1"}, {6, kNoFolder}, {7, "X3"}, {8, kNoFolder}}},
        ImportCase{"too_few_free_model_slots",
                   [](auto& db, auto&) {
                     // A folder alone, even without MName, takes a slot.
                     for (int m = 7; m < kSlotCount; ++m)
                       std::filesystem::create_directories(
                           testing::pathFromUtf8(slotFolderPath(db, Bank::Models, m)));
                   },
                   [](auto&, auto& other) {
                     return soundsAt(other, {0, 1}, 0);
                   },
                   EditOutcome::Kind::Refused,
                   "needs 2 free model slots (no folder, no sound referring to them), and this "
                   "database has 1",
                   {},
                   {}},
        ImportCase{"block_does_not_fit",
                   nullptr,
                   [](auto&, auto& other) {
                     return soundsAt(other, {0, 1}, 999);
                   },
                   EditOutcome::Kind::Refused,
                   "does not fit",
                   {},
                   {}},
        ImportCase{"from_itself",
                   nullptr,
                   [](auto& db, auto&) { return soundsAt(db + "/.", {0}, 3); },
                   EditOutcome::Kind::Refused,
                   "is this database itself",
                   {},
                   {}},
        ImportCase{"not_a_database",
                   nullptr,
                   [](auto&, auto& other) { return soundsAt(other + "/Sounds", {0}, 3); },
                   EditOutcome::Kind::Refused,
                   "is not a Neuron database",
                   {},
                   {}}),
    [](const ::testing::TestParamInfo<ImportCase>& info) { return info.param.title; });

}  // namespace
}  // namespace slotsmith::testing
