// The scan of a full bank against its floor: a plain read of the same 2000 files (every MName
// and every sound.script) into one reused buffer. The scan's cost is quoted as a ratio to that.
#include <benchmark/benchmark.h>

#include <string>

#include "BenchSupport.h"
#include "core/Database.h"

namespace slotsmith::bench {
namespace {

void BM_ReadFloor_2000Files(benchmark::State& state) {
  const std::string& root = pristineFullDatabase();
  std::string buffer(1 << 20, '\0');
  std::size_t bytes = 0;
  for (auto _ : state)
    bytes += readEveryScriptAndName(root, buffer);
  benchmark::DoNotOptimize(bytes);
}
BENCHMARK(BM_ReadFloor_2000Files)->Unit(benchmark::kMillisecond);

void BM_Scan_FullBank(benchmark::State& state) {
  QuietUi ui;
  Database database(ui);
  database.setRoot(pristineFullDatabase());
  database.evaluateNeuronDb();  // buffers reach their working size
  const std::size_t before = allocationCount();
  for (auto _ : state)
    database.evaluateNeuronDb();
  state.counters["allocations_per_slot"] =
      static_cast<double>(allocationCount() - before) / state.iterations() / (2 * kSlotCount);
  benchmark::DoNotOptimize(database.tables().soundSlots[999].sModel1);
}
BENCHMARK(BM_Scan_FullBank)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace slotsmith::bench
