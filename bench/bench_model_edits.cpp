// The model edits on a full bank, against their floor: reading every sound script once and
// writing back the scripts the edit changes, the work no edit that renumbers references can
// avoid. Every edit is measured as the user runs it (plan, check, carry out, rescan, ModelNames),
// each iteration on a fresh copy of the full demo database, whose upper third of models no sound
// uses; the copy is made and removed outside the timing.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "core/Database.h"
#include "ops/Edits.h"

namespace slotsmith::bench {
namespace {

struct ModelEditFixture {
  std::string root = copyOfFullDatabase();
  QuietUi ui;
  std::unique_ptr<Database> database;

  ModelEditFixture() {
    database = std::make_unique<Database>(ui);
    database->setRoot(root);
    database->evaluateNeuronDb();
  }
  ~ModelEditFixture() { removeDatabaseCopy(root); }
};

using Edit = std::function<EditOutcome(ModelEditFixture&)>;

void measureEdit(benchmark::State& state, const Edit& edit) {
  std::size_t steps = 0;
  std::size_t scriptsWritten = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto fixture = std::make_unique<ModelEditFixture>();
    state.ResumeTiming();
    const EditOutcome outcome = edit(*fixture);
    state.PauseTiming();
    if (outcome.kind != EditOutcome::Kind::Done) state.SkipWithError(outcome.message.c_str());
    steps = outcome.plan.changes.size();
    scriptsWritten = 0;
    for (const Change& step : outcome.plan.changes) {
      scriptsWritten += step.kind == Change::Kind::Write;
    }
    fixture.reset();
    state.ResumeTiming();
  }
  state.counters["steps"] = static_cast<double>(steps);
  state.counters["scripts_written"] = static_cast<double>(scriptsWritten);
}

std::vector<int> slotRange(int first, int count) {
  std::vector<int> rows;
  for (int slot = first; slot < first + count; ++slot)
    rows.push_back(slot);
  return rows;
}

void BM_RemoveModels_500_999(benchmark::State& state) {
  measureEdit(state, [](ModelEditFixture& f) {
    return runEdit(*f.database, DeleteRequest{Bank::Models, {500, 999}, Removal::Remove});
  });
}
BENCHMARK(BM_RemoveModels_500_999)->Unit(benchmark::kMillisecond)->Iterations(8);

// The same edit planned and checked only (a dry run): the one read pass over the scripts, the
// renumbering and the folder plan, against the floor's read of all scripts (N = 0).
void BM_PlanRemoveModels_500_999(benchmark::State& state) {
  measureEdit(state, [](ModelEditFixture& f) {
    return runEdit(*f.database, DeleteRequest{Bank::Models, {500, 999}, Removal::Remove},
                   {.dryRun = true});
  });
}
BENCHMARK(BM_PlanRemoveModels_500_999)->Unit(benchmark::kMillisecond)->Iterations(8);

// Models 100 to 199 to the top of the bank: every reference to 0..199 is renumbered.
void BM_MoveModels_100(benchmark::State& state) {
  measureEdit(state, [](ModelEditFixture& f) {
    return runEdit(*f.database, MoveRequest{Bank::Models, slotRange(100, 100), 0});
  });
}
BENCHMARK(BM_MoveModels_100)->Unit(benchmark::kMillisecond)->Iterations(8);

// Models 0 to 49 copied to 500: every reference from 500 on is raised by 50.
void BM_CopyModels_50(benchmark::State& state) {
  measureEdit(state, [](ModelEditFixture& f) {
    return runEdit(*f.database, CopyRequest{Bank::Models, slotRange(0, 50), 500});
  });
}
BENCHMARK(BM_CopyModels_50)->Unit(benchmark::kMillisecond)->Iterations(8);

void BM_Consolidate_ThirdUnused(benchmark::State& state) {
  measureEdit(state,
              [](ModelEditFixture& f) { return runEdit(*f.database, ConsolidateRequest{}); });
}
BENCHMARK(BM_Consolidate_ThirdUnused)->Unit(benchmark::kMillisecond)->Iterations(8);

// The model of sound 0's first reference, replaced in all 1000 sounds.
void BM_FindAndReplace_AllSounds(benchmark::State& state) {
  measureEdit(state, [](ModelEditFixture& f) {
    const int find = f.database->tables().soundSlots[0].sModel1;
    return runEdit(*f.database, FindReplaceRequest{find, 999, slotRange(0, kSlotCount)});
  });
}
BENCHMARK(BM_FindAndReplace_AllSounds)->Unit(benchmark::kMillisecond)->Iterations(8);

// The floor: all 1000 scripts read with plain read() calls, and the first N written back in place
// with stdio (no temporary file, no rename).
void BM_ScriptsFloor_ReadAllWriteN(benchmark::State& state) {
  ModelEditFixture fixture;
  const int writes = static_cast<int>(state.range(0));
  std::string buffer(1 << 20, '\0');
  for (auto _ : state) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
      const std::string path = soundScriptPath(fixture.root, slot);
      const int fd = ::open(path.c_str(), O_RDONLY);
      if (fd < 0) continue;
      const ssize_t got = ::read(fd, buffer.data(), buffer.size());
      ::close(fd);
      if (slot >= writes || got <= 0) continue;
      FILE* file = std::fopen(path.c_str(), "w");
      if (file == nullptr) continue;
      std::fwrite(buffer.data(), 1, static_cast<std::size_t>(got), file);
      std::fclose(file);
    }
  }
}
BENCHMARK(BM_ScriptsFloor_ReadAllWriteN)
    ->Arg(0)
    ->Arg(150)
    ->Arg(425)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond);

// The same floor with the writes made safe as every edit makes them: a temporary file beside the
// script, flushed to disk, then renamed over it. The difference to the plain floor is the price of
// never leaving a truncated script behind.
void BM_ScriptsFloor_ReadAllWriteNAtomically(benchmark::State& state) {
  ModelEditFixture fixture;
  FileSystem& fs = realFileSystem();
  const int writes = static_cast<int>(state.range(0));
  std::string buffer;
  for (auto _ : state) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
      const std::string path = soundScriptPath(fixture.root, slot);
      if (!fs.readFile(path, buffer, std::size_t{1} << 30).isOk() || slot >= writes) continue;
      if (!fs.writeFileAtomically(path, buffer).isOk()) state.SkipWithError("write failed");
    }
  }
}
BENCHMARK(BM_ScriptsFloor_ReadAllWriteNAtomically)
    ->Arg(425)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond);

// The durable floor, what a crash-safe edit cannot avoid: every script read, the changed ones
// written to temporary files (not flushed one by one), one flush of the file system, the renames
// over the scripts, and one flush more so that the renames are on the disk as well.
void BM_ScriptsFloor_ReadAllWriteNDurably(benchmark::State& state) {
  ModelEditFixture fixture;
  FileSystem& fs = realFileSystem();
  const int writes = static_cast<int>(state.range(0));
  std::string buffer;
  std::vector<std::string> written;
  for (auto _ : state) {
    written.clear();
    for (int slot = 0; slot < kSlotCount; ++slot) {
      const std::string path = soundScriptPath(fixture.root, slot);
      if (!fs.readFile(path, buffer, std::size_t{1} << 30).isOk() || slot >= writes) continue;
      if (!fs.createFile(path + ".floor", buffer).isOk()) state.SkipWithError("write failed");
      written.push_back(path);
    }
    if (!fs.syncFileSystem(fixture.root).isOk()) state.SkipWithError("sync failed");
    for (const std::string& path : written) {
      if (std::rename((path + ".floor").c_str(), path.c_str()) != 0) {
        state.SkipWithError("rename failed");
      }
    }
    if (!fs.syncFileSystem(fixture.root).isOk()) state.SkipWithError("sync failed");
  }
}
BENCHMARK(BM_ScriptsFloor_ReadAllWriteNDurably)
    ->Arg(425)
    ->Arg(446)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond);

// Models 0 to 299 sorted by name, every reference to them following.
void BM_SortModelsByName_300(benchmark::State& state) {
  measureEdit(state, [](ModelEditFixture& f) {
    return runEdit(*f.database,
                   ArrangeRequest{Bank::Models, slotRange(0, 300), Arrangement::ByName});
  });
}
BENCHMARK(BM_SortModelsByName_300)->Unit(benchmark::kMillisecond)->Iterations(8);

// Its durable floor, from the sort's own plan (a dry run outside the timing): every script read,
// the ones the sort rewrites written to temporary files, one flush, those renamed over the
// scripts and the model folders the sort moves renamed once each, one flush more.
void BM_SortModelsFloor_300(benchmark::State& state) {
  FileSystem& fs = realFileSystem();
  std::string buffer;
  std::size_t writes = 0;
  std::size_t renames = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto fixture = std::make_unique<ModelEditFixture>();
    const EditOutcome planned = runEdit(
        *fixture->database, ArrangeRequest{Bank::Models, slotRange(0, 300), Arrangement::ByName},
        {.dryRun = true});
    std::vector<std::string> rewritten;
    std::vector<std::string> moving;
    for (const Change& change : planned.plan.changes) {
      if (change.kind == Change::Kind::Write && change.to.ends_with("sound.script")) {
        rewritten.push_back(change.to);
      }
      if (change.kind == Change::Kind::Move) moving.push_back(change.from);
    }
    writes = rewritten.size();
    renames = moving.size();
    std::sort(rewritten.begin(), rewritten.end());
    state.ResumeTiming();
    for (int slot = 0; slot < kSlotCount; ++slot) {
      const std::string path = soundScriptPath(fixture->root, slot);
      if (!fs.readFile(path, buffer, std::size_t{1} << 30).isOk()) continue;
      if (!std::binary_search(rewritten.begin(), rewritten.end(), path)) continue;
      if (!fs.createFile(path + ".floor", buffer).isOk()) state.SkipWithError("write failed");
    }
    if (!fs.syncFileSystem(fixture->root).isOk()) state.SkipWithError("sync failed");
    for (const std::string& path : rewritten) {
      if (std::rename((path + ".floor").c_str(), path.c_str()) != 0) state.SkipWithError("rename");
    }
    for (const std::string& from : moving) {
      if (std::rename(from.c_str(), (from + ".floor").c_str()) != 0) state.SkipWithError("rename");
    }
    if (!fs.syncFileSystem(fixture->root).isOk()) state.SkipWithError("sync failed");
    state.PauseTiming();
    fixture.reset();
    state.ResumeTiming();
  }
  state.counters["scripts_written"] = static_cast<double>(writes);
  state.counters["renames"] = static_cast<double>(renames);
}
BENCHMARK(BM_SortModelsFloor_300)->Unit(benchmark::kMillisecond)->Iterations(8);

// Undo of an edit done outside the timing: the renames run backwards, the rescan and ModelNames.
void measureUndo(benchmark::State& state, const EditRequest& edit) {
  for (auto _ : state) {
    state.PauseTiming();
    auto fixture = std::make_unique<ModelEditFixture>();
    if (!runEdit(*fixture->database, edit).isDone()) state.SkipWithError("the edit failed");
    state.ResumeTiming();
    const EditOutcome outcome = runEdit(*fixture->database, UndoRequest{});
    state.PauseTiming();
    if (!outcome.isDone()) state.SkipWithError(outcome.message.c_str());
    state.counters["renames"] = static_cast<double>(outcome.plan.changes.size());
    fixture.reset();
    state.ResumeTiming();
  }
}

void BM_UndoMoveModels_100(benchmark::State& state) {
  measureUndo(state, MoveRequest{Bank::Models, slotRange(100, 100), 0});
}
BENCHMARK(BM_UndoMoveModels_100)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_UndoRemoveModels_500_999(benchmark::State& state) {
  measureUndo(state, DeleteRequest{Bank::Models, {500, 999}, Removal::Remove});
}
BENCHMARK(BM_UndoRemoveModels_500_999)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace slotsmith::bench
