#include "eligibility.h"

namespace tavrel {
namespace {

using enum ClassBox;

constexpr ClassSet setOf(std::initializer_list<ClassBox> boxes) {
    ClassSet set = 0;
    for (ClassBox b : boxes) {
        set = static_cast<ClassSet>(set | bitOf(b));
    }
    return set;
}

constexpr ClassSet kAllClasses = static_cast<ClassSet>((1u << kClassBoxCount) - 1u);

// What each race may choose from before the alignment and combination rules narrow it down.
struct RaceOffer {
    ClassSet classes;
    std::uint8_t schools;  // bit per school, Abjurer = bit 0
};

constexpr std::uint8_t schoolBit(int school) {
    return static_cast<std::uint8_t>(1u << school);
}

constexpr std::array<RaceOffer, kRaceCount> kRaceOffers{{
    {setOf({Ranger, Fighter, Cleric, Thief, Mage, Specialist}),
     static_cast<std::uint8_t>(schoolBit(Diviner) | schoolBit(Enchanter))},
    {setOf({Ranger, Fighter, Cleric, Druid, Thief, Bard, Mage, Specialist}),
     static_cast<std::uint8_t>(schoolBit(Conjurer) | schoolBit(Diviner) | schoolBit(Enchanter) |
                               schoolBit(Transmuter))},
    {setOf({Fighter, Cleric, Thief}), 0},
    {kAllClasses, 0xff},
    {setOf({Fighter, Cleric, Thief, Specialist}), schoolBit(Illusionist)},
    {setOf({Fighter, Cleric, Thief}), 0},
}};

template <typename T>
bool inRange(T value, std::size_t count) {
    return value >= 0 && static_cast<std::size_t>(value) < count;
}

}  // namespace

ClassSet classSetOf(const CharacterOptions& o) {
    return classSetWhere([&o](ClassBox box) { return o.*kClassFlags[static_cast<int>(box)]; });
}

void setClassFlags(CharacterOptions& o, ClassSet set) {
    for (int i = 0; i < kClassBoxCount; ++i) {
        const auto box = static_cast<ClassBox>(i);
        classFlag(o, box) = (set & bitOf(box)) != 0;
    }
}

bool generateAccepted(const CharacterOptions& o) {
    if (classSetOf(o) == 0) {
        return false;
    }
    return !o.specialist || o.school.has_value();
}

EligibilityModel::EligibilityModel() {
    // Every control starts enabled; the first FormShow brings them under the rules.
    m_offered.fill(true);
    m_schoolOffered.fill(true);
    FormShow();
}

// ---- reactions ----

void EligibilityModel::FormShow() {
    setLifted(false);
    m_restrictionsActive = 1;
    reset();
}

void EligibilityModel::RadioGroup1Click() {
    if (m_restrictionsActive == 1) {
        reset();
    }
}

void EligibilityModel::ThiefBoxClick() {
    checkres();
}

void EligibilityModel::SpecialistBoxClick() {
    // Both tests run, each on the state that the steps before it left.
    if (!ticked(Specialist)) {
        m_panelVisible = false;
        for (ClassBox b : kResetOrder) {
            offer(b);
        }
        raceinit();
        checkres();
        alignmenttoclass();
    }
    if (ticked(Specialist)) {
        m_panelVisible = true;
        specres();
        checkres();
    }
}

void EligibilityModel::RadioButton1Click() {
    specres();
}

void EligibilityModel::CheckBox2Click() {
    if (!m_lifted) {
        // Ticks made while the rules were lifted stay; only the offer comes back under the rules.
        m_restrictionsActive = 1;
        alignmenttoclass();
        checkres();
    }
    if (m_lifted) {
        m_restrictionsActive = 0;
        // Fighter and Cleric are not in this list and keep whatever offer they had.
        for (ClassBox b : {Paladin, Thief, Druid, Mage, Specialist, Ranger, Bard}) {
            offer(b);
        }
    }
}

// ---- procedures ----

void EligibilityModel::raceinit() {
    // Everything is withdrawn for the race first; what the race offers comes back below, so the
    // boxes left withdrawn carry the race as their reason.
    for (ClassBox b : kResetOrder) {
        setTicked(b, false);
        withdraw(b, because(WithdrawalRule::Race));
    }
    withdraw(Specialist, because(WithdrawalRule::Race));
    setTicked(Specialist, false);
    for (int s = 0; s < kSchoolCount; ++s) {
        withdrawSchool(s);
        if (m_school == s) {
            m_school.reset();
        }
    }
    const RaceOffer& raceOffer = kRaceOffers[m_race];
    for (int i = 0; i < kClassBoxCount; ++i) {
        if (raceOffer.classes & (1u << i)) {
            offer(static_cast<ClassBox>(i));
        }
    }
    for (int s = 0; s < kSchoolCount; ++s) {
        if (raceOffer.schools & schoolBit(s)) {
            m_schoolOffered[s] = true;
            m_schoolReasons[s] = {};
        }
    }
}

void EligibilityModel::alignmenttoclass() {
    const std::uint16_t alignment = alignmentBit(m_lawChaos, m_goodEvil);
    for (std::size_t i = 0; i < kAlignmentRules.size(); ++i) {
        const AlignmentRule& rule = kAlignmentRules[i];
        if ((rule.races & (1u << m_race)) && !(rule.allowed & alignment)) {
            withdraw(rule.box, because(WithdrawalRule::Alignment, static_cast<int>(i)));
        }
    }
}

void EligibilityModel::specres() {
    if (m_restrictionsActive == 1 && ticked(Specialist) && m_race != Gnome) {
        for (ClassBox b : kResetOrder) {
            setTicked(b, false);
            withdraw(b, because(WithdrawalRule::Specialist));
        }
    }
}

void EligibilityModel::reset() {
    raceinit();
    alignmenttoclass();
}

void EligibilityModel::setTicked(ClassBox box, bool value) {
    if (m_ticked[index(box)] == value) {
        return;
    }
    m_ticked[index(box)] = value;
    if (box == Specialist) {
        SpecialistBoxClick();
    } else {
        ThiefBoxClick();
    }
}

void EligibilityModel::offer(ClassBox box) {
    m_offered[index(box)] = true;
    m_reasons[index(box)] = {};
}

void EligibilityModel::withdraw(ClassBox box, Reason why) {
    Reason& reason = m_reasons[index(box)];
    // Race and alignment reasons stay true until the next reset (raceinit), which replaces every
    // reason; a combination that withdraws such a box again is not why it is out of reach.
    const auto rank = [](WithdrawalRule rule) {
        return rule == WithdrawalRule::Race ? 2 : rule == WithdrawalRule::Alignment ? 1 : 0;
    };
    if (offered(box) || rank(why.rule) >= rank(reason.rule)) {
        why.subject = static_cast<std::int8_t>(index(box));
        reason = why;
    }
    m_offered[index(box)] = false;
}

void EligibilityModel::withdrawSchool(int school) {
    m_schoolOffered[school] = false;
    Reason why = because(WithdrawalRule::Race);
    why.subject = static_cast<std::int8_t>(school);
    why.school = true;
    m_schoolReasons[school] = why;
}

Reason EligibilityModel::because(WithdrawalRule rule, int detail) const {
    Reason why;
    why.rule = rule;
    why.race = static_cast<std::int8_t>(m_race);
    why.detail = static_cast<std::int8_t>(detail);
    return why;
}

void EligibilityModel::setLifted(bool lifted) {
    if (m_lifted == lifted) {
        return;
    }
    m_lifted = lifted;
    CheckBox2Click();
}

// ---- user actions ----

bool EligibilityModel::setClassTicked(ClassBox box, bool value) {
    if (!inRange(index(box), kClassBoxCount) || !offered(box)) {
        return false;
    }
    setTicked(box, value);
    return true;
}

bool EligibilityModel::selectSchool(int school) {
    if (!inRange(school, kSchoolCount) || !m_panelVisible || !m_schoolOffered[school]) {
        return false;
    }
    if (m_school != school) {
        // The previous button is unselected silently; only the newly selected one reacts.
        m_school = school;
        RadioButton1Click();
    }
    return true;
}

bool EligibilityModel::setRace(int race) {
    if (!inRange(race, kRaceCount)) {
        return false;
    }
    if (m_race != race) {
        m_race = race;
        RadioGroup1Click();
    }
    return true;
}

bool EligibilityModel::setLawChaos(int lawChaos) {
    if (!inRange(lawChaos, kLawChaosCaptions.size())) {
        return false;
    }
    if (m_lawChaos != lawChaos) {
        m_lawChaos = lawChaos;
        RadioGroup1Click();
    }
    return true;
}

bool EligibilityModel::setGoodEvil(int goodEvil) {
    if (!inRange(goodEvil, kGoodEvilCaptions.size())) {
        return false;
    }
    if (m_goodEvil != goodEvil) {
        m_goodEvil = goodEvil;
        RadioGroup1Click();
    }
    return true;
}

void EligibilityModel::setRestrictionsLifted(bool lifted) {
    setLifted(lifted);
}

bool EligibilityModel::setGender(int gender) {
    if (!inRange(gender, kGenderCaptions.size())) {
        return false;
    }
    m_gender = gender;
    return true;
}

bool EligibilityModel::setLevelRange(int levelRange) {
    if (!inRange(levelRange, kLevelRangeCaptions.size())) {
        return false;
    }
    m_levelRange = levelRange;
    return true;
}

bool EligibilityModel::setDiceMethod(int diceMethod) {
    if (!inRange(diceMethod, kDiceMethodCaptions.size())) {
        return false;
    }
    m_diceMethod = diceMethod;
    return true;
}

// ---- queries ----

ClassSet EligibilityModel::tickedSet() const {
    return classSetWhere([this](ClassBox box) { return ticked(box); });
}

ClassSet EligibilityModel::offeredSet() const {
    return classSetWhere([this](ClassBox box) { return offered(box); });
}

bool EligibilityModel::schoolOffered(int school) const {
    return inRange(school, kSchoolCount) && m_schoolOffered[school];
}

Reason EligibilityModel::schoolReason(int school) const {
    return inRange(school, kSchoolCount) ? m_schoolReasons[school] : Reason{};
}

CharacterOptions EligibilityModel::options() const {
    CharacterOptions o;
    o.race = m_race;
    setClassFlags(o, tickedSet());
    o.school = m_school;
    o.lawChaos = m_lawChaos;
    o.goodEvil = m_goodEvil;
    o.gender = m_gender;
    o.levelRange = m_levelRange;
    o.diceMethod = m_diceMethod;
    o.restrictionsLifted = m_lifted;
    return o;
}

std::uint64_t EligibilityModel::stateKey() const {
    std::uint64_t key = 0;
    auto put = [&key](std::uint64_t value, int bits) { key = (key << bits) | value; };
    put(tickedSet(), kClassBoxCount);
    put(offeredSet(), kClassBoxCount);
    for (bool offeredSchool : m_schoolOffered) {
        put(offeredSchool ? 1 : 0, 1);
    }
    put(static_cast<std::uint64_t>(m_school.value_or(kSchoolCount)), 4);
    put(m_panelVisible ? 1 : 0, 1);
    put(m_lifted ? 1 : 0, 1);
    put(m_restrictionsActive, 1);
    put(static_cast<std::uint64_t>(m_race), 3);
    put(static_cast<std::uint64_t>(m_lawChaos), 2);
    put(static_cast<std::uint64_t>(m_goodEvil), 2);
    put(static_cast<std::uint64_t>(m_gender), 1);
    put(static_cast<std::uint64_t>(m_levelRange), 2);
    put(static_cast<std::uint64_t>(m_diceMethod), 2);
    return key;
}

}  // namespace tavrel
