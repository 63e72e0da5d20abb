// The page's view of the Qt-free core: the options form's rules model, the generation on the
// virtual schedule with the user's edits, the sheet writer and the link words. The page keeps no
// rule of its own: everything it shows comes from here.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "charactercsv.h"
#include "characterjson.h"
#include "characterlines.h"
#include "cliargs.h"
#include "exploration.h"
#include "filename.h"
#include "linkwords.h"
#include "nonweapons.h"
#include "request.h"
#include "schedule.h"
#include "sheet.h"
#include "weapons.h"

namespace tavrel::web {

using emscripten::val;

namespace {

val texts(std::span<const std::string_view> entries) {
    val list = val::array();
    for (const std::string_view e : entries)
        list.call<void>("push", std::string(e));
    return list;
}

val texts(const std::vector<std::string>& entries) {
    val list = val::array();
    for (const std::string& e : entries)
        list.call<void>("push", e);
    return list;
}

// A Uint8Array's bytes, copied as they are: a character file is read as bytes, so that the
// reader itself sees any invalid UTF-8 rather than the browser's replacement characters.
std::string bytesOf(const val& array) {
    std::string bytes(array["length"].as<std::size_t>(), '\0');
    val view(emscripten::typed_memory_view(bytes.size(),
                                           reinterpret_cast<unsigned char*>(bytes.data())));
    view.call<void>("set", array);
    return bytes;
}

// The page's names for the class weapon lists: the lists are handed over, and the offered one
// named, by these keys rather than by their order.
std::string weaponListKey(WeaponList list) {
    switch (list) {
        case WeaponList::Warrior:
            return "warrior";
        case WeaponList::Mage:
            return "mage";
        case WeaponList::Thief:
            return "thief";
        case WeaponList::Priest:
            return "priest";
        case WeaponList::Druid:
            return "druid";
    }
    return {};
}

// Why the rules withdraw a class box or a school button, in the words every front end uses;
// empty while it is offered.
std::string classReason(const EligibilityModel& model, ClassBox box) {
    return model.reason(box).text();
}
std::string schoolReason(const EligibilityModel& model, int school) {
    return model.schoolReason(school).text();
}

// Why the form, brought as near to `wanted` as it goes, falls short of it: the reason on the
// first wanted class it does not tick, or else on the wanted school. The reasons are the rules';
// the rest is the page's own hint on what its buttons do with such a set.
std::string beyondNote(const EligibilityModel& model, const CharacterOptions& wanted) {
    std::string why;
    const ClassSet classes = classSetOf(wanted);
    for (int i = 0; i < kClassBoxCount && why.empty(); ++i) {
        const auto box = static_cast<ClassBox>(i);
        if ((classes & bitOf(box)) && !model.ticked(box))
            why = model.reason(box).text();
    }
    if (why.empty() && wanted.specialist && wanted.school && model.school() != wanted.school)
        why = model.schoolReason(*wanted.school).text();
    return "The character's classes come from beyond what the form offers" +
           (why.empty() ? std::string() : " (" + why + ")") +
           ": \"ReRoll\" keeps them; \"Generate!\" uses the form as it stands.";
}

}  // namespace

// The options form: the options window's rules model, driven by the form's controls.
class Form {
public:
    void FormShow() { m_model.FormShow(); }
    bool setRace(int v) { return m_model.setRace(v); }
    bool setLawChaos(int v) { return m_model.setLawChaos(v); }
    bool setGoodEvil(int v) { return m_model.setGoodEvil(v); }
    bool setGender(int v) { return m_model.setGender(v); }
    bool setLevelRange(int v) { return m_model.setLevelRange(v); }
    bool setDiceMethod(int v) { return m_model.setDiceMethod(v); }
    bool setClassTicked(int box, bool ticked) {
        return box >= 0 && box < kClassBoxCount &&
               m_model.setClassTicked(static_cast<ClassBox>(box), ticked);
    }
    bool selectSchool(int school) { return m_model.selectSchool(school); }
    void setRestrictionsLifted(bool lifted) { m_model.setRestrictionsLifted(lifted); }

    // Everything the form shows, read after every change.
    val state() const {
        val s = val::object();
        val ticked = val::array();
        val offered = val::array();
        val reasons = val::array();
        for (int i = 0; i < kClassBoxCount; ++i) {
            const auto box = static_cast<ClassBox>(i);
            ticked.call<void>("push", m_model.ticked(box));
            offered.call<void>("push", m_model.offered(box));
            reasons.call<void>("push", classReason(m_model, box));
        }
        val schools = val::array();
        val schoolReasons = val::array();
        for (int i = 0; i < kSchoolCount; ++i) {
            schools.call<void>("push", m_model.schoolOffered(i));
            schoolReasons.call<void>("push", schoolReason(m_model, i));
        }
        const CharacterOptions o = m_model.options();
        s.set("ticked", ticked);
        s.set("offered", offered);
        s.set("reasons", reasons);
        s.set("schoolOffered", schools);
        s.set("schoolReasons", schoolReasons);
        s.set("school", m_model.school() ? *m_model.school() : -1);
        s.set("panelVisible", m_model.panelVisible());
        s.set("lifted", m_model.restrictionsLifted());
        s.set("race", o.race);
        s.set("lawChaos", o.lawChaos);
        s.set("goodEvil", o.goodEvil);
        s.set("gender", o.gender);
        s.set("levelRange", o.levelRange);
        s.set("diceMethod", o.diceMethod);
        s.set("accepted", m_model.generateAccepted());
        s.set("beyond", m_beyond);
        return s;
    }

    // Brings the form to a link's or a file's choices the way a user would, as far as the
    // rules let it: a lifted link may hold a school the race is never offered, which the command
    // line generates all the same. The form then says so until the next "Generate!".
    void apply(const CharacterOptions& wanted) {
        m_applied = wanted;
        m_beyond = approachOptions(m_model, wanted) ? "" : beyondNote(m_model, wanted);
    }
    // "Generate!": the form's choices as they stand.
    CharacterOptions options() const { return m_model.options(); }
    // The last link's choices, whole, whatever the form could show of them.
    const CharacterOptions& applied() const { return m_applied; }
    void generated() { m_beyond.clear(); }

private:
    EligibilityModel m_model;
    CharacterOptions m_applied;
    std::string m_beyond;  // the note while the form shows only part of the character's choices
};

// One run of generations on the virtual schedule, the way `tavrel-cli generate` runs them, so
// that a seed and a start time give the command's character; the page calls step() at the
// desktop's pace to reveal it.
class Session {
public:
    Session(double seed, double time)
        : m_schedule(static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(time)) {}

    // Starts a generation with the form's choices; the next one (a reroll) continues the run.
    void begin(Form& form) {
        form.generated();
        beginWith(form.options());
    }
    // Starts a generation with the choices of the link just applied to the form, all of them,
    // as `tavrel-cli generate` takes them, even those the form cannot show.
    void beginLink(const Form& form) { beginWith(form.applied()); }
    // "ReRoll": the next generation of the run, with the same choices (an opened character's).
    void reroll() { started(m_schedule.begin(m_options)); }

    // Shows a character file's character as it stands, fully revealed, the way the results
    // window opens one: the weapon list and "Specialize in" its generation would offer, and the
    // same edits, new names and rerolls as on a generated character; the form takes its choices.
    // A refused file leaves the session and the form as they were and gives the reader's message
    // as {error}.
    val open(Form& form, const val& bytes) {
        const CharacterReadResult read = readCharacterJson(bytesOf(bytes));
        val result = val::object();
        if (!read.character) {
            result.set("error", read.error);
            return result;
        }
        const SavedCharacter& saved = *read.character;
        m_options = saved.options;
        generator().restore(saved.options, saved.character,
                            restoredState(saved.options, saved.character));
        m_origin = saved.origin;
        // The form takes the file's choices, so that "Generate!" goes on from them.
        form.apply(saved.options);
        m_carried = words::linkCarries(saved.options);
        m_linked = m_carried && saved.origin && regeneratedBy(*saved.origin, saved);
        if (m_linked) {
            m_start = {saved.origin->seed, saved.origin->startTime};
        }
        return result;
    }
    bool step() { return m_schedule.step(); }
    bool finished() const { return m_schedule.finished(); }
    // All the remaining steps at once: for a character restored from history.
    void finish() {
        while (m_schedule.step()) {
        }
    }

    void newName() { generator().newName(); }
    void setName(const std::string& name) { generator().setName(name); }
    void addWeapon(const std::string& text) { generator().addWeapon(text); }
    void removeWeapon(int row) { generator().removeWeapon(row); }
    void clearWeapons() { generator().clearWeapons(); }
    // As the window's "Specialize in": text that is not exactly a Warrior-list entry is ignored.
    void specializeIn(const std::string& text) {
        if (const std::optional<int> entry = warriorEntryIndex(text)) {
            generator().specializeIn(*entry);
        }
    }
    // One choice for each of lists().nonWeaponGroups, in that order.
    void addNonWeapons(const val& choices) {
        std::array<std::string, kNonWeaponGroups.size()> texts;
        std::array<std::string_view, kNonWeaponGroups.size()> views;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            texts[i] = choices[i].as<std::string>();
            views[i] = texts[i];
        }
        generator().addNonWeapons(views);
    }
    void deleteNonWeapon(int row) { generator().deleteNonWeapon(row); }
    void clearNonWeapons() { generator().clearNonWeapons(); }

    int steps() const { return m_schedule.steps(); }
    // The link's words; empty for an opened character that no link gives as it was rolled, and
    // for a character whose choices no link carries (see linkCarries).
    std::string linkQuery() const { return m_linked ? words::linkQuery(m_options, m_start) : ""; }
    std::string json() const {
        std::string out;
        appendCharacterJson(out, m_options, m_schedule.character(),
                            m_origin ? &*m_origin : nullptr);
        return out;
    }
    // What the reader would refuse in that JSON, checked before it is saved as the results window
    // does: a typed name or a list grown by hand may pass the file's limits. Empty if nothing.
    std::string jsonRefusal() const { return readCharacterJson(json()).error; }
    // The sheet's bytes (ISO 8859-1), as a fresh Uint8Array the page can hand to a Blob.
    // The name of its downloads, before the extension.
    std::string fileStem() const { return characterFileStem(m_schedule.character().name); }
    // The character's spreadsheet row, its link made on the page's own address `base`.
    std::string csvRow(const std::string& base) const {
        std::string out;
        const VirtualSchedule::Start start =
            m_origin ? VirtualSchedule::Start{m_origin->seed, m_origin->startTime} : m_start;
        appendCharacterCsv(out, m_options, m_schedule.character(), start,
                           m_linked ? words::characterLink(base, m_options, m_start) : "");
        return out;
    }
    val sheet() const {
        const std::string bytes = characterSheet(m_schedule.character());
        val view(emscripten::typed_memory_view(
            bytes.size(), reinterpret_cast<const unsigned char*>(bytes.data())));
        return val::global("Uint8Array").new_(view);
    }

    // The party table's cells: name, race, classes, level, hit points, armour class and the
    // scores, as the spreadsheet names them and the sheet writes strength.
    val partyRow() const {
        const Character& c = m_schedule.character();
        val row = val::array();
        for (const std::string& cell :
             {c.name, std::string(kRaceCaptions[m_options.race]),
              std::string(classNames(c.classLine)), std::to_string(c.level),
              std::to_string(c.hitPoints), std::to_string(c.armourClass), strengthText(c)}) {
            row.call<void>("push", cell);
        }
        for (int ability = STR + 1; ability < kAbilityCount; ++ability)
            row.call<void>("push", scoreText(c.abilityScore[ability]));
        return row;
    }

    val character() const {
        const Character& c = m_schedule.character();
        const DriverState& d = m_schedule.generator().state();
        val v = val::object();
        v.set("name", c.name);
        // The scores as every view shows them, strength with its exceptional part ("18/00").
        val scores = val::array();
        scores.call<void>("push", strengthText(c));
        for (int ability = STR + 1; ability < kAbilityCount; ++ability) {
            scores.call<void>("push", scoreText(c.abilityScore[ability]));
        }
        v.set("scoreTexts", scores);
        v.set("weapons", texts(c.weapons));
        v.set("nonWeapons", texts(c.nonWeapons));
        for (const auto& [key, line] : {std::pair{"alignmentLine", &c.alignmentLine},
                                        {"raceLine", &c.raceLine},
                                        {"genderLine", &c.genderLine},
                                        {"classLine", &c.classLine},
                                        {"levelLine", &c.levelLine},
                                        {"hitPointsLine", &c.hitPointsLine},
                                        {"armourLine", &c.armourLine},
                                        {"thiefLine", &c.thiefLine},
                                        {"specialLine", &c.specialLine},
                                        {"scrollLine", &c.scrollLine},
                                        {"wizardSpellsLine", &c.wizardSpellsLine},
                                        {"priestSpellsLine", &c.priestSpellsLine}}) {
            v.set(key, *line);
        }
        v.set("offeredList", weaponListKey(d.offeredList));
        v.set("specializeVisible", d.specializeVisible);
        v.set("running", !m_schedule.finished());
        return v;
    }

private:
    Generator& generator() { return m_schedule.generator(); }

    // The form's choices, and a link's, are what the character's link is made of.
    void beginWith(const CharacterOptions& options) {
        m_options = options;
        m_carried = true;
        started(m_schedule.begin(m_options));
    }

    void started(VirtualSchedule::Start start) {
        m_start = start;
        m_origin = CharacterOrigin{start.seed, start.time};
        m_linked = m_carried;
    }

    // A file's seed and start time are only a claim: its link is offered only when they
    // regenerate exactly the character in the file, unedited.
    static bool regeneratedBy(const CharacterOrigin& origin, const SavedCharacter& saved) {
        VirtualSchedule again(origin.seed, origin.startTime);
        again.generate(saved.options);
        return again.finished() && again.character() == saved.character;
    }

    VirtualSchedule m_schedule;
    CharacterOptions m_options;
    VirtualSchedule::Start m_start{};
    std::optional<CharacterOrigin> m_origin;  // as the JSON download writes it
    bool m_carried = false;                   // whether a link can give m_options
    bool m_linked = false;                    // whether m_start regenerates the character
};

// A link's query, decoded into name=value pairs by the page, read with the command's checks and
// applied to the form as far as it goes (Session::beginLink generates all of it). Returns
// {error, word} or {seed, time, count} (seed and time null when not given).
val applyLink(Form& form, const val& pairs) {
    std::vector<std::pair<std::string, std::string>> words;
    const int n = pairs["length"].as<int>();
    for (int i = 0; i < n; ++i) {
        words.emplace_back(pairs[i][0].as<std::string>(), pairs[i][1].as<std::string>());
    }
    val result = val::object();
    const auto read = words::readRequest(words, words::FrontEnd::Link);
    if (const auto* error = std::get_if<words::RequestError>(&read)) {
        // The reason is the command line's; how to reach the set is the page's own.
        std::string message = error->message;
        if (error->refused)
            message += "; tick Lift all Character Combination Restrictions to allow it";
        result.set("error", message);
        result.set("word", error->word);
        return result;
    }
    const auto& request = std::get<words::Request>(read);
    form.apply(request.options);
    result.set("seed", request.seed ? val(static_cast<double>(*request.seed)) : val::null());
    result.set("time", request.time ? val(static_cast<double>(*request.time)) : val::null());
    result.set("count", request.count);
    return result;
}

// The fixed lists the form and the character's edits choose from. The class weapon lists are
// keyed by name, each saying whether it takes typed text; the non-weapon groups come named, in
// the order addNonWeapons takes their choices.
val lists() {
    val v = val::object();
    val weapons = val::object();
    for (const WeaponList list : {WeaponList::Warrior, WeaponList::Mage, WeaponList::Thief,
                                  WeaponList::Priest, WeaponList::Druid}) {
        val entry = val::object();
        entry.set("entries", texts(weaponListEntries(list)));
        entry.set("typed", weaponListTakesTypedText(list));
        weapons.set(weaponListKey(list), entry);
    }
    val groups = val::array();
    for (const NonWeaponGroup group : kNonWeaponGroups) {
        val entry = val::object();
        entry.set("name", std::string(nonWeaponGroupName(group)));
        entry.set("entries", texts(nonWeaponGroupEntries(group)));
        groups.call<void>("push", entry);
    }
    v.set("weapons", weapons);
    v.set("nonWeaponGroups", groups);
    v.set("races", texts(kRaceCaptions));
    v.set("lawChaos", texts(kLawChaosCaptions));
    v.set("goodEvil", texts(kGoodEvilCaptions));
    v.set("genders", texts(kGenderCaptions));
    v.set("levelRanges", texts(kLevelRangeCaptions));
    v.set("diceMethods", texts(kDiceMethodCaptions));
    v.set("classes", texts(kClassBoxCaptions));
    v.set("schools", texts(kSchoolCaptions));
    v.set("abilities", texts(kAbilityNames));
    v.set("partyMax", words::kLinkMaxCount);
    return v;
}

// A file of characters, as `tavrel-cli sheet` reads one (see characterlines.h). Returns {lines}
// (each a character's JSON, read back by Session::open) or {error}.
val characterLines(const val& array) {
    const std::string bytes = bytesOf(array);
    val result = val::object();
    val lines = val::array();
    const std::optional<std::string> fault =
        readCharacterLines(bytes, [&lines](std::string_view text, const SavedCharacter&) {
            val view(emscripten::typed_memory_view(
                text.size(), reinterpret_cast<const unsigned char*>(text.data())));
            lines.call<void>("push", val::global("Uint8Array").new_(view));
        });
    if (fault) {
        result.set("error", *fault);
        return result;
    }
    result.set("lines", lines);
    return result;
}

// The spreadsheet's byte order mark and header row, before the party's rows, as bytes: a
// string would lose the mark on its way to JavaScript.
val csvHeader() {
    std::string out;
    appendCsvHeader(out);
    val view(emscripten::typed_memory_view(out.size(),
                                           reinterpret_cast<const unsigned char*>(out.data())));
    return val::global("Uint8Array").new_(view);
}

// The most of a character file the page hands to the reader: one byte past the limit is
// enough for it to refuse a larger file.
double characterFileLimit() {
    return static_cast<double>(kCharacterFileLimit);
}

EMSCRIPTEN_BINDINGS(tavrel) {
    using emscripten::class_;
    using emscripten::function;
    class_<Form>("Form")
        .constructor<>()
        .function("FormShow", &Form::FormShow)
        .function("setRace", &Form::setRace)
        .function("setLawChaos", &Form::setLawChaos)
        .function("setGoodEvil", &Form::setGoodEvil)
        .function("setGender", &Form::setGender)
        .function("setLevelRange", &Form::setLevelRange)
        .function("setDiceMethod", &Form::setDiceMethod)
        .function("setClassTicked", &Form::setClassTicked)
        .function("selectSchool", &Form::selectSchool)
        .function("setRestrictionsLifted", &Form::setRestrictionsLifted)
        .function("state", &Form::state);
    class_<Session>("Session")
        .constructor<double, double>()
        .function("begin", &Session::begin)
        .function("beginLink", &Session::beginLink)
        .function("reroll", &Session::reroll)
        .function("open", &Session::open)
        .function("step", &Session::step)
        .function("finished", &Session::finished)
        .function("finish", &Session::finish)
        .function("newName", &Session::newName)
        .function("setName", &Session::setName)
        .function("addWeapon", &Session::addWeapon)
        .function("removeWeapon", &Session::removeWeapon)
        .function("clearWeapons", &Session::clearWeapons)
        .function("specializeIn", &Session::specializeIn)
        .function("addNonWeapons", &Session::addNonWeapons)
        .function("deleteNonWeapon", &Session::deleteNonWeapon)
        .function("clearNonWeapons", &Session::clearNonWeapons)
        .function("steps", &Session::steps)
        .function("linkQuery", &Session::linkQuery)
        .function("json", &Session::json)
        .function("jsonRefusal", &Session::jsonRefusal)
        .function("fileStem", &Session::fileStem)
        .function("csvRow", &Session::csvRow)
        .function("partyRow", &Session::partyRow)
        .function("sheet", &Session::sheet)
        .function("character", &Session::character);
    function("applyLink", &applyLink);
    function("lists", &lists);
    function("csvHeader", &csvHeader);
    function("characterLines", &characterLines);
    function("characterFileLimit", &characterFileLimit);
}

}  // namespace tavrel::web
