#include "names.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace tavrel {

namespace {

// The tables keep their order and their repeated entries: draws are made by position, so a seed
// reproduces the same name and a doubled entry is twice as likely.

// Dwarf tables
constexpr std::string_view dwarfstart[] = {"Bal",  "Bel", "Bof",  "Dal",  "Dor", "Dwar", "Far",
                                           "Gil",  "Gim", "Kil",  "Mor",  "Nal", "Nor",  "Ov",
                                           "Thor", "Dum", "Grum", "Grod", "Brun"};
static_assert(std::size(dwarfstart) == 19);
constexpr std::string_view dwarfmiddle[] = {
    "agn", "ard", "orb", "arg", "urb", "ogr", "adr", "ad", "ag",  "og", "e",  "od",  "ed", "eg",
    "egh", "agh", "afr", "ofr", "ar",  "a",   "o",   "u",  "ugr", "ud", "ub", "urb", "urd"};
static_assert(std::size(dwarfmiddle) == 27);
constexpr std::string_view dwarfmaleend[] = {"aim", "ain", "ak", "ar", "i",  "im", "in", "o",
                                             "or",  "ur",  "um", "us", "ax", "an", "un"};
static_assert(std::size(dwarfmaleend) == 15);
constexpr std::string_view dwarffemaleend[] = {"al",  "ana", "a",   "ip", "ia",   "ila",
                                               "ina", "ola", "ona", "on", "ella", "eria"};
static_assert(std::size(dwarffemaleend) == 12);
constexpr std::string_view dwarfbirthorder[] = {", the first",   ", the last",    ", the seventh",
                                                ", the oldest",  ", the missing", ", the youngest",
                                                ", the fourth",  ", the third",   ", the long-lost",
                                                ", the missing", ", the second",  ", the fifth"};
static_assert(std::size(dwarfbirthorder) == 12);
constexpr std::string_view dwarffame[] = {" well-known ", " famous ", " legendary ", " hero ",
                                          " renowned ",   " mighty ", " great "};
static_assert(std::size(dwarffame) == 7);
constexpr std::string_view deedmanner[] = {
    ", who bravely",    ", who single-handedly", ", who all by himself", ", who courageously",
    ", who heroically", ", who valiantly",       ", who fearlessly"};
static_assert(std::size(deedmanner) == 7);
constexpr std::string_view deedoutcome[] = {" fought and slaughtered",  " fought and drove away",
                                            " fought but was slain by", " fought and destroyed",
                                            " fought and enslaved",     " fought and captured",
                                            " fought and butchered"};
static_assert(std::size(deedoutcome) == 7);
constexpr std::string_view foestart[] = {" Tsal", " Abeg",  " Ikog", " Feth", " Mban", " Agrez",
                                         " Xan",  " Krill", " Ouz",  " Dern", " Del",  " Mon",
                                         " Sder", " Lor",   " Ger",  " Deen", " A'dar"};
static_assert(std::size(foestart) == 17);
constexpr std::string_view foesecond[] = {"oxo",  "uru", "tret", "awa",  "ikki", "ocka", "o'or",
                                          "e'de", "ehe", "asa",  "az'a", "eje",  "iwi"};
static_assert(std::size(foesecond) == 13);
constexpr std::string_view foethird[] = {"nu",  "ki",  "tu",    "re",   "lo",  "fthe", "pe",  "wee",
                                         "dee", "low", "di'ow", "stre", "fre", "dra",  "cra", "tri",
                                         "vi",  "xi",  "xo",    "xea",  "zi",  "zee"};
static_assert(std::size(foethird) == 22);
constexpr std::string_view foefourth[] = {"lez",   "toz",    "ner",     "zil",    "nol",
                                          "tran",  "traz",   "vol",     "thol",   "zier",
                                          "ra'ha", "ti'zil", "re'nahy", "hyl'otl"};
static_assert(std::size(foefourth) == 14);
constexpr std::string_view foeepithet[] = {", the great",  ", the sinister",   ", the terrifying",
                                           ", the foul",   ", the horrifying", ", the vengeful",
                                           ", the sly",    ", the powerful",   ", the mad",
                                           ", the greedy", ", the obssessed",  ", the evil"};
static_assert(std::size(foeepithet) == 12);
constexpr std::string_view foekind[] = {
    " mind flayer,",   " lich,",           " black dragon,", " deep dragon,",    " beholder,",
    " drow wizard,",   " demon,",          " fiend,",        " Elemental lord,", " dracolich,",
    " shadow dragon,", " drow priestess,", " derro lord,",   " orc shaman,",     " frost giant,"};
static_assert(std::size(foekind) == 15);
constexpr std::string_view dwarfnumeral[] = {"I",    "II", "III", "IV", "V",   "VI",  "VII",
                                             "VIII", "IX", "X",   "XI", "XII", "XIII"};
static_assert(std::size(dwarfnumeral) == 13);
constexpr std::string_view dwarfcalling[] = {" explorer,",
                                             " noble,",
                                             " inventor,",
                                             " master craftsman,",
                                             " master smither,",
                                             " map-maker,",
                                             " tracker,",
                                             " diplomat,",
                                             " master gem cutter,",
                                             " merchant,",
                                             " librarian,",
                                             " high priest,",
                                             " battle-axe grand master,",
                                             " engineer,",
                                             " astrologist,",
                                             " politician,",
                                             " patriarch,",
                                             " adventurer,",
                                             " master herbalist,",
                                             " unsung hero,"};
static_assert(std::size(dwarfcalling) == 20);
constexpr std::string_view dwarfkinship[] = {" nepphew", " grandchild", " child", " guardian",
                                             " grandchild"};
static_assert(std::size(dwarfkinship) == 5);
constexpr std::string_view dwarftitle[] = {"King.",       "Prince.",    "Lord.",
                                           "Chosen One.", "Chieftain.", "Clan Master."};
static_assert(std::size(dwarftitle) == 6);
// Human tables
constexpr std::string_view humstart[] = {"Arn",  "Am",  "Ath", "Bell", "Bith", "Bown", "Byf",
                                         "Ceol", "Ced", "Cyr", "Cr",   "Dr",   "Dan",  "Der",
                                         "Doc",  "Doz", "Elt", "Eryg", "Jok",  "Kol",  "Jer",
                                         "J",    "F",   "L",   "M",    "N",    "Ner",  "Nas"};
static_assert(std::size(humstart) == 28);
constexpr std::string_view hummiddle[] = {
    "onot", "ozar", "ellef", "iggid", "ader", "add",  "irriel", "oll",  "if",   "ig",
    "it",   "av",   "ob",    "on",    "oj",   "aed",  "oqur",   "oal",  "yred", "yder",
    "yter", "ytor", "ifer",  "amer",  "atum", "umut", "arf",    "ac",   "imm",  "ird",
    "itar", "iop",  "ear",   "eaad",  "oel",  "ebeb", "olol",   "tiar", "owl",  "eand"};
static_assert(std::size(hummiddle) == 40);
constexpr std::string_view hummaleend[] = {
    "os",   "ier",   "or",   "ar",    "as",   "on",   "ear",  "ur",   "autor", "en",
    "an",   "oas",   "aos",  "aur",   "owor", "olos", "is",   "eon",  "othos", "offos",
    "yzos", "oyour", "omir", "othor", "enor", "enos", "eren", "enem", "esem",  "ethor"};
static_assert(std::size(hummaleend) == 30);
constexpr std::string_view humfemaleend[] = {
    "a",     "ella",  "ia",    "inna", "era",  "atha", "ina",  "illa", "ira",
    "istha", "ernia", "erina", "y",    "ey",   "yre",  "illy", "iny",  "any",
    "ony",   "enny",  "innya", "ette", "essa", "ula",  "una",  "ate"};
static_assert(std::size(humfemaleend) == 26);
constexpr std::string_view humnickname[] = {
    "Slayer",   "Basher",  "Slicer",    "Chopper",      "Trollkiller", "Shorty", "Nimble",
    "Thrasher", "Draco",   "X",         "Crasher",      "Little",      "Messy",  "Lucky",
    "Finder",   "Tracker", "Dozer",     "Slider",       "Masher",      "Curly",  "Chilly",
    "Sleepy",   "Giant",   "Wolf",      "Tiger",        "Spider",      "Wall",   "Rock",
    "Axe",      "Lion",    "Orcslayer", "Dragontracker"};
static_assert(std::size(humnickname) == 32);
constexpr std::string_view humnickfirst[] = {
    "Iron", "Amber",    "Cold", "Black", "White", "Red",  "Green",   "Gold",  "Brave", "Wolf",
    "Hawk", "Straight", "Dark", "Gray",  "High",  "Lion", "Diamond", "Stone", "Wood",  "Glass"};
static_assert(std::size(humnickfirst) == 20);
constexpr std::string_view humnicksecond[] = {"eyes",  "neck", "heart", "arm",    "mind", "shade",
                                              "cloud", "fist", "foot",  "legs",   "wind", "ford",
                                              "moon",  "star", "sun",   "finger", "glade"};
static_assert(std::size(humnicksecond) == 17);
constexpr std::string_view humsurstart[] = {
    "Med",  "Ard",  "Ikl", "Ower", "Fert", "Gyh",  "Kef",  "Lort", "Aerw", "Fenz",   "Mes", "Low",
    "Logh", "Perp", "Lij", "Ovux", "Leef", "Saad", "Mour", "Nail", "Olop", "Striar", "Def", "Fes",
    "Was",  "Sart", "Lok", "Kol",  "Mon",  "Nam",  "Sed",  "Faw",  "Cer",  "Col",    "Lod"};
static_assert(std::size(humsurstart) == 35);
constexpr std::string_view humsurmiddle[] = {
    "ok",  "ol",   "og",   "od",   "oc",   "ored", "al",  "af", "ath", "ear", "ac",   "av", "ax",
    "az",  "ill",  "irt",  "ir",   "ic",   "in",   "im",  "uj", "uh",  "ug",  "up",   "ut", "uk",
    "uf",  "uss",  "ef",   "et",   "eh",   "ec",   "ev",  "er", "es",  "ed",  "el",   "ej", "ebb",
    "end", "ifod", "oder", "amer", "atum", "umut", "arf", "ac", "imm", "ird", "itar", "iop"};
static_assert(std::size(humsurmiddle) == 51);
constexpr std::string_view humsurend[] = {
    "el",  "ol", "od",  "odo", "ode", "alla", "erda",  "oli",  "ono",  "ef",
    "eg",  "iz", "is",  "os",  "as",  "oers", "urris", "ner",  "lak",  "os",
    "iw",  "is", "uos", "oho", "ojo", "ovi",  "omerv", "izzi", "uden", "edini",
    "eni", "al", "af",  "ath", "ac",  "av",   "az",    "ill",  "irt",  "ir",
    "ic",  "in", "im",  "ug",  "up",  "ut",   "uk",    "uf",   "uss",  "ef"};
static_assert(std::size(humsurend) == 50);
constexpr std::string_view humsurtitle[] = {"II ", "III ", "IV ", "V ", "VI ", "elder ", "young "};
static_assert(std::size(humsurtitle) == 7);
constexpr std::string_view humorderfirst[] = {
    "Seven",   "Iron",   "Twin",     "Diamond",    "Fiery",   "Magic",     "Twelve",
    "Leather", "Red",    "Blue",     "Silver",     "Gold",    "Gray",      "Lightning",
    "Dark",    "Bright", "Wondrous", "Mysterious", "Shadow",  "Invisible", "Five",
    "Three",   "Many",   "Small",    "Forty",      "Thousand"};
static_assert(std::size(humorderfirst) == 26);
constexpr std::string_view humordersecond[] = {
    "Books",    "Hands",     "Knives",   "Stones", "Boots",  "Bottles", "Fists",   "Gauntlets",
    "Skulls",   "Circles",   "Stars",    "Crowns", "Hearts", "Bracers", "Rings",   "Hats",
    "Feathers", "Bracelets", "Earrings", "Coins",  "Jewels", "Buttons", "Daggers", "Needles",
    "Spikes",   "Tattoos",   "Moons",    "Stars",  "Maps"};
static_assert(std::size(humordersecond) == 29);
// Elf tables
constexpr std::string_view elfstart[] = {
    "Lanth",   "Aller",  "Anell",    "Ther",  "Lest",    "Leng",    "Derth",  "Threll",
    "Anth'il", "Elleen", "Ethiar",   "Thler", "Aller",   "Alnir",   "Arthan", "Lell",
    "Aller",   "El",     "Eth",      "Al",    "Ethe'er", "Alle'en", "Hele'e", "Heth",
    "Oth'ur",  "Neenth", "Ni'ir",    "Cear",  "Loon'th", "Ase'eth", "Seith",  "Lies",
    "Quell",   "Qaauer", "Mistanth", "Qaerv", "Essen",   "Lerthun"};
static_assert(std::size(elfstart) == 38);
constexpr std::string_view elfmiddle[] = {"all",  "ell",   "ill",  "iil", "eil", "eiel", "ael",
                                          "eith", "e'eth", "aeth", "yth", "yll", "yil",  "ieyt",
                                          "yll",  "y'yn",  "e'e",  "i'i", "a'a"};
static_assert(std::size(elfmiddle) == 19);
constexpr std::string_view elfmaleend[] = {
    "os",    "er",  "ill",   "er", "ar'r", "alle", "alas",   "ellor", "ethier", "elnor",
    "eldor", "eth", "itith", "an", "anth", "ir",   "enness", "ost",   "e'est"};
static_assert(std::size(elfmaleend) == 19);
constexpr std::string_view elffemaleend[] = {
    "ella",   "alya", "ana",    "a",  "ipya", "ia",  "ila",  "ina",  "ola",  "onya", "on",
    "ely'la", "eria", "yal'la", "ya", "y",    "e'e", "othe", "elle", "ethe", "ethy", "e'enthy"};
static_assert(std::size(elffemaleend) == 22);
constexpr std::string_view elfsurstart[] = {
    "Lell",   "Aller",  "El",    "Eth",  "Al",      "Ethe'er", "Alle'en", "Hele'e", "Heth",
    "Oth'ur", "Neenth", "Ni'ir", "Cear", "Loon'th", "Ase'eth", "Seith",   "Lies",   "Quell"};
static_assert(std::size(elfsurstart) == 18);
constexpr std::string_view elfsurmiddle[] = {"all",  "ell",   "ill",  "iil", "eil", "eiel", "ael",
                                             "eith", "e'eth", "aeth", "yth", "yll", "yil",  "ieyt",
                                             "yll",  "y'yn",  "e'e",  "i'i", "a'a"};
static_assert(std::size(elfsurmiddle) == 19);
constexpr std::string_view elfsurend[] = {
    "os",  "er",    "ill", "er",   "ar'r", "alle",   "alas", "ellor", "ethier", "elnor", "eldor",
    "eth", "itith", "an",  "anth", "ir",   "enness", "ost",  "e'est", "iz",     "ozz",   "ox",
    "ov",  "eev",   "irz", "ieq",  "ouq",  "lod",    "lej",  "lioj",  "leen"};
static_assert(std::size(elfsurend) == 31);
constexpr std::string_view elforderfirst[] = {
    "Silver", "Green", "Silver", "Magic", "Enchanted", "Joyful",      "White",  "Ancient",
    "Wise",   "Blue",  "Yellow", "Happy", "Playful",   "Everlasting", "Sparkly"};
static_assert(std::size(elforderfirst) == 15);
constexpr std::string_view elfordersecond[] = {
    "Blade",   "Bow",      "Hair",   "Arrows",      "Trees",  "Moon",  "Star",
    "Leaves",  "Dance",    "Fox",    "Ferret",      "Hawk",   "Cat",   "Songs",
    "Stories", "River",    "Grass",  "Nightingale", "Cloak",  "Tears", "Reverie",
    "Phoenix", "Unicorns", "Pegasi", "Oak",         "Flowers"};
static_assert(std::size(elfordersecond) == 26);

constexpr NameTable kNameTables[] = {{"dwarfstart", dwarfstart},
                                     {"dwarfmiddle", dwarfmiddle},
                                     {"dwarfmaleend", dwarfmaleend},
                                     {"dwarffemaleend", dwarffemaleend},
                                     {"dwarfbirthorder", dwarfbirthorder},
                                     {"dwarffame", dwarffame},
                                     {"deedmanner", deedmanner},
                                     {"deedoutcome", deedoutcome},
                                     {"foestart", foestart},
                                     {"foesecond", foesecond},
                                     {"foethird", foethird},
                                     {"foefourth", foefourth},
                                     {"foeepithet", foeepithet},
                                     {"foekind", foekind},
                                     {"dwarfnumeral", dwarfnumeral},
                                     {"dwarfcalling", dwarfcalling},
                                     {"dwarfkinship", dwarfkinship},
                                     {"dwarftitle", dwarftitle},
                                     {"humstart", humstart},
                                     {"hummiddle", hummiddle},
                                     {"hummaleend", hummaleend},
                                     {"humfemaleend", humfemaleend},
                                     {"humnickname", humnickname},
                                     {"humnickfirst", humnickfirst},
                                     {"humnicksecond", humnicksecond},
                                     {"humsurstart", humsurstart},
                                     {"humsurmiddle", humsurmiddle},
                                     {"humsurend", humsurend},
                                     {"humsurtitle", humsurtitle},
                                     {"humorderfirst", humorderfirst},
                                     {"humordersecond", humordersecond},
                                     {"elfstart", elfstart},
                                     {"elfmiddle", elfmiddle},
                                     {"elfmaleend", elfmaleend},
                                     {"elffemaleend", elffemaleend},
                                     {"elfsurstart", elfsurstart},
                                     {"elfsurmiddle", elfsurmiddle},
                                     {"elfsurend", elfsurend},
                                     {"elforderfirst", elforderfirst},
                                     {"elfordersecond", elfordersecond}};
static_assert(std::size(kNameTables) == 40);

// Appends drawn pieces to a name under construction. Each pick and each chance test draws once
// from the generator, at the point where it is made. The name is built in the character's own
// string, emptied first: its storage outlives one character, so a long genealogy does not have
// to grow a fresh buffer every time.
class NameBuilder {
public:
    NameBuilder(Random& random, std::string& name) : m_random(random), m_text(name) {
        m_text.clear();
    }

    template <std::size_t N>
    void pick(const std::string_view (&table)[N]) {
        m_text += table[m_random.randomBelow(static_cast<int>(N))];
    }
    // Succeeds when a draw of 0..8 exceeds k: chance(1) holds 7 times in 9, chance(7) once.
    bool chance(int k) { return m_random.randomBelow(9) > k; }
    void add(std::string_view text) { m_text += text; }

private:
    Random& m_random;
    std::string& m_text;
};

// A dwarf's forebears are always male, whatever the character's gender.
void dwarfMaleName(NameBuilder& b) {
    b.pick(dwarfstart);
    if (b.chance(5)) {
        b.pick(dwarfmiddle);
    }
    b.pick(dwarfmaleend);
}

}  // namespace

void dwarfnaming(const CharacterOptions& options, Character& character, Random& random) {
    const bool male = options.gender == 0;
    NameBuilder b(random, character.name);

    b.pick(dwarfstart);
    if (b.chance(5)) {
        b.pick(dwarfmiddle);
    }
    if (male) {
        b.pick(dwarfmaleend);
    } else {
        b.pick(dwarffemaleend);
    }
    b.pick(dwarfbirthorder);
    b.add(male ? " son of the" : " daughter of the");
    b.pick(dwarffame);

    dwarfMaleName(b);  // father
    if (b.chance(1)) {
        b.pick(deedmanner);
        b.pick(deedoutcome);
        b.pick(foestart);
        b.pick(foesecond);
        if (b.chance(5)) {
            b.pick(foethird);
        }
        if (b.chance(5)) {
            b.pick(foefourth);
        }
        b.pick(foeepithet);
        b.pick(foekind);
    }
    b.add(" who was in turn the son of ");

    dwarfMaleName(b);  // grandfather
    b.add(" the ");
    b.pick(dwarfnumeral);
    b.add(" the");
    b.pick(dwarfcalling);
    b.add(" who was in his turn the");
    b.pick(dwarfkinship);
    b.add(" of ");

    dwarfMaleName(b);  // ancestor
    b.add(" the ");
    b.pick(dwarftitle);
}

void humnaming(const CharacterOptions& options, Character& character, Random& random) {
    NameBuilder b(random, character.name);

    b.pick(humstart);
    if (b.chance(4)) {
        b.pick(hummiddle);
    }
    if (options.gender == 0) {
        b.pick(hummaleend);
    } else {
        b.pick(humfemaleend);
    }
    b.add(" ");

    if (b.chance(3)) {
        if (b.chance(4)) {
            b.add("\"");
            b.pick(humnickname);
            b.add("\" ");
        } else {
            b.add("\"");
            b.pick(humnickfirst);
            b.pick(humnicksecond);
            b.add("\" ");
        }
    }

    if (b.chance(1)) {
        b.pick(humsurstart);
        if (b.chance(4)) {
            b.pick(humsurmiddle);
        }
        b.pick(humsurend);
        if (b.chance(7)) {
            b.add(" the ");
            b.pick(humsurtitle);
        }
    }

    if (b.chance(7)) {
        b.add(" of the ");
        b.pick(humorderfirst);
        b.add(" ");
        b.pick(humordersecond);
    }
}

void elfnaming(const CharacterOptions& options, Character& character, Random& random) {
    NameBuilder b(random, character.name);

    b.pick(elfstart);
    if (b.chance(4)) {
        b.pick(elfmiddle);
    }
    if (options.gender == 0) {
        b.pick(elfmaleend);
    } else {
        b.pick(elffemaleend);
    }
    b.add(" ");

    if (b.chance(1)) {
        b.pick(elfsurstart);
        if (b.chance(4)) {
            b.pick(elfsurmiddle);
        }
        b.pick(elfsurend);
    }

    if (b.chance(6)) {
        b.add(" of the ");
        b.pick(elforderfirst);
        b.add(" ");
        b.pick(elfordersecond);
    }
}

void drawName(const CharacterOptions& options, Character& character, Random& random) {
    if (options.race == Dwarf) {
        dwarfnaming(options, character, random);
    } else if (options.race == Elf) {
        elfnaming(options, character, random);
    } else {
        humnaming(options, character, random);
    }
}

std::span<const NameTable> nameTables() {
    return kNameTables;
}

std::span<const std::string_view> nameTable(std::string_view name) {
    const auto it = std::find_if(std::begin(kNameTables), std::end(kNameTables),
                                 [&](const NameTable& t) { return t.name == name; });
    return it == std::end(kNameTables) ? std::span<const std::string_view>{} : it->entries;
}

}  // namespace tavrel
