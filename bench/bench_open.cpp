// Opening a full bank as `slotsmith list` does before it prints (the validity check, the
// recovery check, the scan and the health check). Its floor, a plain read of every sound.script
// and MName once, is BM_ReadFloor_2000Files beside the scan; the open is quoted as a ratio to it.
#include <benchmark/benchmark.h>

#include <string>

#include "BenchSupport.h"
#include "core/Database.h"
#include "ops/Opening.h"

namespace slotsmith::bench {
namespace {

void BM_Open_AsList(benchmark::State& state) {
  const std::string& root = pristineFullDatabase();
  QuietUi ui;
  std::size_t findings = 0;
  for (auto _ : state) {
    if (!isValidDatabase(root)) state.SkipWithError("not a database");
    Database database(ui);
    database.setRoot(databaseRootFromPath(root));
    const OpeningRecovery recovery = recoverOnOpening(database);
    database.evaluateNeuronDb();
    findings += examineOpenedDatabase(database, recovery).size();
  }
  benchmark::DoNotOptimize(findings);
}
BENCHMARK(BM_Open_AsList)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace slotsmith::bench
