// The options window's eligibility rules on arbitrary sequences of user actions: ticks and
// unticks of any box (withdrawn ones included), school selections, race and alignment changes,
// lifting and restoring the rules, the other selections, and the window being shown again.
//
// After every action: a refused action or a repeated choice changed nothing; the school panel
// is visible exactly while Specialist is ticked; a selected school belongs to a ticked
// Specialist and is on offer; the restrictions flag mirrors the lift box; a box or school button
// carries a reason exactly while it is withdrawn; and, as long as the rules have been in force
// since the window was last shown, the ticked classes (and school) are one of the sets that the
// rules allow for the current race and alignment. Showing the window again gives the same state
// as a fresh window with the same selections, whatever came before. Runaway nesting of the
// reactions would overflow the stack, which ASan reports.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

#include "eligibility.h"
#include "exploration.h"

namespace {

using tavrel::AllowedChoice;
using tavrel::ClassBox;
using tavrel::EligibilityModel;

enum Op : int {
    Tick,
    Untick,
    SelectSchool,
    SetRace,
    SetLawChaos,
    SetGoodEvil,
    Lift,
    Unlift,
    Show,
    SetGender,
    SetLevelRange,
    SetDiceMethod,
    kOpCount
};

// The allowed sets per race and alignment, found once.
const std::vector<AllowedChoice>& allowed(int race, int lawChaos, int goodEvil) {
    static std::array<std::optional<std::vector<AllowedChoice>>, tavrel::kRaceCount * 9> cache;
    auto& entry = cache[static_cast<std::size_t>(race * 9 + lawChaos * 3 + goodEvil)];
    if (!entry)
        entry = tavrel::allowedClassSets(race, lawChaos, goodEvil);
    return *entry;
}

// Whether the ticks are a set the rules allow. A Specialist still without a school counts by
// its classes alone: the user is on the way to an allowed choice.
bool withinRules(const EligibilityModel& m) {
    const tavrel::ClassSet ticked = m.tickedSet();
    if (ticked == 0)
        return true;
    for (const AllowedChoice& choice : allowed(m.race(), m.lawChaos(), m.goodEvil())) {
        if (choice.classes != ticked)
            continue;
        if (!m.ticked(ClassBox::Specialist) || !m.school() || choice.school == m.school()) {
            return true;
        }
    }
    return false;
}

// A freshly created window brought to the same selections and shown again.
EligibilityModel freshlyShown(const EligibilityModel& m) {
    const tavrel::CharacterOptions o = m.options();
    EligibilityModel fresh;
    fresh.setRace(o.race);
    fresh.setLawChaos(o.lawChaos);
    fresh.setGoodEvil(o.goodEvil);
    fresh.setGender(o.gender);
    fresh.setLevelRange(o.levelRange);
    fresh.setDiceMethod(o.diceMethod);
    fresh.FormShow();
    return fresh;
}

void check(bool condition) {
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    EligibilityModel m;
    bool liftedSinceShown = false;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const int op = data[i] % kOpCount;
        // Indexes run from -2 to 13, so every control's range is covered with some to spare.
        const int arg = data[i + 1] % 16 - 2;
        const EligibilityModel before = m;
        const tavrel::CharacterOptions was = m.options();
        bool accepted = true;
        bool repeated = false;
        switch (op) {
            case Tick:
            case Untick: {
                const bool tick = op == Tick;
                accepted = m.setClassTicked(static_cast<ClassBox>(arg), tick);
                repeated = arg >= 0 && arg < tavrel::kClassBoxCount &&
                           before.ticked(static_cast<ClassBox>(arg)) == tick;
                // A withdrawn box, or one out of range, refuses; an offered one takes the click.
                check(accepted == (arg >= 0 && arg < tavrel::kClassBoxCount &&
                                   before.offered(static_cast<ClassBox>(arg))));
                break;
            }
            case SelectSchool:
                accepted = m.selectSchool(arg);
                repeated = was.school == arg;
                check(accepted == (before.panelVisible() && before.schoolOffered(arg)));
                break;
            case SetRace:
                accepted = m.setRace(arg);
                repeated = was.race == arg;
                break;
            case SetLawChaos:
                accepted = m.setLawChaos(arg);
                repeated = was.lawChaos == arg;
                break;
            case SetGoodEvil:
                accepted = m.setGoodEvil(arg);
                repeated = was.goodEvil == arg;
                break;
            case Lift:
            case Unlift:
                m.setRestrictionsLifted(op == Lift);
                repeated = was.restrictionsLifted == (op == Lift);
                if (op == Lift)
                    liftedSinceShown = true;
                break;
            case Show:
                m.FormShow();
                liftedSinceShown = false;
                check(m == freshlyShown(m));
                check(m.tickedSet() == 0 && !m.school() && !m.restrictionsLifted());
                break;
            case SetGender:
                accepted = m.setGender(arg);
                break;
            case SetLevelRange:
                accepted = m.setLevelRange(arg);
                break;
            case SetDiceMethod:
                accepted = m.setDiceMethod(arg);
                break;
            default:
                break;
        }
        if (!accepted || (repeated && op != Show))
            check(m == before);

        check(m.panelVisible() == m.ticked(ClassBox::Specialist));
        check(m.restrictionsActive() == (m.restrictionsLifted() ? 0 : 1));
        if (m.school()) {
            check(m.ticked(ClassBox::Specialist) && m.schoolOffered(*m.school()));
        }
        for (int b = 0; b < tavrel::kClassBoxCount; ++b) {
            const auto box = static_cast<ClassBox>(b);
            check(m.reason(box).withdrawn() == !m.offered(box));
        }
        for (int s = 0; s < tavrel::kSchoolCount; ++s)
            check(m.schoolReason(s).withdrawn() == !m.schoolOffered(s));
        if (!liftedSinceShown)
            check(withinRules(m));
    }
    return 0;
}
