// The sound edits on a full bank, each against its floor: renaming the same number of folders
// with plain rename() calls, which no edit that moves folders can beat. Every edit is measured
// as the user runs it (plan, check, carry out, rescan, SoundNames), each iteration on a fresh copy
// of the full demo database; the copy is made and removed outside the timing.
#include <benchmark/benchmark.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <memory>
#include <string>

#include "BenchSupport.h"
#include "core/Database.h"
#include "ops/Edits.h"
#include "ops/SlotRelocation.h"
#include "ops/Transaction.h"

namespace slotsmith::bench {
namespace {

struct EditFixture {
  std::string root = copyOfFullDatabase();
  QuietUi ui;
  std::unique_ptr<Database> database;

  EditFixture() {
    database = std::make_unique<Database>(ui);
    database->setRoot(root);
    database->evaluateNeuronDb();
  }
  ~EditFixture() { removeDatabaseCopy(root); }
};

using Edit = std::function<EditOutcome(EditFixture&)>;

// settled: the fresh copy is flushed to the disk before the timing starts, as a database that has
// lain untouched is. Otherwise the edit's first flush writes out the copy too, as it would right
// after other work on the disk: that flush then dominates the wall clock of edit and floor alike.
void measureEdit(benchmark::State& state, const Edit& edit, bool settled = false) {
  std::size_t steps = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto fixture = std::make_unique<EditFixture>();
    if (settled) ::sync();
    state.ResumeTiming();
    const EditOutcome outcome = edit(*fixture);
    state.PauseTiming();
    if (outcome.kind != EditOutcome::Kind::Done) state.SkipWithError(outcome.message.c_str());
    steps = outcome.plan.changes.size();
    fixture.reset();
    state.ResumeTiming();
  }
  state.counters["steps"] = static_cast<double>(steps);
}

void BM_RemoveSounds_500_999(benchmark::State& state) {
  measureEdit(state, [](EditFixture& f) {
    return runEdit(*f.database, DeleteRequest{Bank::Sounds, {500, 999}, Removal::Remove});
  });
}
BENCHMARK(BM_RemoveSounds_500_999)->Unit(benchmark::kMillisecond)->Iterations(8);

// Slots 100 to 199 to the top of the bank: 100 folders swap places with the 100 below them.
void BM_MoveSounds_100(benchmark::State& state) {
  measureEdit(state, [](EditFixture& f) {
    std::vector<int> rows;
    for (int slot = 100; slot < 200; ++slot)
      rows.push_back(slot);
    return runEdit(*f.database, MoveRequest{Bank::Sounds, rows, 0});
  });
}
BENCHMARK(BM_MoveSounds_100)->Unit(benchmark::kMillisecond)->Iterations(8);

// Slots 0 to 49 copied to 500: 50 folder copies, 500 slots shifted up, 50 pushed out of the bank.
void BM_CopySounds_50(benchmark::State& state) {
  measureEdit(state, [](EditFixture& f) {
    std::vector<int> rows;
    for (int slot = 0; slot < 50; ++slot)
      rows.push_back(slot);
    return runEdit(*f.database, CopyRequest{Bank::Sounds, rows, 500});
  });
}
BENCHMARK(BM_CopySounds_50)->Unit(benchmark::kMillisecond)->Iterations(8);

// The transaction alone, without the scans and the names file: list the bank, plan, check and
// carry out the folder changes of the 100-slot move.
void BM_MoveSounds_100_FolderStepsOnly(benchmark::State& state) {
  std::size_t steps = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto fixture = std::make_unique<EditFixture>();
    state.ResumeTiming();
    std::vector<int> rows;
    for (int slot = 100; slot < 200; ++slot)
      rows.push_back(slot);
    SlotLayout layout;
    layout.park(rows);
    layout.compactFrom(0);
    layout.shiftUpFrom(0, 100);
    layout.place(0);
    std::vector<std::string> listing;
    if (!realFileSystem().listFolder(bankFolderPath(fixture->root, Bank::Sounds), listing).isOk()) {
      state.SkipWithError("listing failed");
    }
    EditPlan plan;
    plan.changes = planSlotRelocation(Bank::Sounds, fixture->root, listing, layout).changes;
    if (!checkChanges(plan, realFileSystem()).isOk()) state.SkipWithError("check failed");
    if (runTransaction(realFileSystem(), fixture->root, plan, {}).kind !=
        TransactionResult::Kind::Done) {
      state.SkipWithError("transaction failed");
    }
    state.PauseTiming();
    steps = plan.changes.size();
    fixture.reset();
    state.ResumeTiming();
  }
  state.counters["steps"] = static_cast<double>(steps);
}
BENCHMARK(BM_MoveSounds_100_FolderStepsOnly)->Unit(benchmark::kMillisecond)->Iterations(8);

// The durable floor of the 100-slot move: the 200 folders whose number changes renamed once each
// with rename(), and one flush of the file system so that the renames are on the disk.
void BM_MoveFloor_100_RenamesAndFlush(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto fixture = std::make_unique<EditFixture>();
    state.ResumeTiming();
    for (int slot = 0; slot < 200; ++slot) {
      const std::string from = slotFolderPath(fixture->root, Bank::Sounds, slot);
      const std::string to = slotFolderPath(fixture->root, Bank::Sounds, slot + 2000);
      if (::rename(from.c_str(), to.c_str()) != 0) state.SkipWithError("rename failed");
    }
    if (!realFileSystem().syncFileSystem(fixture->root).isOk()) state.SkipWithError("no flush");
    state.PauseTiming();
    fixture.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_MoveFloor_100_RenamesAndFlush)->Unit(benchmark::kMillisecond)->Iterations(8);

// The floor of the copy: 50 sound folders copied with plain mkdir, read and write, and 550
// folders renamed, as the 50-slot copy must do at the least.
void BM_CopyFloor_50Copies550Renames(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto fixture = std::make_unique<EditFixture>();
    std::string buffer(1 << 16, '\0');
    state.ResumeTiming();
    for (int slot = 0; slot < 50; ++slot) {
      const std::string copy =
          bankFolderPath(fixture->root, Bank::Sounds) + "/copy-" + std::to_string(slot);
      ::mkdir(copy.c_str(), 0755);
      FILE* in = std::fopen(soundScriptPath(fixture->root, slot).c_str(), "rb");
      FILE* out = std::fopen((copy + "/sound.script").c_str(), "wb");
      if (in == nullptr || out == nullptr) state.SkipWithError("copy failed");
      std::size_t got;
      while ((got = std::fread(buffer.data(), 1, buffer.size(), in)) > 0) {
        std::fwrite(buffer.data(), 1, got, out);
      }
      std::fclose(in);
      std::fclose(out);
    }
    for (int slot = 999; slot >= 500 - 50; --slot) {
      const std::string from = slotFolderPath(fixture->root, Bank::Sounds, slot);
      const std::string to = slotFolderPath(fixture->root, Bank::Sounds, slot + 1000);
      if (::rename(from.c_str(), to.c_str()) != 0) state.SkipWithError("rename failed");
    }
    state.PauseTiming();
    fixture.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_CopyFloor_50Copies550Renames)->Unit(benchmark::kMillisecond)->Iterations(8);

void BM_WriteBothNamesFiles(benchmark::State& state) {
  EditFixture fixture;
  for (auto _ : state) {
    Status status = fixture.database->updateModelNames();
    if (status.isOk()) status = fixture.database->updateSoundNames();
    if (!status.isOk()) state.SkipWithError(status.message().c_str());
  }
}
BENCHMARK(BM_WriteBothNamesFiles)->Unit(benchmark::kMicrosecond);

// The floor of the names files: the same 37000 bytes written in place with stdio.
void BM_NamesFilesFloor_PlainWrite(benchmark::State& state) {
  EditFixture fixture;
  const std::string sounds = fixture.database->soundNamesText();
  const std::string models = fixture.database->modelNamesText();
  for (auto _ : state) {
    for (const auto& [path, text] : {std::pair{fixture.root + "/SoundNames", &sounds},
                                     std::pair{fixture.root + "/ModelNames", &models}}) {
      FILE* file = std::fopen(path.c_str(), "w");
      if (file == nullptr) continue;
      std::fwrite(text->data(), 1, text->size(), file);
      std::fclose(file);
    }
  }
}
BENCHMARK(BM_NamesFilesFloor_PlainWrite)->Unit(benchmark::kMicrosecond);

// Every sound of the full bank sorted by name: a permutation of the occupied slots, cycles and
// all, as one transaction with its rescan and SoundNames.
void BM_SortSoundsByName_All(benchmark::State& state) {
  measureEdit(
      state,
      [](EditFixture& f) {
        std::vector<int> all(kSlotCount);
        for (int slot = 0; slot < kSlotCount; ++slot)
          all[static_cast<std::size_t>(slot)] = slot;
        return runEdit(*f.database, ArrangeRequest{Bank::Sounds, all, Arrangement::ByName});
      },
      state.range(0) != 0);
}
BENCHMARK(BM_SortSoundsByName_All)
    ->ArgName("settled")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(8);

// Its durable floor: the folders the sort moves (as many as its plan renames) renamed once each
// with rename(), and one flush so that the renames are on the disk.
void BM_SortFloor_RenamesAndFlush(benchmark::State& state) {
  std::size_t renamed = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto fixture = std::make_unique<EditFixture>();
    std::vector<int> all(kSlotCount);
    for (int slot = 0; slot < kSlotCount; ++slot)
      all[static_cast<std::size_t>(slot)] = slot;
    const EditOutcome planned =
        runEdit(*fixture->database, ArrangeRequest{Bank::Sounds, all, Arrangement::ByName},
                {.dryRun = true});
    std::vector<std::string> moving;
    for (const Change& change : planned.plan.changes)
      if (change.kind == Change::Kind::Move) moving.push_back(change.from);
    renamed = moving.size();
    if (state.range(0) != 0) ::sync();
    state.ResumeTiming();
    for (const std::string& from : moving) {
      if (::rename(from.c_str(), (from + ".floor").c_str()) != 0) state.SkipWithError("rename");
    }
    if (!realFileSystem().syncFileSystem(fixture->root).isOk()) state.SkipWithError("no flush");
    state.PauseTiming();
    fixture.reset();
    state.ResumeTiming();
  }
  state.counters["renames"] = static_cast<double>(renamed);
}
BENCHMARK(BM_SortFloor_RenamesAndFlush)
    ->ArgName("settled")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(8);

// The floor of the folder edits: N sound folders renamed with rename(), alternately there and
// back, in a bank folder of a full database.
void BM_RenameFloor(benchmark::State& state) {
  EditFixture fixture;
  const int count = static_cast<int>(state.range(0));
  const std::string bank = bankFolderPath(fixture.root, Bank::Sounds);
  bool there = false;
  for (auto _ : state) {
    for (int slot = 0; slot < count; ++slot) {
      const std::string slotPath = slotFolderPath(fixture.root, Bank::Sounds, slot);
      const std::string other = bank + "/renamed-" + std::to_string(slot);
      const std::string& from = there ? other : slotPath;
      const std::string& to = there ? slotPath : other;
      if (::rename(from.c_str(), to.c_str()) != 0) state.SkipWithError("rename failed");
    }
    there = !there;
  }
}
BENCHMARK(BM_RenameFloor)->Arg(500)->Arg(300)->Arg(600)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace slotsmith::bench
