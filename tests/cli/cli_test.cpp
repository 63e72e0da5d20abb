#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>
#include <QUrlQuery>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "appinfo.h"
#include "filesizelimit.h"
#include "request.h"
#include "run.h"
#include "schedule.h"
#include "sheet.h"

namespace tavrel::cli {
namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

// The tool with `input` on its standard input.
Result piped(const std::string& input, const std::vector<std::string>& args,
             std::uint32_t now = 50'000'000) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const SettableClock clock(now);
    const int status = run(args, in, out, err, clock);
    return {status, out.str(), err.str()};
}

Result cli(const std::vector<std::string>& args, std::uint32_t now = 50'000'000) {
    return piped({}, args, now);
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

QJsonObject parseObject(const std::string& line) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << line;
    return doc.object();
}

std::string readFile(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll().toStdString();
}

TEST(Cli, AnyPrintedCharacterIsReproducedFromItsSeedAndTime) {
    const Result batch =
        cli({"generate", "--race", "dwarf", "--class", "fighter,thief", "--alignment", "NG",
             "--levels", "high", "--dice", "4d6", "--seed", "987654321", "--time", "23:59:59.900",
             "--count", "4", "--format", "json"});
    ASSERT_EQ(batch.status, 0) << batch.err;
    const auto printed = lines(batch.out);
    ASSERT_EQ(printed.size(), 4u);
    for (const std::string& line : printed) {
        const QJsonObject o = parseObject(line);
        const std::string seed = std::to_string(o["seed"].toInteger());
        const std::string time = o["startTime"].toString().toStdString();
        const Result again = cli({"generate", "--race", "dwarf", "--class", "thief,fighter",
                                  "--alignment", "ng", "--levels", "high", "--dice", "4d6",
                                  "--seed", seed, "--time", time, "--format", "json"},
                                 1234);
        ASSERT_EQ(again.status, 0) << again.err;
        EXPECT_EQ(again.out, line + "\n");
    }
    // A batch is a sequence of rerolls: each begins where the one before ended.
    EXPECT_NE(printed[0], printed[1]);
    EXPECT_EQ(parseObject(printed[0])["startTime"].toString(), "23:59:59.900");
}

// The options as asked, with their types; the character's members are the reader's to check,
// which `sheet` does below on what `generate` wrote.
TEST(Cli, JsonCarriesTheOptionsAsAskedWithTheirTypes) {
    const Result r = cli({"generate", "--class", "ranger", "--seed", "1", "--time", "08:00:00.000",
                          "--format", "json", "--gender", "female"});
    ASSERT_EQ(r.status, 0) << r.err;
    const QJsonObject o = parseObject(lines(r.out).at(0));
    EXPECT_EQ(o["seed"].toInteger(), 1);
    EXPECT_EQ(o["startTime"].toString(), "08:00:00.000");
    const QJsonObject options = o["options"].toObject();
    EXPECT_EQ(options["race"].toInt(-1), 0);
    EXPECT_TRUE(options["ranger"].isBool() && options["ranger"].toBool());
    EXPECT_TRUE(options["school"].isNull());
    EXPECT_EQ(options["gender"].toInt(-1), 1);
    for (const char* key : {"fighter", "paladin", "mage", "specialist", "cleric", "druid", "thief",
                            "bard", "restrictionsLifted"}) {
        EXPECT_TRUE(options[key].isBool()) << key;
    }
    for (const char* key : {"lawChaos", "goodEvil", "levelRange", "diceMethod"}) {
        EXPECT_TRUE(options[key].isDouble()) << key;
    }
    EXPECT_EQ(o["genderLine"].toString(), "Gender: Female");
    EXPECT_EQ(o["classLine"].toString(), "Class: Ranger ") << "trailing blank kept";
    EXPECT_EQ(o["abilityScore"].toArray()[1].toInt(), o["abilityScore"].toArray()[1].toDouble());
}

// A run longer than one output piece (about 2 MB of JSON): every character arrives once, in
// order, the same on standard output and in a file, with texts exactly as the engine made them
// (human nicknames carry double quotes that the JSON must escape).
TEST(Cli, LongRunsArriveWholeAndExact) {
    const std::vector<std::string> args = {
        "generate", "--race",       "human",   "--class", "fighter",  "--seed", "77",
        "--time",   "10:00:00.000", "--count", "1500",    "--format", "json"};
    const Result r = cli(args);
    ASSERT_EQ(r.status, 0) << r.err;
    const auto printed = lines(r.out);
    ASSERT_EQ(printed.size(), 1500u);

    CharacterOptions o;
    o.race = Human;
    o.fighter = true;
    VirtualSchedule s(77, 10 * 3600 * 1000);
    int quoted = 0;
    for (const std::string& line : printed) {
        s.generate(o);
        const Character& c = s.character();
        const QJsonObject j = parseObject(line);
        ASSERT_EQ(j["name"].toString().toStdString(), c.name);
        quoted += c.name.find('"') != std::string::npos ? 1 : 0;
        EXPECT_EQ(j["armourLine"].toString().toStdString(), c.armourLine);
        EXPECT_EQ(j["hitPoints"].toInt(-1), c.hitPoints);
        QJsonArray weapons;
        for (const std::string& w : c.weapons)
            weapons.append(QString::fromStdString(w));
        EXPECT_EQ(j["weapons"].toArray(), weapons);
    }
    EXPECT_GT(quoted, 0) << "no name with a nickname: the escaping went untested";

    QTemporaryDir dir;
    const QString file = dir.filePath("party.jsonl");
    std::vector<std::string> toFile = args;
    toFile.insert(toFile.end(), {"--output", file.toStdString()});
    const Result written = cli(toFile);
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_TRUE(written.out.empty());
    EXPECT_EQ(readFile(file), r.out);

    EXPECT_EQ(cli({"generate", "--class", "fighter", "--count", "1000001"}).status, 2);
}

// `generate --format html` and `sheet` on the same batch saved as JSON write, file for file, the
// sheet the writer makes of each generation, numbered with as many digits as the count needs; a
// single saved object goes to standard output; a batch with one damaged line is refused with one
// message naming the line and the member, and leaves no sheet behind.
TEST(Cli, SheetsFromGenerateAndFromSavedCharactersAreTheWritersSheets) {
    QTemporaryDir dir;
    const QString batch = dir.filePath("party.jsonl");
    const QString folder = dir.filePath("sheets");
    const QString generated = dir.filePath("generated");
    const auto party = [](const char* format, const QString& output) {
        return cli({"generate", "--race", "human", "--class", "fighter,thief", "--seed", "31",
                    "--time", "09:00:00.000", "--count", "12", "--format", format,
                    "--lift-restrictions", "--output", output.toStdString()});
    };
    ASSERT_EQ(party("json", batch).status, 0);
    ASSERT_EQ(party("html", generated).status, 0);
    const Result r = cli({"sheet", batch.toStdString(), "--output", folder.toStdString()});
    ASSERT_EQ(r.status, 0) << r.err;

    CharacterOptions o;
    o.race = Human;
    o.fighter = true;
    o.thief = true;
    VirtualSchedule s(31, 9 * 3600 * 1000);
    for (int i = 1; i <= 12; ++i) {
        s.generate(o);
        const QString name = QStringLiteral("character-%1.htm").arg(i, 2, 10, QLatin1Char('0'));
        EXPECT_EQ(readFile(QDir(folder).filePath(name)), characterSheet(s.character())) << i;
        EXPECT_EQ(readFile(QDir(generated).filePath(name)), characterSheet(s.character())) << i;
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 12);
    EXPECT_EQ(QDir(generated).entryList(QDir::Files).size(), 12);
    EXPECT_EQ(cli({"generate", "--race", "human", "--class", "fighter,thief", "--seed", "31",
                   "--time", "09:00:00.000", "--format", "html", "--lift-restrictions"})
                  .out,
              readFile(QDir(folder).filePath("character-01.htm")));

    // A folder that cannot be made (a file stands in its path) is output that cannot be written.
    const QString under = batch + "/sheets";
    const std::string unmade = "'" + under.toStdString() + "'";
    for (const Result& failed : {party("html", under), cli({"sheet", batch.toStdString(),
                                                            "--output", under.toStdString()})}) {
        EXPECT_EQ(failed.status, 3);
        EXPECT_EQ(failed.err, "tavrel-cli: --output: cannot create the folder " + unmade + "\n");
    }

    const std::string lastLine = lines(readFile(batch)).back();
    const QString single = dir.filePath("one.json");
    QFile one(single);
    ASSERT_TRUE(one.open(QIODevice::WriteOnly));
    one.write(QByteArray::fromStdString(lastLine));
    one.close();
    EXPECT_EQ(cli({"sheet", single.toStdString()}).out, characterSheet(s.character()));

    QFile damaged(batch);
    ASSERT_TRUE(damaged.open(QIODevice::Append));
    damaged.write("\n" + QByteArray::fromStdString(lastLine).replace("\"level\":", "\"level\":9"));
    damaged.close();
    const QString refused = dir.filePath("refused");
    const Result bad = cli({"sheet", batch.toStdString(), "--output", refused.toStdString()});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(lines(bad.err).size(), 1u);
    EXPECT_NE(bad.err.find("line 14: member \"level\""), std::string::npos) << bad.err;
    EXPECT_FALSE(QFileInfo::exists(refused));
}

// `generate --format json | sheet - --output party/`: standard input is read like a file, whole
// before any sheet is written; and an --output ending in "/" is a folder even for one sheet.
TEST(Cli, SheetReadsStandardInputAndASlashNamesAFolder) {
    QTemporaryDir dir;
    const std::vector<std::string> asked{"generate", "--race",  "gnome",        "--alignment",
                                         "N",        "--class", "thief",        "--seed",
                                         "3",        "--time",  "10:00:00.000", "--count"};
    const auto generate = [&](const char* count, const char* format, const QString& output = {}) {
        std::vector<std::string> args = asked;
        args.insert(args.end(), {count, "--format", format});
        if (!output.isEmpty())
            args.insert(args.end(), {"--output", output.toStdString()});
        return cli(args);
    };
    const Result json = generate("2", "json");
    ASSERT_EQ(json.status, 0) << json.err;
    const std::string& batch = json.out;
    const QString party = dir.filePath("party") + "/";
    const Result r = piped(batch, {"sheet", "-", "--output", party.toStdString()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readFile(party + "character-1.htm") + readFile(party + "character-2.htm"),
              generate("2", "html").out);

    const QString one = dir.filePath("one") + "/";
    ASSERT_EQ(generate("1", "html", one).status, 0);
    const QString alone = dir.filePath("alone") + "/";
    ASSERT_EQ(piped(lines(batch).front(), {"sheet", "-", "--output", alone.toStdString()}).status,
              0);
    for (const QString& folder : {one, alone}) {
        EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"character-1.htm"});
        EXPECT_EQ(readFile(folder + "character-1.htm"), generate("1", "html").out);
    }
    EXPECT_EQ(generate("1", "json", one).status, 2) << "only sheets go one a file into a folder";

    const Result damaged = piped(batch + batch.substr(0, 40) + "\n",
                                 {"sheet", "-", "--output", dir.filePath("no/").toStdString()});
    EXPECT_EQ(damaged.status, 2);
    EXPECT_EQ(damaged.err.rfind("tavrel-cli: standard input: line 3: not a character file", 0), 0u)
        << damaged.err;
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("no")));
}

TEST(Cli, TextReadsLikeTheResultsWindow) {
    const Result r = cli({"generate", "--class", "mage", "--race", "human", "--seed", "3", "--time",
                          "12:00:00.000"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto l = lines(r.out);
    ASSERT_GE(l.size(), 8u);
    EXPECT_EQ(l[0], "Seed: 3   Time: 12:00:00.000");
    EXPECT_EQ(l[1].rfind("Name: ", 0), 0u);
    EXPECT_NE(l[2].find("Race: Human"), std::string::npos);
    EXPECT_NE(l[2].find("Class: Mage "), std::string::npos);
    EXPECT_EQ(l[3].rfind("Alignment: Lawful Good   Armor class: ", 0), 0u);
    EXPECT_EQ(l[4].rfind("STR: ", 0), 0u);
}

TEST(Cli, ClassSetsTheWindowCannotReachAreRefusedUnlessLifted) {
    const Result refused = cli({"generate", "--race", "dwarf", "--class", "mage"});
    EXPECT_EQ(refused.status, 2);
    ASSERT_EQ(lines(refused.err).size(), 1u) << refused.err;
    EXPECT_NE(refused.err.find("fighter,cleric"), std::string::npos) << "names what is allowed";
    EXPECT_NE(refused.err.find(": Dwarves cannot be mages ("), std::string::npos) << refused.err;
    const Result elf = cli({"generate", "--race", "elf", "--class", "druid"});
    EXPECT_NE(elf.err.find("druid is not allowed for an elf of"), std::string::npos) << elf.err;

    const Result lifted = cli({"generate", "--race", "dwarf", "--class", "mage",
                               "--lift-restrictions", "--format", "json"});
    EXPECT_EQ(lifted.status, 0) << lifted.err;
    EXPECT_TRUE(
        parseObject(lines(lifted.out).at(0))["options"].toObject()["restrictionsLifted"].toBool());
}

TEST(Cli, AllowedListsTheReachableSets) {
    const Result dwarf = cli({"allowed", "--race", "dwarf", "--alignment", "CN"});
    ASSERT_EQ(dwarf.status, 0) << dwarf.err;
    auto d = lines(dwarf.out);
    std::sort(d.begin(), d.end());
    EXPECT_EQ(d, (std::vector<std::string>{"cleric", "fighter", "fighter,cleric", "fighter,thief",
                                           "thief"}));

    const Result elf = cli({"allowed", "--race", "elf", "--alignment", "LG"});
    auto e = lines(elf.out);
    std::sort(e.begin(), e.end());
    EXPECT_EQ(e, (std::vector<std::string>{"cleric", "diviner", "enchanter", "fighter",
                                           "fighter,mage", "mage", "ranger"}));

    const Result human = cli({"allowed", "--race", "human", "--alignment", "LG"});
    // Lawful good withdraws the thief, druid and bard; every class stands alone for a human.
    EXPECT_EQ(lines(human.out).size(), 5u + 8u) << human.out;
}

// --explain follows the allowed sets with every class and school out of reach, and why.
TEST(Cli, AllowedExplainsWhatIsOutOfReach) {
    const Result dwarf = cli({"allowed", "--race", "dwarf", "--alignment", "CE", "--explain"});
    ASSERT_EQ(dwarf.status, 0) << dwarf.err;
    const Result plain = cli({"allowed", "--race", "dwarf", "--alignment", "CE"});
    ASSERT_EQ(dwarf.out.rfind(plain.out + "\nnot allowed for race dwarf, alignment CE:\n", 0), 0u)
        << dwarf.out;
    const auto explained = lines(dwarf.out.substr(dwarf.out.find(":\n") + 2));
    // Six classes and all eight schools: a dwarf is only ever a fighter, cleric or thief.
    EXPECT_EQ(explained.size(), 14u) << dwarf.out;
    EXPECT_NE(std::find(explained.begin(), explained.end(), "mage: Dwarves cannot be mages"),
              explained.end());
    EXPECT_NE(std::find(explained.begin(), explained.end(),
                        "illusionist: Dwarves cannot be "
                        "illusionists"),
              explained.end());

    const Result human = cli({"allowed", "--race", "human", "--alignment", "N", "--explain"});
    EXPECT_NE(human.out.find("\npaladin: Paladins must be lawful good\n"), std::string::npos)
        << human.out;
}

TEST(Cli, BadInputGetsOneLineAndStatusTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"generate"},
        {"generate", "--class", "fighter", "--count", "0"},
        {"generate", "--class", "fighter", "--count", "1", "--count", "1"},
        {"generate", "--class", "fighter", "--count", "many"},
        {"generate", "--class", "fighter", "--format", "xml"},
        {"generate", "--class", "fighter", "--frobnicate"},
        {"generate", "--class", "fighter", "stray"},
        {"generate", "--class"},
        {"allowed", "--race", "orc"},
        {"allowed", "--race", "elf", "--race", "elf"},
        {"sheet", "party.jsonl", "--output", "a", "--output", "b"},
    };
    for (const auto& args : cases) {
        const Result r = cli(args);
        std::string joined;
        for (const auto& a : args)
            joined += a + " ";
        EXPECT_EQ(r.status, 2) << joined;
        EXPECT_TRUE(r.out.empty()) << joined;
        EXPECT_EQ(lines(r.err).size(), 1u) << joined << "-> " << r.err;
        EXPECT_EQ(r.err.rfind("tavrel-cli: ", 0), 0u) << joined;
    }
}

// The command line and a character link are read by one reader: the same words get the same
// verdict, and the same message but for the spelling of the word ("--race", "race") and the hint
// the command line adds after a refused class set.
TEST(Cli, RequestWordsGetALinksVerdict) {
    using Words = std::vector<std::pair<std::string, std::string>>;
    const std::vector<Words> cases = {
        {{"class", "wizard"}},
        {{"class", "abjurer,invoker"}},
        {{"class", "fighter"}, {"race", "orc"}},
        {{"class", "fighter"}, {"alignment", "XX"}},
        {{"class", "fighter"}, {"gender", "other"}, {"race", "orc"}},  // race is read first
        {{"class", "fighter"}, {"levels", "epic"}},
        {{"class", "fighter"}, {"dice", "2d6"}},
        {{"class", "fighter"}, {"time", "25:00:00.000"}, {"seed", "x"}},  // time before seed
        {{"class", "fighter"}, {"seed", "4294967296"}},
        {{"class", "fighter"}, {"race", "elf"}, {"race", "dwarf"}},
        {{"race", "human"}, {"class", "thief"}},  // a lawful good thief is not offered
        {{"race", "dwarf"}, {"class", "mage"}, {"seed", "x"}},
        // Only these last two are accepted.
        {{"race", "dwarf"}, {"class", "mage"}, {"lift", "1"}, {"seed", "7"}},
        {{"race", "gnome"}, {"class", "illusionist,thief"}, {"alignment", "TN"}},
    };
    for (const Words& words : cases) {
        const bool accepted = &words >= &cases[cases.size() - 2];
        std::vector<std::string> args{"generate"};
        std::string query;
        for (const auto& [name, value] : words) {
            args.push_back(name == "lift" ? "--lift-restrictions" : "--" + name);
            if (name != "lift")
                args.push_back(value);
            query += name + "=" + value + "&";
        }
        const Result r = cli(args);
        const auto link = words::readRequest(words, words::FrontEnd::Link);
        const auto* refused = std::get_if<words::RequestError>(&link);
        ASSERT_EQ(r.status, accepted ? 0 : 2) << query << r.err;
        ASSERT_EQ(refused == nullptr, accepted) << query;
        if (refused) {
            const std::string after = refused->refused ? " (use --lift-restrictions" : "\n";
            EXPECT_EQ(r.err.rfind("tavrel-cli: --" + refused->message + after, 0), 0u)
                << query << r.err;
        }
    }
    EXPECT_EQ(cli({"generate", "--class", "fighter", "--race", "elf", "--race", "dwarf"}).err,
              "tavrel-cli: --race is given twice\n");
}

// Output that cannot be written is a failure with its own status and the system's words for the
// cause, and an old --output file survives it byte for byte.
TEST(Cli, UnwritableOutputGetsTheCauseAndStatusThree) {
    const std::vector<std::string> run = {"generate", "--class", "fighter",  "--seed", "3",
                                          "--count",  "40",      "--format", "json"};
    QTemporaryDir dir;
    const QString old = dir.filePath("old.json");
    const std::string oldBytes = "{\"kept\":true}\n";
    {
        QFile f(old);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(oldBytes.data(), static_cast<qint64>(oldBytes.size()));
    }
    const std::string stdoutPath = dir.filePath("stdout").toStdString();
    Result toFile;
    Result toStdout;
    {
        std::ofstream out(stdoutPath);
        std::ostringstream err;
        const test::FileSizeLimit limit(4096);
        std::vector<std::string> withOutput = run;
        withOutput.insert(withOutput.end(), {"--output", old.toStdString()});
        toFile = cli(withOutput);
        const SettableClock clock(0);
        std::istringstream in;
        toStdout = {tavrel::cli::run(run, in, out, err, clock), std::string(), err.str()};
    }
    EXPECT_EQ(toFile.status, 3);
    EXPECT_EQ(toFile.err,
              "tavrel-cli: --output: cannot write '" + old.toStdString() + "': File too large\n");
    EXPECT_EQ(readFile(old), oldBytes);
    EXPECT_EQ(toStdout.status, 3);
    EXPECT_EQ(toStdout.err, "tavrel-cli: standard output: File too large\n");

    const Result missing =
        cli({"generate", "--class", "fighter", "--output", dir.filePath("no/x.txt").toStdString()});
    EXPECT_EQ(missing.status, 3);
    EXPECT_NE(missing.err.find("No such file or directory"), std::string::npos) << missing.err;

    // Only the final flush of the real standard output meets the full device.
    QProcess full;
    full.setStandardOutputFile(QStringLiteral("/dev/full"));
    full.start(TAVREL_CLI_BINARY, {"generate", "--class", "fighter"});
    ASSERT_TRUE(full.waitForFinished(30000));
    EXPECT_EQ(full.exitCode(), 3);
    EXPECT_EQ(full.readAllStandardError().toStdString(),
              "tavrel-cli: standard output: No space left on device\n");
}

TEST(Cli, QuotedWordsCannotBreakTheMessageLine) {
    // Words are echoed in the message; their line breaks and terminal codes come out escaped.
    const Result command = cli({"gener\nate\x1b[2J"});
    EXPECT_EQ(command.status, 2);
    EXPECT_EQ(command.err,
              "tavrel-cli: unknown command 'gener\\nate\\x1b[2J' (try tavrel-cli --help)\n");
    const Result race = cli({"generate", "--class", "fighter", "--race", "elf\r\u2028\u0085x"});
    EXPECT_EQ(race.status, 2);
    ASSERT_EQ(lines(race.err).size(), 1u) << race.err;
    EXPECT_NE(race.err.find("'elf\\r\\u2028\\u0085x'"), std::string::npos) << race.err;
}

TEST(Cli, HelpAndVersion) {
    const Result v = cli({"--version"});
    EXPECT_EQ(v.status, 0);
    EXPECT_EQ(v.out, std::string("tavrel-cli ") + appinfo::kVersion + "\n");
    const Result h = cli({"generate", "--help"});
    EXPECT_EQ(h.status, 0);
    EXPECT_NE(h.out.find("--lift-restrictions"), std::string::npos);
}

TEST(CliBinary, RunsAsAProgram) {
    QProcess p;
    p.start(TAVREL_CLI_BINARY, {"generate", "--class", "thief", "--race", "halfling", "--alignment",
                                "N", "--seed", "9", "--time", "01:02:03.004", "--format", "json"});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const std::string out = p.readAllStandardOutput().toStdString();
    EXPECT_EQ(out, cli({"generate", "--class", "thief", "--race", "halfling", "--alignment", "N",
                        "--seed", "9", "--time", "01:02:03.004", "--format", "json"})
                       .out);
}

// Built with a link base, text output ends a party of 2 to 12 with the party's link, whose words
// given back to the command make the same party again; one character gets no party link, nor a
// party larger than a link holds.
TEST(CliBinary, APartyEndsWithALinkThatMakesItAgain) {
    const auto linked = [](const std::vector<std::string>& args) {
        QStringList arguments;
        for (const std::string& a : args)
            arguments << QString::fromStdString(a);
        QProcess p;
        p.start(TAVREL_LINKED_CLI_BINARY, arguments);
        EXPECT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return p.readAllStandardOutput().toStdString();
    };
    const std::string kParty = "\nParty link: ";
    for (const int count : {1, 2, 12, 13}) {
        const std::string out = linked(
            {"generate", "--race", "gnome", "--class", "illusionist,thief", "--alignment", "N",
             "--seed", "8", "--time", "07:00:00.000", "--count", std::to_string(count)});
        ASSERT_NE(out.find("\nLink: "), std::string::npos) << "the test's build prints links";
        if (count == 1 || count > 12) {
            EXPECT_EQ(out.find("Party link"), std::string::npos) << count;
            continue;
        }
        const std::size_t at = out.rfind(kParty);
        ASSERT_NE(at, std::string::npos) << count;
        const std::string link = out.substr(at + kParty.size());
        ASSERT_EQ(link.find('\n'), link.size() - 1) << "the last line: " << link;
        std::vector<std::string> again{"generate"};
        const QUrlQuery query(QUrl(QString::fromStdString(link).trimmed()));
        for (const auto& [name, value] : query.queryItems(QUrl::FullyDecoded)) {
            again.push_back(name == "lift" ? "--lift-restrictions" : "--" + name.toStdString());
            if (name != "lift")
                again.push_back(value.toStdString());
        }
        EXPECT_EQ(linked(again), out) << link;
    }
}

}  // namespace
}  // namespace tavrel::cli
