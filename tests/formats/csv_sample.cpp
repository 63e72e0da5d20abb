// Writes the same characters twice, as CSV and as JSON Lines, for csv_reader_test.py to read
// with a real CSV reader: names and list entries no generator makes (commas, quotes, line
// breaks, letters outside Latin-1, formula signs) can only be typed, so they are set here.
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "builders.h"
#include "charactercsv.h"
#include "characterjson.h"
#include "schedule.h"

int main(int argc, char** argv) {
    using namespace tavrel;
    if (argc != 3) {
        std::cerr << "usage: csv_sample OUT.csv OUT.jsonl\n";
        return 2;
    }
    const std::vector<std::string> names{
        "Fos \"Blackford\" Moniw, the bold",
        "Line one\nline two",
        "Carriage\r\nreturn, and \"more\"",
        // Greek, Cyrillic, Chinese and an emoji.
        "\u1f08\u03bb\u03ad\u03be\u03b1\u03bd\u03b4\u03c1\u03bf\u03c2 "
        "\u042f\u0440\u043e\u0441\u043b\u0430\u0432 \u674e\u767d \U0001F600",
        "=HYPERLINK(\"https://example.org\",\"x\")",
        "-1+2",
        "+Plus",
        "@At",
        "\tTabbed",
        "Trailing blank ",
        "",
        "'Apostrophe already",
    };
    const CharacterOptions mixes[] = {
        test::optionsFor(Human, {"thief"}),       test::optionsFor(Elf, {"ranger", "bard"}),
        test::optionsFor(HalfElf, {"bard"}),      test::optionsFor(Dwarf, {"fighter", "thief"}),
        test::optionsFor(Gnome, {"Illusionist"}), test::optionsFor(Halfling, {"ranger", "thief"}),
    };
    std::string csv;
    std::string jsonl;
    appendCsvHeader(csv);
    VirtualSchedule schedule(20261208, 9 * 3600 * 1000);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const CharacterOptions& o = mixes[i % std::size(mixes)];
        const VirtualSchedule::Start start = schedule.generate(o);
        Character c = schedule.character();
        c.name = names[i];
        if (i % 3 == 1) {
            // The cell starts with an ordinary entry, so the formula sign later on stays as typed.
            c.weapons = {"Dagger ", "=1+1", "Sling, \"heavy\"", ""};
            c.nonWeapons = {"-Cooking"};
        }
        const std::string link =
            i % 2 == 0 ? "https://example.org/tavrel/?class=fighter,thief&seed=" + std::to_string(i)
                       : std::string();
        appendCharacterCsv(csv, o, c, start, link);
        const CharacterOrigin origin{start.seed, start.time};
        appendCharacterJson(jsonl, o, c, &origin, link);
        jsonl += '\n';
    }
    std::ofstream(argv[1], std::ios::binary) << csv;
    std::ofstream(argv[2], std::ios::binary) << jsonl;
    return 0;
}
