#include "exploration.h"

#include <algorithm>
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
    EligibilityModel start;
    if (!start.setRace(race) || !start.setLawChaos(lawChaos) || !start.setGoodEvil(goodEvil)) {
        return {};
    }
    start.FormShow();

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

bool applyOptions(EligibilityModel& model, const CharacterOptions& wanted) {
    model.FormShow();
    const bool schoolValid = !wanted.specialist || (wanted.school && *wanted.school >= 0 &&
                                                    *wanted.school < kSchoolCount);
    if (!schoolValid || !model.setRace(wanted.race) || !model.setLawChaos(wanted.lawChaos) ||
        !model.setGoodEvil(wanted.goodEvil) || !model.setGender(wanted.gender) ||
        !model.setLevelRange(wanted.levelRange) || !model.setDiceMethod(wanted.diceMethod)) {
        return false;
    }
    model.setRestrictionsLifted(wanted.restrictionsLifted);
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

}  // namespace tavrel
