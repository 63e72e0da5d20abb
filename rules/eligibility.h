#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "characteroptions.h"
#include "reasons.h"

namespace tavrel {

// The nine class boxes of the options window, in the order of the class flags of
// CharacterOptions.
enum class ClassBox : int {
    Fighter = 0,
    Ranger,
    Paladin,
    Mage,
    Specialist,
    Cleric,
    Druid,
    Thief,
    Bard
};
inline constexpr int kClassBoxCount = 9;

// A set of class boxes, one bit per box (bit 0 Fighter .. bit 8 Bard).
using ClassSet = std::uint16_t;
constexpr ClassSet bitOf(ClassBox box) {
    return static_cast<ClassSet>(1u << static_cast<int>(box));
}

inline constexpr std::array<std::string_view, kClassBoxCount> kClassBoxCaptions{
    "Fighter", "Ranger", "Paladin", "Mage", "Specialist", "Cleric", "Druid", "Thief", "Bard"};

// The eight non-specialist boxes in the order in which a reset clears them; Specialist follows.
inline constexpr std::array<ClassBox, 8> kResetOrder{
    ClassBox::Paladin, ClassBox::Ranger, ClassBox::Fighter, ClassBox::Druid,
    ClassBox::Cleric,  ClassBox::Thief,  ClassBox::Bard,    ClassBox::Mage};

// An alignment rule: for a race among `races` the box is withdrawn unless the alignment is one of
// `allowed`. The rules run in this order; `says` is how every front end explains a withdrawal.
struct AlignmentRule {
    ClassBox box;
    std::uint8_t races;     // bit per race index
    std::uint16_t allowed;  // bit per alignment, bit 3 * lawChaos + goodEvil
    std::string_view says;
};
constexpr std::uint16_t alignmentBit(int lawChaos, int goodEvil) {
    return static_cast<std::uint16_t>(1u << (3 * lawChaos + goodEvil));
}
inline constexpr std::uint8_t kHalfElfAndHuman = (1u << HalfElf) | (1u << Human);
inline constexpr std::array<AlignmentRule, 5> kAlignmentRules{{
    {ClassBox::Paladin, 1u << Human, alignmentBit(0, 0), "Paladins must be lawful good"},
    {ClassBox::Ranger, (1u << Elf) | kHalfElfAndHuman,
     alignmentBit(0, 0) | alignmentBit(1, 0) | alignmentBit(2, 0), "Rangers must be good"},
    {ClassBox::Thief, (1u << kRaceCount) - 1u, static_cast<std::uint16_t>(0x1ff & ~1u),
     "Thieves cannot be lawful good"},
    {ClassBox::Druid, kHalfElfAndHuman, alignmentBit(1, 1), "Druids must be true neutral"},
    {ClassBox::Bard, kHalfElfAndHuman,
     alignmentBit(0, 1) | alignmentBit(1, 0) | alignmentBit(1, 1) | alignmentBit(1, 2) |
         alignmentBit(2, 1),
     "Bards must be neutral on at least one axis"},
}};

// The class flag of `options` that a box stands for.
inline constexpr bool CharacterOptions::*kClassFlags[kClassBoxCount] = {
    &CharacterOptions::fighter, &CharacterOptions::ranger,     &CharacterOptions::paladin,
    &CharacterOptions::mage,    &CharacterOptions::specialist, &CharacterOptions::cleric,
    &CharacterOptions::druid,   &CharacterOptions::thief,      &CharacterOptions::bard};
inline bool& classFlag(CharacterOptions& options, ClassBox box) {
    return options.*kClassFlags[static_cast<int>(box)];
}

// The boxes for which `holds(box)` is true, as a set.
template <class Predicate>
ClassSet classSetWhere(Predicate holds) {
    ClassSet set = 0;
    for (int i = 0; i < kClassBoxCount; ++i) {
        if (holds(static_cast<ClassBox>(i))) {
            set = static_cast<ClassSet>(set | bitOf(static_cast<ClassBox>(i)));
        }
    }
    return set;
}

// The class flags of `options` as a set, and back.
ClassSet classSetOf(const CharacterOptions& options);
void setClassFlags(CharacterOptions& options, ClassSet set);

// The two checks of "Generate!": some class is ticked, and a specialist has a school.
bool generateAccepted(const CharacterOptions& options);

// The class, race and alignment eligibility rules of the options window, without any GUI.
//
// The model holds what the window's controls hold: the race, alignment, gender, level range
// and dice method selections, nine class boxes with a ticked and an offered flag, eight school
// buttons with an offered flag and one selection, the school panel's visibility, the lift box
// and the restrictions-active flag. The rule procedures change ticks exactly as a click would:
// a real change of a tick runs that box's reaction at once, with the new state in place, so
// reactions nest; the final state is whatever the outermost procedure's later steps leave.
//
// The window mirrors this state into its widgets and forwards the user's clicks to the user
// actions below; the headless front end drives the same actions.
class EligibilityModel {
public:
    // The state of a freshly created options window: Elf, Lawful Good, and FormShow has run.
    EligibilityModel();

    // Reactions of the options window.
    void FormShow();
    void RadioGroup1Click();
    void ThiefBoxClick();
    void SpecialistBoxClick();
    void RadioButton1Click();
    void CheckBox2Click();

    // Rule procedures.
    void raceinit();
    void alignmenttoclass();
    void checkres();
    void specres();

    // User actions. Each refuses (returns false, changes nothing) what the window would not let
    // a user do: an index out of range, a withdrawn box, a withdrawn or hidden school button.
    // Choosing what is already chosen is accepted and runs nothing.
    bool setClassTicked(ClassBox box, bool ticked);
    bool selectSchool(int school);
    bool setRace(int race);
    bool setLawChaos(int lawChaos);
    bool setGoodEvil(int goodEvil);
    void setRestrictionsLifted(bool lifted);
    bool setGender(int gender);
    bool setLevelRange(int levelRange);
    bool setDiceMethod(int diceMethod);

    bool ticked(ClassBox box) const { return m_ticked[index(box)]; }
    bool offered(ClassBox box) const { return m_offered[index(box)]; }
    ClassSet tickedSet() const;
    ClassSet offeredSet() const;
    bool schoolOffered(int school) const;
    // Why a box or school button is withdrawn: the rule that last took it away, kept until it is
    // offered again. A race or alignment reason holds until the next reset, so a combination
    // rule withdrawing the same box again does not replace it. Empty while offered.
    Reason reason(ClassBox box) const { return m_reasons[index(box)]; }
    Reason schoolReason(int school) const;
    std::optional<int> school() const { return m_school; }
    bool panelVisible() const { return m_panelVisible; }
    // 1 while the rules are enforced, 0 while they are lifted.
    std::uint8_t restrictionsActive() const { return m_restrictionsActive; }
    bool restrictionsLifted() const { return m_lifted; }
    int race() const { return m_race; }
    int lawChaos() const { return m_lawChaos; }
    int goodEvil() const { return m_goodEvil; }

    // Whether "Generate!" would hand the current choice to the results window.
    bool generateAccepted() const { return tavrel::generateAccepted(options()); }
    // The choices as the results window captures them from the controls.
    CharacterOptions options() const;

    // Everything that the rules can change, packed for the exploration's visited set.
    std::uint64_t stateKey() const;

    bool operator==(const EligibilityModel&) const = default;

private:
    static int index(ClassBox box) { return static_cast<int>(box); }

    // Changes made by the procedures; a tick change runs the box's reaction when it is real.
    void setTicked(ClassBox box, bool ticked);
    void offer(ClassBox box);
    void withdraw(ClassBox box, Reason why);
    void withdrawSchool(int school);
    // A reason of `rule` for the current race; withdraw() names the box.
    Reason because(WithdrawalRule rule, int detail = -1) const;
    Reason excludedBy(ClassBox ticked) const {
        Reason why = because(WithdrawalRule::Combination, index(ticked));
        why.combination = tickedSet();
        return why;
    }
    void setLifted(bool lifted);
    void reset();

    bool lawfulGood() const { return m_lawChaos == 0 && m_goodEvil == 0; }
    bool trueNeutral() const { return m_lawChaos == 1 && m_goodEvil == 1; }

    // The combination rules of each race (combinations.cpp).
    void checkresElf();
    void checkresHalfElf();
    void checkresDwarf();
    void checkresHuman();
    void checkresGnome();
    void checkresHalfling();

    int m_race = Elf;
    int m_lawChaos = 0;
    int m_goodEvil = 0;
    int m_gender = 0;
    int m_levelRange = 0;
    int m_diceMethod = 0;
    std::array<bool, kClassBoxCount> m_ticked{};
    std::array<bool, kClassBoxCount> m_offered{};
    std::array<bool, kSchoolCount> m_schoolOffered{};
    std::array<Reason, kClassBoxCount> m_reasons{};
    std::array<Reason, kSchoolCount> m_schoolReasons{};
    std::optional<int> m_school;
    bool m_panelVisible = false;
    bool m_lifted = false;
    std::uint8_t m_restrictionsActive = 1;
};

}  // namespace tavrel
