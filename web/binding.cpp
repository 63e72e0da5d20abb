// The page's view of the Qt-free core: the options form's rules model, the generation on the
// virtual schedule with the user's edits, the sheet writer and the link words. The page keeps no
// rule of its own: everything it shows comes from here.
//
// The calls are plain C functions, the rules model and the runs handed out as pointers: the page
// hands texts and bytes over one at a time (tavrel_input, tavrel_push) and reads each answer back
// from tavrel_output, as text, as bytes or as JSON. A generated glue between the two languages
// costs a phone more to download than the engine's whole reader of character files.
#include <emscripten/emscripten.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <array>
#include <cstdint>
#include <optional>
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

namespace {

std::string g_input;               // the text or bytes of the next call
std::vector<std::string> g_texts;  // the texts of a call that takes several, in order
std::string g_output;              // the last answer's text, bytes or JSON

// The answer of a call: its size; the page reads it from tavrel_output.
std::uint32_t answer(std::string text) {
    g_output = std::move(text);
    return static_cast<std::uint32_t>(g_output.size());
}

// The pushed texts, taken: the next call starts with none.
std::vector<std::string> takeTexts() {
    return std::exchange(g_texts, {});
}

// An answer in JSON: an object or an array, written as it is built.
class Json {
public:
    Json& key(std::string_view name) {
        m_writer.Key(name.data(), static_cast<rapidjson::SizeType>(name.size()));
        return *this;
    }
    Json& text(std::string_view s) {
        m_writer.String(s.data(), static_cast<rapidjson::SizeType>(s.size()));
        return *this;
    }
    Json& number(int n) {
        m_writer.Int(n);
        return *this;
    }
    Json& number(std::uint32_t n) {
        m_writer.Uint(n);
        return *this;
    }
    Json& flag(bool b) {
        m_writer.Bool(b);
        return *this;
    }
    Json& null() {
        m_writer.Null();
        return *this;
    }
    template <typename Texts>
    Json& texts(const Texts& entries) {
        openArray();
        for (const auto& e : entries)
            text(e);
        return closeArray();
    }
    Json& open() {
        m_writer.StartObject();
        return *this;
    }
    Json& close() {
        m_writer.EndObject();
        return *this;
    }
    Json& openArray() {
        m_writer.StartArray();
        return *this;
    }
    Json& closeArray() {
        m_writer.EndArray();
        return *this;
    }
    std::uint32_t answer() { return web::answer({m_buffer.GetString(), m_buffer.GetSize()}); }

private:
    rapidjson::StringBuffer m_buffer;
    rapidjson::Writer<rapidjson::StringBuffer> m_writer{m_buffer};
};

// The page's names for the class weapon lists: the lists are handed over, and the offered one
// named, by these keys rather than by their order.
std::string_view weaponListKey(WeaponList list) {
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

    // Everything the form shows, read after every change. Each withdrawn box and button says
    // why, in the words every front end uses; an offered one has an empty reason.
    std::uint32_t state() const {
        Json s;
        s.open();
        s.key("ticked").openArray();
        for (int i = 0; i < kClassBoxCount; ++i)
            s.flag(m_model.ticked(static_cast<ClassBox>(i)));
        s.closeArray().key("offered").openArray();
        for (int i = 0; i < kClassBoxCount; ++i)
            s.flag(m_model.offered(static_cast<ClassBox>(i)));
        s.closeArray().key("reasons").openArray();
        for (int i = 0; i < kClassBoxCount; ++i)
            s.text(m_model.reason(static_cast<ClassBox>(i)).text());
        s.closeArray().key("schoolOffered").openArray();
        for (int i = 0; i < kSchoolCount; ++i)
            s.flag(m_model.schoolOffered(i));
        s.closeArray().key("schoolReasons").openArray();
        for (int i = 0; i < kSchoolCount; ++i)
            s.text(m_model.schoolReason(i).text());
        s.closeArray();
        const CharacterOptions o = m_model.options();
        s.key("school").number(m_model.school() ? *m_model.school() : -1);
        s.key("panelVisible").flag(m_model.panelVisible());
        s.key("lifted").flag(m_model.restrictionsLifted());
        s.key("race").number(o.race);
        s.key("lawChaos").number(o.lawChaos);
        s.key("goodEvil").number(o.goodEvil);
        s.key("gender").number(o.gender);
        s.key("levelRange").number(o.levelRange);
        s.key("diceMethod").number(o.diceMethod);
        s.key("accepted").flag(m_model.generateAccepted());
        s.key("beyond").text(m_beyond);
        return s.close().answer();
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
    Session(std::uint32_t seed, std::uint32_t time) : m_schedule(seed, time) {}

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
    // A refused file leaves the session and the form as they were and gives the reader's message.
    std::optional<std::string> open(Form& form, std::string_view bytes) {
        const CharacterReadResult read = readCharacterJson(bytes);
        if (!read.character)
            return read.error;
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
        return std::nullopt;
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
    // One choice for each of the lists' nonWeaponGroups, in that order; any other number of
    // choices changes nothing.
    void addNonWeapons(const std::vector<std::string>& choices) {
        std::array<std::string_view, kNonWeaponGroups.size()> views;
        if (choices.size() != views.size())
            return;
        for (std::size_t i = 0; i < views.size(); ++i)
            views[i] = choices[i];
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
    // The sheet's bytes (ISO 8859-1), which the page hands to a Blob as they are.
    std::string sheet() const { return characterSheet(m_schedule.character()); }

    // The party table's cells: name, race, classes, level, hit points, armour class and the
    // scores, as the spreadsheet names them and the sheet writes strength.
    std::uint32_t partyRow() const {
        const Character& c = m_schedule.character();
        Json row;
        row.openArray();
        for (const std::string& cell :
             {c.name, std::string(kRaceCaptions[m_options.race]),
              std::string(classNames(c.classLine)), std::to_string(c.level),
              std::to_string(c.hitPoints), std::to_string(c.armourClass), strengthText(c)}) {
            row.text(cell);
        }
        for (int ability = STR + 1; ability < kAbilityCount; ++ability)
            row.text(scoreText(c.abilityScore[ability]));
        return row.closeArray().answer();
    }

    std::uint32_t character() const {
        const Character& c = m_schedule.character();
        const DriverState& d = m_schedule.generator().state();
        Json v;
        v.open().key("name").text(c.name);
        // The scores as every view shows them, strength with its exceptional part ("18/00").
        v.key("scoreTexts").openArray().text(strengthText(c));
        for (int ability = STR + 1; ability < kAbilityCount; ++ability) {
            v.text(scoreText(c.abilityScore[ability]));
        }
        v.closeArray();
        v.key("weapons").texts(c.weapons);
        v.key("nonWeapons").texts(c.nonWeapons);
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
            v.key(key).text(*line);
        }
        v.key("offeredList").text(weaponListKey(d.offeredList));
        v.key("specializeVisible").flag(d.specializeVisible);
        v.key("running").flag(!m_schedule.finished());
        return v.close().answer();
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

}  // namespace tavrel::web

using tavrel::web::answer;
using tavrel::web::Form;
using tavrel::web::g_input;
using tavrel::web::g_output;
using tavrel::web::Json;
using tavrel::web::Session;
using tavrel::web::takeTexts;

extern "C" {

// ----- what passes between the page and the engine ---------------------------------------------

// Room for the next call's text or bytes, `size` of them, which the page writes there.
EMSCRIPTEN_KEEPALIVE char* tavrel_input(std::uint32_t size) {
    g_input.assign(size, '\0');
    return g_input.data();
}
// The text just written becomes the next of a call's several texts.
EMSCRIPTEN_KEEPALIVE void tavrel_push() {
    tavrel::web::g_texts.push_back(std::exchange(g_input, {}));
}
// Where the last answer is; its size is what the call returned.
EMSCRIPTEN_KEEPALIVE const char* tavrel_output() {
    return g_output.data();
}

// ----- the options form ----------------------------------------------------------------------

EMSCRIPTEN_KEEPALIVE Form* tavrel_form_new() {
    return new Form;
}
EMSCRIPTEN_KEEPALIVE void tavrel_form_FormShow(Form* f) {
    f->FormShow();
}
EMSCRIPTEN_KEEPALIVE bool tavrel_form_setRace(Form* f, int v) {
    return f->setRace(v);
}
EMSCRIPTEN_KEEPALIVE bool tavrel_form_setLawChaos(Form* f, int v) {
    return f->setLawChaos(v);
}
EMSCRIPTEN_KEEPALIVE bool tavrel_form_setGoodEvil(Form* f, int v) {
    return f->setGoodEvil(v);
}
EMSCRIPTEN_KEEPALIVE bool tavrel_form_setGender(Form* f, int v) {
    return f->setGender(v);
}
EMSCRIPTEN_KEEPALIVE bool tavrel_form_setLevelRange(Form* f, int v) {
    return f->setLevelRange(v);
}
EMSCRIPTEN_KEEPALIVE bool tavrel_form_setDiceMethod(Form* f, int v) {
    return f->setDiceMethod(v);
}
EMSCRIPTEN_KEEPALIVE bool tavrel_form_setClassTicked(Form* f, int box, bool ticked) {
    return f->setClassTicked(box, ticked);
}
EMSCRIPTEN_KEEPALIVE bool tavrel_form_selectSchool(Form* f, int school) {
    return f->selectSchool(school);
}
EMSCRIPTEN_KEEPALIVE void tavrel_form_setRestrictionsLifted(Form* f, bool lifted) {
    f->setRestrictionsLifted(lifted);
}
// JSON: the form's state.
EMSCRIPTEN_KEEPALIVE std::uint32_t tavrel_form_state(const Form* f) {
    return f->state();
}

// A link's query, decoded into name=value pairs by the page and pushed name, value, name, …;
// read with the command's checks and applied to the form as far as it goes
// (tavrel_session_beginLink generates all of it). JSON: {error, word} or {seed, time, count}
// (seed and time null when not given).
EMSCRIPTEN_KEEPALIVE std::uint32_t tavrel_form_applyLink(Form* f) {
    namespace words = tavrel::words;
    const std::vector<std::string> texts = takeTexts();
    std::vector<std::pair<std::string, std::string>> pairs;
    for (std::size_t i = 0; i + 1 < texts.size(); i += 2)
        pairs.emplace_back(texts[i], texts[i + 1]);
    Json result;
    result.open();
    const auto read = words::readRequest(pairs, words::FrontEnd::Link);
    if (const auto* error = std::get_if<words::RequestError>(&read)) {
        // The reason is the command line's; how to reach the set is the page's own.
        std::string message = error->message;
        if (error->refused)
            message += "; tick Lift all Character Combination Restrictions to allow it";
        result.key("error").text(message).key("word").text(error->word);
        return result.close().answer();
    }
    const auto& request = std::get<words::Request>(read);
    f->apply(request.options);
    for (const auto& [key, given] : {std::pair{"seed", request.seed}, {"time", request.time}}) {
        result.key(key);
        if (given)
            result.number(*given);
        else
            result.null();
    }
    result.key("count").number(request.count);
    return result.close().answer();
}

// ----- a run of generations ------------------------------------------------------------------

EMSCRIPTEN_KEEPALIVE Session* tavrel_session_new(std::uint32_t seed, std::uint32_t time) {
    return new Session(seed, time);
}
EMSCRIPTEN_KEEPALIVE void tavrel_session_delete(Session* s) {
    delete s;
}
EMSCRIPTEN_KEEPALIVE void tavrel_session_begin(Session* s, Form* f) {
    s->begin(*f);
}
EMSCRIPTEN_KEEPALIVE void tavrel_session_beginLink(Session* s, const Form* f) {
    s->beginLink(*f);
}
EMSCRIPTEN_KEEPALIVE void tavrel_session_reroll(Session* s) {
    s->reroll();
}
// The input's character file: -1 when opened, else the size of the reader's message.
EMSCRIPTEN_KEEPALIVE int tavrel_session_open(Session* s, Form* f) {
    const std::optional<std::string> refused = s->open(*f, g_input);
    return refused ? static_cast<int>(answer(*refused)) : -1;
}
EMSCRIPTEN_KEEPALIVE bool tavrel_session_step(Session* s) {
    return s->step();
}
EMSCRIPTEN_KEEPALIVE bool tavrel_session_finished(const Session* s) {
    return s->finished();
}
EMSCRIPTEN_KEEPALIVE void tavrel_session_finish(Session* s) {
    s->finish();
}
EMSCRIPTEN_KEEPALIVE void tavrel_session_newName(Session* s) {
    s->newName();
}
EMSCRIPTEN_KEEPALIVE void tavrel_session_setName(Session* s) {
    s->setName(g_input);
}
EMSCRIPTEN_KEEPALIVE void tavrel_session_addWeapon(Session* s) {
    s->addWeapon(g_input);
}
EMSCRIPTEN_KEEPALIVE void tavrel_session_removeWeapon(Session* s, int row) {
    s->removeWeapon(row);
}
EMSCRIPTEN_KEEPALIVE void tavrel_session_clearWeapons(Session* s) {
    s->clearWeapons();
}
EMSCRIPTEN_KEEPALIVE void tavrel_session_specializeIn(Session* s) {
    s->specializeIn(g_input);
}
// The pushed texts are the choices, one for each non-weapon group.
EMSCRIPTEN_KEEPALIVE void tavrel_session_addNonWeapons(Session* s) {
    s->addNonWeapons(takeTexts());
}
EMSCRIPTEN_KEEPALIVE void tavrel_session_deleteNonWeapon(Session* s, int row) {
    s->deleteNonWeapon(row);
}
EMSCRIPTEN_KEEPALIVE void tavrel_session_clearNonWeapons(Session* s) {
    s->clearNonWeapons();
}
EMSCRIPTEN_KEEPALIVE int tavrel_session_steps(const Session* s) {
    return s->steps();
}
EMSCRIPTEN_KEEPALIVE std::uint32_t tavrel_session_linkQuery(const Session* s) {
    return answer(s->linkQuery());
}
EMSCRIPTEN_KEEPALIVE std::uint32_t tavrel_session_json(const Session* s) {
    return answer(s->json());
}
EMSCRIPTEN_KEEPALIVE std::uint32_t tavrel_session_jsonRefusal(const Session* s) {
    return answer(s->jsonRefusal());
}
EMSCRIPTEN_KEEPALIVE std::uint32_t tavrel_session_fileStem(const Session* s) {
    return answer(s->fileStem());
}
// The input is the page's own address.
EMSCRIPTEN_KEEPALIVE std::uint32_t tavrel_session_csvRow(const Session* s) {
    return answer(s->csvRow(g_input));
}
// Bytes: the sheet in ISO 8859-1.
EMSCRIPTEN_KEEPALIVE std::uint32_t tavrel_session_sheet(const Session* s) {
    return answer(s->sheet());
}
// JSON: the party table's row.
EMSCRIPTEN_KEEPALIVE std::uint32_t tavrel_session_partyRow(const Session* s) {
    return s->partyRow();
}
// JSON: everything the character view shows.
EMSCRIPTEN_KEEPALIVE std::uint32_t tavrel_session_character(const Session* s) {
    return s->character();
}

// ----- the fixed lists and the files --------------------------------------------------------

// JSON: the fixed lists the form and the character's edits choose from. The class weapon lists
// are keyed by name, each saying whether it takes typed text; the non-weapon groups come named,
// in the order tavrel_session_addNonWeapons takes their choices.
EMSCRIPTEN_KEEPALIVE std::uint32_t tavrel_lists() {
    using namespace tavrel;
    Json v;
    v.open().key("weapons").open();
    for (const WeaponList list : {WeaponList::Warrior, WeaponList::Mage, WeaponList::Thief,
                                  WeaponList::Priest, WeaponList::Druid}) {
        v.key(web::weaponListKey(list)).open();
        v.key("entries").texts(weaponListEntries(list));
        v.key("typed").flag(weaponListTakesTypedText(list));
        v.close();
    }
    v.close().key("nonWeaponGroups").openArray();
    for (const NonWeaponGroup group : kNonWeaponGroups) {
        v.open().key("name").text(nonWeaponGroupName(group));
        v.key("entries").texts(nonWeaponGroupEntries(group));
        v.close();
    }
    v.closeArray();
    v.key("races").texts(kRaceCaptions);
    v.key("lawChaos").texts(kLawChaosCaptions);
    v.key("goodEvil").texts(kGoodEvilCaptions);
    v.key("genders").texts(kGenderCaptions);
    v.key("levelRanges").texts(kLevelRangeCaptions);
    v.key("diceMethods").texts(kDiceMethodCaptions);
    v.key("classes").texts(kClassBoxCaptions);
    v.key("schools").texts(kSchoolCaptions);
    v.key("abilities").texts(kAbilityNames);
    v.key("partyMax").number(words::kLinkMaxCount);
    return v.close().answer();
}

// The input, a file of characters, as `tavrel-cli sheet` reads one (see characterlines.h).
// JSON: {lines}, each character's place in the input as [start, size] (its bytes are what
// tavrel_session_open reads), or {error}.
EMSCRIPTEN_KEEPALIVE std::uint32_t tavrel_characterLines() {
    const std::string bytes = std::exchange(g_input, {});
    Json result;
    result.open().key("lines").openArray();
    const std::optional<std::string> fault = tavrel::readCharacterLines(
        bytes, [&result, &bytes](std::string_view text, const tavrel::SavedCharacter&) {
            result.openArray()
                .number(static_cast<std::uint32_t>(text.data() - bytes.data()))
                .number(static_cast<std::uint32_t>(text.size()))
                .closeArray();
        });
    if (fault) {
        Json refused;
        return refused.open().key("error").text(*fault).close().answer();
    }
    return result.closeArray().close().answer();
}

// Bytes: the spreadsheet's byte order mark and header row, before the party's rows.
EMSCRIPTEN_KEEPALIVE std::uint32_t tavrel_csvHeader() {
    std::string out;
    tavrel::appendCsvHeader(out);
    return answer(std::move(out));
}

// The most of a character file the page hands to the reader: one byte past the limit is
// enough for it to refuse a larger file.
EMSCRIPTEN_KEEPALIVE std::uint32_t tavrel_characterFileLimit() {
    return static_cast<std::uint32_t>(tavrel::kCharacterFileLimit);
}

}  // extern "C"
