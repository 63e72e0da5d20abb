// The cost of keeping every character of the run: time to enter one into a full history (the
// copy of the record and the oldest dropped), and the heap bytes one entry holds, counted by
// the C library's allocator.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "characterhistory.h"
#include "mix.h"
#include "schedule.h"

namespace {

// Bytes the C library's allocator has handed out and not taken back.
std::int64_t heapInUse() {
    return static_cast<std::int64_t>(mallinfo2().uordblks);
}

}  // namespace

namespace {

using namespace tavrel;

std::vector<HistoryEntry> generatedEntries() {
    VirtualSchedule schedule(7, 8 * 3600 * 1000);
    std::vector<HistoryEntry> all;
    for (const CharacterOptions& o : bench::mixedOptions()) {
        schedule.generate(o);
        all.push_back({o, schedule.character(), DriverState{}, Selections{}});
    }
    return all;
}

// A new character while the history is full: what "ReRoll" adds to every generation.
void BM_HistoryAppendWhenFull(benchmark::State& state) {
    const std::vector<HistoryEntry> all = generatedEntries();
    CharacterHistory history;
    for (std::size_t i = 0; i < CharacterHistory::kDefaultCapacity + 1; ++i) {
        history.appendNew(all[i % all.size()]);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        history.appendNew(all[i]);
        i = i + 1 == all.size() ? 0 : i + 1;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_HistoryAppendWhenFull);

// The heap a full history holds, per character, and in all.
void BM_HistoryMemory(benchmark::State& state) {
    const std::vector<HistoryEntry> all = generatedEntries();
    for (auto _ : state) {
        const std::int64_t before = heapInUse();
        auto history = std::make_unique<CharacterHistory>();
        for (std::size_t i = 0; i < CharacterHistory::kDefaultCapacity + 1; ++i) {
            history->appendNew(all[i % all.size()]);
        }
        const std::int64_t held = heapInUse() - before;
        state.counters["bytes_per_character"] =
            static_cast<double>(held) / static_cast<double>(history->size());
        state.counters["bytes_full"] = static_cast<double>(held);
        state.counters["characters"] = static_cast<double>(history->size());
    }
}
BENCHMARK(BM_HistoryMemory)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
