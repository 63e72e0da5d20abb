#include "exploration.h"

#include <algorithm>
#include <bit>
#include <deque>
#include <unordered_map>
#include <unordered_set>

namespace tavrel {

std::vector<UserAction> availableActions(const EligibilityModel& model) {
    std::vector<UserAction> actions;
    for (int i = 0; i < kClassBoxCount; ++i) {
        const auto box = static_cast<ClassBox>(i);
        if (model.offered(box)) {
            actions.push_back(
                {model.ticked(box) ? UserAction::Kind::Untick : UserAction::Kind::Tick, i});
        }
    }
    if (model.panelVisible()) {
        for (int s = 0; s < kSchoolCount; ++s) {
            if (model.schoolOffered(s) && model.school() != s) {
                actions.push_back({UserAction::Kind::SelectSchool, s});
            }
        }
    }
    return actions;
}

bool perform(EligibilityModel& model, const UserAction& action) {
    switch (action.kind) {
        case UserAction::Kind::Tick:
        case UserAction::Kind::Untick:
            if (action.index < 0 || action.index >= kClassBoxCount) {
                return false;
            }
            return model.setClassTicked(static_cast<ClassBox>(action.index),
                                        action.kind == UserAction::Kind::Tick);
        case UserAction::Kind::SelectSchool:
            return model.selectSchool(action.index);
    }
    return false;
}

namespace {

// The window as shown for this race and alignment, or nullopt for an index out of range.
std::optional<EligibilityModel> shownWindow(int race, int lawChaos, int goodEvil) {
    EligibilityModel model;
    if (!model.setRace(race) || !model.setLawChaos(lawChaos) || !model.setGoodEvil(goodEvil)) {
        return std::nullopt;
    }
    model.FormShow();
    return model;
}

bool matches(const EligibilityModel& m, ClassSet classes, std::optional<int> school) {
    if (m.tickedSet() != classes) {
        return false;
    }
    return !m.ticked(ClassBox::Specialist) || m.school() == school;
}

}  // namespace

AllowedChoice classChoiceOf(const CharacterOptions& o) {
    return {classSetOf(o), o.specialist ? o.school : std::nullopt};
}

std::vector<AllowedChoice> allowedClassSets(int race, int lawChaos, int goodEvil) {
    const auto shown = shownWindow(race, lawChaos, goodEvil);
    if (!shown) {
        return {};
    }
    const EligibilityModel& start = *shown;

    // Breadth-first over whole window states; the state space is small (a few hundred states).
    std::unordered_set<std::uint64_t> seen{start.stateKey()};
    std::deque<EligibilityModel> queue{start};
    std::vector<AllowedChoice> allowed;
    while (!queue.empty()) {
        const EligibilityModel state = queue.front();
        queue.pop_front();
        if (state.generateAccepted()) {
            AllowedChoice choice{state.tickedSet(), std::nullopt};
            if (state.ticked(ClassBox::Specialist)) {
                choice.school = state.school();
            }
            allowed.push_back(choice);
        }
        for (const UserAction& action : availableActions(state)) {
            EligibilityModel next = state;
            perform(next, action);
            if (seen.insert(next.stateKey()).second) {
                queue.push_back(next);
            }
        }
    }
    std::sort(allowed.begin(), allowed.end());
    allowed.erase(std::unique(allowed.begin(), allowed.end()), allowed.end());
    return allowed;
}

std::optional<std::vector<UserAction>> findActions(const EligibilityModel& from, ClassSet classes,
                                                   std::optional<int> school) {
    struct Step {
        std::uint64_t parent;
        UserAction action;
    };
    std::unordered_map<std::uint64_t, Step> cameFrom;
    const std::uint64_t startKey = from.stateKey();
    cameFrom.emplace(startKey, Step{startKey, {}});
    std::deque<EligibilityModel> queue{from};
    while (!queue.empty()) {
        const EligibilityModel state = queue.front();
        queue.pop_front();
        if (matches(state, classes, school)) {
            std::vector<UserAction> path;
            for (std::uint64_t key = state.stateKey(); key != startKey;) {
                const Step& step = cameFrom.at(key);
                path.push_back(step.action);
                key = step.parent;
            }
            std::reverse(path.begin(), path.end());
            return path;
        }
        for (const UserAction& action : availableActions(state)) {
            EligibilityModel next = state;
            perform(next, action);
            if (cameFrom.emplace(next.stateKey(), Step{state.stateKey(), action}).second) {
                queue.push_back(next);
            }
        }
    }
    return std::nullopt;
}

namespace {

// Everything of `wanted` but the classes, chosen on the window shown afresh; false when an index
// is out of range.
bool chooseAllButClasses(EligibilityModel& model, const CharacterOptions& wanted) {
    model.FormShow();
    if (!model.setRace(wanted.race) || !model.setLawChaos(wanted.lawChaos) ||
        !model.setGoodEvil(wanted.goodEvil) || !model.setGender(wanted.gender) ||
        !model.setLevelRange(wanted.levelRange) || !model.setDiceMethod(wanted.diceMethod)) {
        return false;
    }
    model.setRestrictionsLifted(wanted.restrictionsLifted);
    return true;
}

// How much of `classes` (and of `school`, for a specialist) a state holds: two for each wanted
// class ticked, one for the wanted school selected; -1 for a state with a class or a school
// that was not wanted, which would show a choice nobody made.
int closeness(const EligibilityModel& m, ClassSet classes, std::optional<int> school) {
    const ClassSet ticked = m.tickedSet();
    if ((ticked & ~classes) != 0) {
        return -1;
    }
    int score = 2 * std::popcount(static_cast<unsigned>(ticked));
    if (m.ticked(ClassBox::Specialist) && m.school()) {
        if (m.school() != school) {
            return -1;
        }
        ++score;
    }
    return score;
}

// The fewest actions that take `from` to the reachable state closest to `classes` and `school`.
std::vector<UserAction> closestActions(const EligibilityModel& from, ClassSet classes,
                                       std::optional<int> school) {
    struct Step {
        std::uint64_t parent;
        UserAction action;
    };
    const bool specialist = (classes & bitOf(ClassBox::Specialist)) != 0;
    const int best = 2 * std::popcount(static_cast<unsigned>(classes)) + (specialist ? 1 : 0);
    std::unordered_map<std::uint64_t, Step> cameFrom;
    const std::uint64_t startKey = from.stateKey();
    cameFrom.emplace(startKey, Step{startKey, {}});
    std::uint64_t closestKey = startKey;
    int closestScore = closeness(from, classes, school);
    // Breadth first, so that the first state of a score is reached with the fewest actions.
    std::deque<EligibilityModel> queue{from};
    while (!queue.empty() && closestScore < best) {
        const EligibilityModel state = queue.front();
        queue.pop_front();
        for (const UserAction& action : availableActions(state)) {
            EligibilityModel next = state;
            perform(next, action);
            if (!cameFrom.emplace(next.stateKey(), Step{state.stateKey(), action}).second) {
                continue;
            }
            if (const int score = closeness(next, classes, school); score > closestScore) {
                closestScore = score;
                closestKey = next.stateKey();
            }
            queue.push_back(next);
        }
    }
    std::vector<UserAction> path;
    for (std::uint64_t key = closestKey; key != startKey;) {
        const Step& step = cameFrom.at(key);
        path.push_back(step.action);
        key = step.parent;
    }
    std::reverse(path.begin(), path.end());
    return path;
}

}  // namespace

bool applyOptions(EligibilityModel& model, const CharacterOptions& wanted) {
    const bool schoolValid = !wanted.specialist || (wanted.school && *wanted.school >= 0 &&
                                                    *wanted.school < kSchoolCount);
    if (!schoolValid) {
        model.FormShow();
        return false;
    }
    if (!chooseAllButClasses(model, wanted)) {
        return false;
    }
    const std::optional<int> school = wanted.specialist ? wanted.school : std::nullopt;
    const auto path = findActions(model, classSetOf(wanted), school);
    if (!path) {
        return false;
    }
    for (const UserAction& action : *path) {
        perform(model, action);
    }
    return true;
}

bool approachOptions(EligibilityModel& model, const CharacterOptions& wanted) {
    if (!chooseAllButClasses(model, wanted)) {
        return false;
    }
    const AllowedChoice choice = classChoiceOf(wanted);
    for (const UserAction& action : closestActions(model, choice.classes, choice.school)) {
        perform(model, action);
    }
    return model.options() == wanted;
}

namespace {

int tickedCount(const EligibilityModel& m, ClassSet classes) {
    return std::popcount(static_cast<unsigned>(m.tickedSet() & classes));
}

}  // namespace

std::vector<Reason> unreachableReasons(int race, int lawChaos, int goodEvil) {
    const auto shown = shownWindow(race, lawChaos, goodEvil);
    std::vector<Reason> reasons;
    if (!shown) {
        return reasons;
    }
    for (int i = 0; i < kClassBoxCount; ++i) {
        if (const Reason why = shown->reason(static_cast<ClassBox>(i)); why.withdrawn()) {
            reasons.push_back(why);
        }
    }
    for (int s = 0; s < kSchoolCount; ++s) {
        if (const Reason why = shown->schoolReason(s); why.withdrawn()) {
            reasons.push_back(why);
        }
    }
    return reasons;
}

Reason refusalReason(int race, int lawChaos, int goodEvil, ClassSet classes,
                     std::optional<int> school) {
    const auto shown = shownWindow(race, lawChaos, goodEvil);
    if (!shown) {
        return {};
    }
    const bool specialist = (classes & bitOf(ClassBox::Specialist)) != 0;
    // The race step: boxes in the order raceinit takes them, then the school.
    for (ClassBox box : kResetOrder) {
        if ((classes & bitOf(box)) && shown->reason(box).rule == WithdrawalRule::Race) {
            return shown->reason(box);
        }
    }
    if (specialist && shown->reason(ClassBox::Specialist).rule == WithdrawalRule::Race) {
        return shown->reason(ClassBox::Specialist);
    }
    if (specialist && school && shown->schoolReason(*school).withdrawn()) {
        return shown->schoolReason(*school);
    }
    // The alignment step, in the order of its rules.
    for (const AlignmentRule& rule : kAlignmentRules) {
        if ((classes & bitOf(rule.box)) && shown->reason(rule.box).withdrawn()) {
            return shown->reason(rule.box);
        }
    }
    // The combination and specialist steps: tick the wanted classes in every order; where the
    // most of them are ticked, a wanted box that is withdrawn says which rule stopped it.
    std::unordered_set<std::uint64_t> seen{shown->stateKey()};
    std::deque<EligibilityModel> queue{*shown};
    std::optional<EligibilityModel> best;
    while (!queue.empty()) {
        const EligibilityModel state = queue.front();
        queue.pop_front();
        if (matches(state, classes, school) && state.generateAccepted()) {
            return {};
        }
        const ClassSet missing = static_cast<ClassSet>(classes & ~state.tickedSet());
        const bool blocked = (missing & ~state.offeredSet()) != 0;
        if (blocked && (!best || tickedCount(state, classes) > tickedCount(*best, classes))) {
            best = state;
        }
        for (const UserAction& action : availableActions(state)) {
            const bool wanted =
                (action.kind == UserAction::Kind::Tick && (classes & (1u << action.index))) ||
                (action.kind == UserAction::Kind::SelectSchool && action.index == school);
            EligibilityModel next = state;
            if (wanted && perform(next, action) && seen.insert(next.stateKey()).second) {
                queue.push_back(next);
            }
        }
    }
    if (best) {
        for (int i = 0; i < kClassBoxCount; ++i) {
            const auto box = static_cast<ClassBox>(i);
            if ((classes & bitOf(box)) && !best->ticked(box) && !best->offered(box)) {
                return best->reason(box);
            }
        }
    }
    return {};
}

}  // namespace tavrel
