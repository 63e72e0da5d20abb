#pragma once

#include <cstdint>
#include <string>

namespace tavrel {

// The rule step that took a class box or a school button away from the user.
enum class WithdrawalRule : std::uint8_t {
    None,         // the box is offered
    Race,         // the race does not offer it
    Alignment,    // one of kAlignmentRules
    Combination,  // a ticked class of this race rules it out
    OneClass,     // a human has one class only
    TwoClasses,   // a gnome has two classes at most
    Specialist,   // a specialist of this race takes no other class
};

// Why a class box or school button is not offered. Plain data, so that every front end (the
// window, the command line, the web page) can show the same words through text().
struct Reason {
    WithdrawalRule rule = WithdrawalRule::None;
    std::int8_t race = -1;     // the race the rule was applied for
    std::int8_t subject = -1;  // the ClassBox withdrawn, or the school when `school` is set
    bool school = false;
    // Alignment: the index of the rule in kAlignmentRules; Combination: the ticked ClassBox.
    std::int8_t detail = -1;
    // Combination: every box ticked when the rule applied (a ClassSet), so that the sentence
    // names the combination in the way rather than one of its classes.
    std::uint16_t combination = 0;

    bool withdrawn() const { return rule != WithdrawalRule::None; }
    // One sentence without a full stop ("Dwarves cannot be mages", "Half-elf fighter/mages cannot
    // also be specialists"); empty for an offered box.
    std::string text() const;

    bool operator==(const Reason&) const = default;
};

}  // namespace tavrel
