// The cost of keeping every character of the run: time to enter one into a full history (the
// copy of the record and the oldest dropped), and the heap bytes one entry holds, counted by
// the C library's allocator: unedited, and with a full list of edits to undo.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "characterhistory.h"
#include "clock.h"
#include "generator.h"
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
        all.push_back({o, schedule.character(), DriverState{}, Selections{}, EditList{}});
    }
    return all;
}

// The same characters, each with as many edits as its undo list keeps, made as the window makes
// them: a weapon removed and added back, the proficiencies cleared and some added again, and
// a typed name.
std::vector<HistoryEntry> editedEntries() {
    std::vector<HistoryEntry> all = generatedEntries();
    Random random;
    const SettableClock clock(0);
    Generator generator(random, clock);
    for (HistoryEntry& e : all) {
        generator.restore(e.options, e.character, e.state);
        const std::vector<std::string> nonWeapons = e.character.nonWeapons;
        for (std::size_t step = 0; generator.edits().size() < EditList::kCapacity; ++step) {
            const std::vector<std::string>& weapons = generator.character().weapons;
            switch (step % 5) {
                case 0:
                    if (!weapons.empty()) {
                        generator.removeWeapon(0);
                    }
                    break;
                case 1:
                    generator.addWeapon(e.character.weapons.empty() ? "Dagger"
                                                                    : e.character.weapons[0]);
                    break;
                case 2:
                    generator.clearNonWeapons();
                    break;
                case 3: {
                    std::array<std::string_view, 5> choices{};
                    for (std::size_t i = 0; i < choices.size() && i < nonWeapons.size(); ++i) {
                        choices[i] = nonWeapons[i];
                    }
                    generator.addNonWeapons(choices);
                    break;
                }
                default:
                    generator.setName(e.character.name + " the " + std::to_string(step));
                    generator.endTyping();
            }
        }
        e.character = generator.character();
        e.edits = generator.edits();
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
void historyMemory(benchmark::State& state, const std::vector<HistoryEntry>& all) {
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

void BM_HistoryMemory(benchmark::State& state) {
    historyMemory(state, generatedEntries());
}
BENCHMARK(BM_HistoryMemory)->Iterations(3)->Unit(benchmark::kMillisecond);

// Every character edited as far as its undo list reaches: the most the edits can add.
void BM_HistoryMemoryFullyEdited(benchmark::State& state) {
    historyMemory(state, editedEntries());
}
BENCHMARK(BM_HistoryMemoryFullyEdited)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
