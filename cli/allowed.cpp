#include "command.h"

namespace tavrel::cli {

namespace {

void addOptions(QCommandLineParser& parser) {
    addRaceAndAlignment(parser);
}

int run(const QCommandLineParser& parser, std::ostream& out, const TimeOfDayClock&) {
    CharacterOptions o;
    readRaceAndAlignment(parser, o);
    writeOut(out, allowedList(o));
    return 0;
}

}  // namespace

const Command kAllowedCommand{
    "allowed",
    "allowed options:\n"
    "  --race R --alignment A   every class set the options window lets a user reach\n",
    addOptions, run};

}  // namespace tavrel::cli
