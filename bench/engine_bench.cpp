// Throughput of the headless engine and the Qt-free rules shared with the front ends: complete
// characters on the virtual schedule over a fixed mix of options, the sheet writer, the JSON
// line and the CSV row of the command-line tool, and the eligibility exploration of every race
// and alignment.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <vector>

#include "mix.h"
#include "schedule.h"

#include "charactercsv.h"
#include "characterjson.h"
#include "exploration.h"
#include "sheet.h"

namespace {

using tavrel::CharacterOptions;
using tavrel::bench::makeOptions;
using tavrel::bench::mixedOptions;

void BM_CompleteCharacters(benchmark::State& state) {
    const std::vector<CharacterOptions> mix = mixedOptions();
    tavrel::VirtualSchedule schedule(20261207, 12 * 3600 * 1000);
    std::size_t i = 0;
    for (auto _ : state) {
        schedule.generate(mix[i]);
        benchmark::DoNotOptimize(schedule.character().hitPoints);
        i = i + 1 == mix.size() ? 0 : i + 1;
    }
    state.SetItemsProcessed(state.iterations());
    // CPU time per character, shown with its unit (us, ns).
    state.counters["per_character"] =
        benchmark::Counter(static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CompleteCharacters);

// The longest reveal there is (level 15, two classes): the case a game master asks for most.
void BM_LevelFifteenFighterThief(benchmark::State& state) {
    const CharacterOptions o = makeOptions(tavrel::HalfElf, 1 | 128, 2, 0);
    tavrel::VirtualSchedule schedule(1, 0);
    for (auto _ : state) {
        schedule.generate(o);
        benchmark::DoNotOptimize(schedule.character().hitPoints);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LevelFifteenFighterThief);

// One character of each set of the mix, generated once, with where each generation started.
struct Generated {
    CharacterOptions options;
    tavrel::Character character;
    tavrel::VirtualSchedule::Start start;
};

std::vector<Generated> generatedMix() {
    tavrel::VirtualSchedule schedule(7, 8 * 3600 * 1000);
    std::vector<Generated> all;
    for (const CharacterOptions& o : mixedOptions()) {
        const auto start = schedule.generate(o);
        all.push_back({o, schedule.character(), start});
    }
    return all;
}

void BM_SheetWriter(benchmark::State& state) {
    const std::vector<Generated> all = generatedMix();
    std::size_t i = 0;
    std::int64_t bytes = 0;
    for (auto _ : state) {
        const std::string page = tavrel::characterSheet(all[i].character);
        bytes += static_cast<std::int64_t>(page.size());
        benchmark::DoNotOptimize(page.data());
        i = i + 1 == all.size() ? 0 : i + 1;
    }
    state.SetBytesProcessed(bytes);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SheetWriter);

// Everything `tavrel-cli allowed` can be asked: all six races under all nine alignments, each
// explored through the options window's own rules.
void BM_EligibilityExploration(benchmark::State& state) {
    std::size_t sets = 0;
    for (auto _ : state) {
        for (int race = 0; race < tavrel::kRaceCount; ++race) {
            for (int lawChaos = 0; lawChaos < 3; ++lawChaos) {
                for (int goodEvil = 0; goodEvil < 3; ++goodEvil) {
                    sets += tavrel::allowedClassSets(race, lawChaos, goodEvil).size();
                }
            }
        }
    }
    benchmark::DoNotOptimize(sets);
    // One item is one race and alignment explored.
    state.SetItemsProcessed(state.iterations() * tavrel::kRaceCount * 9);
}
BENCHMARK(BM_EligibilityExploration)->Unit(benchmark::kMillisecond);

void BM_JsonLine(benchmark::State& state) {
    const std::vector<Generated> all = generatedMix();
    std::size_t i = 0;
    std::int64_t bytes = 0;
    for (auto _ : state) {
        const Generated& g = all[i];
        const tavrel::CharacterOrigin origin{g.start.seed, g.start.time};
        std::string line;
        tavrel::appendCharacterJson(line, g.options, g.character, &origin);
        bytes += static_cast<std::int64_t>(line.size());
        benchmark::DoNotOptimize(line.data());
        i = i + 1 == all.size() ? 0 : i + 1;
    }
    state.SetBytesProcessed(bytes);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_JsonLine);

// The same characters as spreadsheet rows, with the rogue skills worked out again for their
// columns: `--format csv` should keep up with `--format json`.
void BM_CsvRow(benchmark::State& state) {
    const std::vector<Generated> all = generatedMix();
    std::size_t i = 0;
    std::int64_t bytes = 0;
    for (auto _ : state) {
        const Generated& g = all[i];
        std::string row;
        tavrel::appendCharacterCsv(row, g.options, g.character, g.start);
        bytes += static_cast<std::int64_t>(row.size());
        benchmark::DoNotOptimize(row.data());
        i = i + 1 == all.size() ? 0 : i + 1;
    }
    state.SetBytesProcessed(bytes);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CsvRow);

}  // namespace
