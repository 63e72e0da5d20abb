#pragma once

#include <optional>
#include <vector>

#include "characteroptions.h"
#include "eligibility.h"

namespace tavrel {

// One thing a user can do to the class part of the options window while the rules are in
// force: tick or untick an offered class box, or select an offered school on the visible panel.
struct UserAction {
    enum class Kind { Tick, Untick, SelectSchool };
    Kind kind = Kind::Tick;
    int index = 0;  // a ClassBox for Tick and Untick, a school for SelectSchool

    bool operator==(const UserAction&) const = default;
};

// The actions the window lets the user take from `model`'s state. Selecting the school that is
// already selected changes nothing and is left out.
std::vector<UserAction> availableActions(const EligibilityModel& model);

// Performs `action` as the user would; false when the window would refuse it.
bool perform(EligibilityModel& model, const UserAction& action);

// A class choice that "Generate!" accepts; `school` is set exactly when Specialist is ticked.
struct AllowedChoice {
    ClassSet classes = 0;
    std::optional<int> school;

    bool operator==(const AllowedChoice&) const = default;
    // Written out rather than defaulted as <=>: some standard libraries give std::optional no
    // three-way comparison, and then a defaulted <=> is deleted. No school sorts first.
    bool operator<(const AllowedChoice& other) const {
        if (classes != other.classes)
            return classes < other.classes;
        return school < other.school;
    }
};

// Every class choice that a user can reach by ticking, unticking and selecting schools, starting
// from the shown window with this race and alignment and the rules in force, and from which
// "Generate!" is accepted. Sorted, without repeats.
std::vector<AllowedChoice> allowedClassSets(int race, int lawChaos, int goodEvil);

// The class choice that `options` holds, as allowedClassSets lists it.
AllowedChoice classChoiceOf(const CharacterOptions& options);

// The shortest sequence of user actions that takes `from` to a state where exactly `classes`
// are ticked and, if Specialist is among them, `school` is selected; nullopt when the rules
// never allow it from there.
std::optional<std::vector<UserAction>> findActions(const EligibilityModel& from, ClassSet classes,
                                                   std::optional<int> school);

// Brings `model` to `wanted` the way a user would: shows the window afresh, chooses race,
// alignment, gender, level range and dice method, ticks the lift box if wanted, then ticks the
// classes in an order that the rules allow. The school counts only with Specialist. Returns
// false, with no class ticked, when an index is out of range, a specialist has no valid school,
// or the rules do not allow the classes.
bool applyOptions(EligibilityModel& model, const CharacterOptions& wanted);

// As applyOptions, for choices made elsewhere (a lifted link, a saved file) that the window may
// not reach: when the rules do not allow all of `wanted`'s classes, it ticks the most of them
// that a user can tick together, with no other class, and selects the school if it can, so that
// the window shows as much of the choice as it can. Returns whether the model now holds exactly
// `wanted`; false with no class ticked when an index is out of range.
bool approachOptions(EligibilityModel& model, const CharacterOptions& wanted);

// Why each class box and school button is out of reach for this race and alignment with the rules
// in force: the reasons of the window as it is first shown, boxes in class-flag order, then
// schools. Exactly the classes and schools that no allowed set holds are withdrawn there.
std::vector<Reason> unreachableReasons(int race, int lawChaos, int goodEvil);

// The first rule, in the order the rule steps run, that keeps a user from reaching `classes`
// (with `school` for a specialist) for this race and alignment: the race, then the alignment
// rules, then the combination and specialist rules met when ticking the classes in every order
// (the reason on a box still missing where the most of them got ticked). No reason when the
// set is allowed.
Reason refusalReason(int race, int lawChaos, int goodEvil, ClassSet classes,
                     std::optional<int> school);

}  // namespace tavrel
