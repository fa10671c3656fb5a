// Importing 100 sounds that use 100 distinct new models into a full database, against its floor:
// copying the 100 sound folders and the 100 model folders and writing the 100 renumbered scripts,
// the work no import can avoid. The import is measured as the user runs it (check the source,
// place the models, plan, check, carry out, rescan, both names files), each iteration on a fresh
// copy of the full demo database whose sounds and models 900..999 were deleted to make room; the
// copy is made and removed outside the timing.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "BenchSupport.h"
#include "core/Database.h"
#include "ops/Edits.h"

namespace slotsmith::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kImported = 100;
constexpr int kFirstFreed = 900;

// The other database, made once from the demo: its sounds 0..99 each refer (first reference) to
// their own model 0..99 and to none second, and those models are renamed, so that no model of the
// target is identical to one of them.
const std::string& sourceDatabase() {
  static const std::string path = [] {
    const std::string folder = copyOfFullDatabase();
    for (int n = 0; n < kImported; ++n) {
      std::ofstream(modelNamePath(folder, n), std::ios::trunc) << "Imported " << n << "\n";
      std::ifstream script(soundScriptPath(folder, n), std::ios::binary);
      std::string text, line;
      while (std::getline(script, line)) {
        if (!line.starts_with("R1ModellIndex") && !line.starts_with("R2ModellIndex")) {
          text += line + "\n";
        }
      }
      text += "R1ModellIndex\t" + std::to_string(n) + "\nR2ModellIndex\t-1\n";
      std::ofstream(soundScriptPath(folder, n), std::ios::binary | std::ios::trunc) << text;
    }
    return folder;
  }();
  return path;
}

// A full database whose top 100 sound and model slots were emptied: the block goes in at 900
// without pushing anything, and the models into the freed slots.
std::string targetWithFreeSlots() {
  const std::string root = copyOfFullDatabase();
  for (int n = kFirstFreed; n < kSlotCount; ++n) {
    fs::remove_all(slotFolderPath(root, Bank::Models, n));
    fs::remove_all(slotFolderPath(root, Bank::Sounds, n));
  }
  return root;
}

void BM_ImportSoundsWithModels_100(benchmark::State& state) {
  const std::string& source = sourceDatabase();
  std::size_t steps = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const std::string root = targetWithFreeSlots();
    QuietUi ui;
    auto database = std::make_unique<Database>(ui);
    database->setRoot(root);
    database->evaluateNeuronDb();
    std::vector<int> sounds;
    for (int n = 0; n < kImported; ++n)
      sounds.push_back(n);
    state.ResumeTiming();
    const EditOutcome outcome =
        runEdit(*database, ImportSoundsRequest{source, sounds, kFirstFreed});
    state.PauseTiming();
    if (!outcome.isDone()) state.SkipWithError(outcome.message.c_str());
    steps = outcome.plan.changes.size();
    database.reset();
    removeDatabaseCopy(root);
    state.ResumeTiming();
  }
  state.counters["steps"] = static_cast<double>(steps);
}
BENCHMARK(BM_ImportSoundsWithModels_100)->Unit(benchmark::kMillisecond)->Iterations(8);

// The floor: the 200 folders copied into free places and the 100 scripts written.
void BM_ImportFloor_Copy200FoldersWrite100Scripts(benchmark::State& state) {
  const std::string& source = sourceDatabase();
  for (auto _ : state) {
    state.PauseTiming();
    const std::string root = targetWithFreeSlots();
    state.ResumeTiming();
    for (int n = 0; n < kImported; ++n) {
      const std::string sound = slotFolderPath(root, Bank::Sounds, kFirstFreed + n);
      fs::copy(slotFolderPath(source, Bank::Sounds, n), sound, fs::copy_options::recursive);
      fs::copy(slotFolderPath(source, Bank::Models, n),
               slotFolderPath(root, Bank::Models, kFirstFreed + n), fs::copy_options::recursive);
      std::ifstream in(soundScriptPath(source, n), std::ios::binary);
      std::string text((std::istreambuf_iterator<char>(in)), {});
      std::ofstream(sound + "/sound.script", std::ios::binary | std::ios::trunc) << text;
    }
    state.PauseTiming();
    removeDatabaseCopy(root);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ImportFloor_Copy200FoldersWrite100Scripts)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(8);

}  // namespace
}  // namespace slotsmith::bench
