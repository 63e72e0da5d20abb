#include "commandline.h"

#include <QCommandLineParser>
#include <QStringList>

#include "appinfo.h"
#include "characterfile.h"

namespace tavrel {

namespace {

constexpr int kExitUsage = 2;

constexpr const char* kHelp =
    "Usage: tavrel [Qt options] [FILE.json]\n"
    "\n"
    "Opens the options window; with FILE.json, a saved character in the results window.\n"
    "\n"
    "  -h, --help      print this help and exit\n"
    "  -v, --version   print the version and exit\n"
    "  FILE.json       a character saved as a character file\n"
    "\n"
    "Qt options such as -platform NAME and -style NAME are passed on to Qt.\n";

// The options that the toolkit takes from the command line itself, with and without a value.
constexpr const char* kQtValueOptions[] = {"platform",      "platformpluginpath",
                                           "platformtheme", "plugin",
                                           "qmljsdebugger", "qwindowgeometry",
                                           "qwindowicon",   "qwindowtitle",
                                           "geometry",      "display",
                                           "session",       "name",
                                           "title",         "style",
                                           "stylesheet",    "visual"};
constexpr const char* kQtFlagOptions[] = {"reverse", "widgetcount", "nograb",
                                          "dograb",  "sync",        "testability"};

}  // namespace

CommandLine readCommandLine(int argc, char** argv, std::ostream& out, std::ostream& err) {
    QStringList words;
    for (int i = 0; i < argc; ++i) {
        words << QString::fromLocal8Bit(argv[i]);
    }
    QCommandLineParser parser;
    // Qt's options are single-dash words (-platform offscreen); read every option that way.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    parser.addOption(
        QCommandLineOption(QStringList{QStringLiteral("v"), QStringLiteral("version")}));
    for (const char* name : kQtValueOptions) {
        parser.addOption(
            QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    }
    for (const char* name : kQtFlagOptions) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
    }
    const auto fail = [&err](std::string message) {
        // One line, whatever a file name holds.
        for (char& c : message) {
            if (c == '\n' || c == '\r')
                c = ' ';
        }
        err << "tavrel: " << message << '\n';
        return CommandLine{kExitUsage, std::nullopt};
    };
    if (!parser.parse(words)) {
        return fail(parser.errorText().toStdString() + " (try tavrel --help)");
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out << kHelp;
        return {0, std::nullopt};
    }
    if (parser.isSet(QStringLiteral("version"))) {
        out << "tavrel " << appinfo::kVersion << '\n';
        return {0, std::nullopt};
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        return fail("one character file at most, not also '" + files.at(1).toStdString() + "'");
    }
    if (files.isEmpty()) {
        return {};
    }
    CharacterReadResult read = readCharacterFile(files.front());
    if (!read.character) {
        return fail(read.error);
    }
    return {std::nullopt, std::move(read.character)};
}

}  // namespace tavrel
