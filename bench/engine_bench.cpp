// Throughput of the headless engine: complete characters on the virtual schedule over a fixed
// mix of options, the sheet writer, and the eligibility exploration.
#include <benchmark/benchmark.h>

#include <vector>

#include "schedule.h"

namespace {

using tavrel::CharacterOptions;

CharacterOptions make(int race, unsigned mask, int levelRange, int dice, int school = 0) {
    CharacterOptions o;
    o.race = race;
    o.fighter = mask & 1u;
    o.ranger = mask & 2u;
    o.paladin = mask & 4u;
    o.mage = mask & 8u;
    o.specialist = mask & 16u;
    o.cleric = mask & 32u;
    o.druid = mask & 64u;
    o.thief = mask & 128u;
    o.bard = mask & 256u;
    if (o.specialist)
        o.school = school;
    o.levelRange = levelRange;
    o.diceMethod = dice;
    o.lawChaos = 1;
    o.goodEvil = (mask & 64u) ? 1 : 0;
    return o;
}

// Every race, single and multi-class sets, all dice methods and level ranges, and a few
// combinations that only lifted restrictions allow.
std::vector<CharacterOptions> mixedOptions() {
    enum : unsigned { F = 1, R = 2, P = 4, M = 8, S = 16, C = 32, D = 64, T = 128, B = 256 };
    const unsigned sets[] = {F,     R,         P,         M,     S,     C,
                             D,     T,         B,         F | M, F | T, F | C,
                             C | M, F | M | T, F | C | M, R | C, D | F, F | P | M | C | T,
                             511};
    std::vector<CharacterOptions> all;
    int i = 0;
    for (unsigned set : sets) {
        for (int race = 0; race < 6; ++race) {
            all.push_back(make(race, set, i % 3, (i / 3) % 3, i % 8));
            ++i;
        }
    }
    return all;
}

void BM_CompleteCharacters(benchmark::State& state) {
    const std::vector<CharacterOptions> mix = mixedOptions();
    tavrel::VirtualSchedule schedule(20261207, 12 * 3600 * 1000);
    std::size_t i = 0;
    for (auto _ : state) {
        schedule.generate(mix[i]);
        benchmark::DoNotOptimize(schedule.character().hitPoints);
        i = (i + 1) % mix.size();
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["ns_per_character"] =
        benchmark::Counter(static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CompleteCharacters);

void BM_LevelFifteenFighterThief(benchmark::State& state) {
    CharacterOptions o = make(tavrel::HalfElf, 1 | 128, 2, 0);
    tavrel::VirtualSchedule schedule(1, 0);
    for (auto _ : state) {
        schedule.generate(o);
        benchmark::DoNotOptimize(schedule.character().hitPoints);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LevelFifteenFighterThief);

}  // namespace
