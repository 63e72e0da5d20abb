#include "command.h"

#include <algorithm>
#include <cerrno>
#include <map>
#include <set>
#include <utility>
#include <variant>
#include <vector>

#include "checkedfile.h"
#include "cliargs.h"
#include "exploration.h"

namespace tavrel::cli {

namespace {

[[noreturn]] void failOut(int errorNumber) {
    throw WriteFailure{"standard output: " +
                       saveErrorText(false, QString(), errorNumber).toStdString()};
}

}  // namespace

void writeOut(std::ostream& out, std::string_view bytes) {
    errno = 0;
    if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        failOut(errno);
}

void flushOut(std::ostream& out) {
    errno = 0;
    if (!out.flush())
        failOut(errno);
}

bool namesFolder(const QString& output) {
    return output.endsWith(QLatin1Char('/'));
}

QCommandLineOption valueOption(const char* name) {
    return QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value"));
}

std::string optionValue(const QCommandLineParser& parser, const char* name) {
    return parser.value(QString::fromLatin1(name)).toStdString();
}

void addRaceAndAlignment(QCommandLineParser& parser) {
    parser.addOption(valueOption("race"));
    parser.addOption(valueOption("alignment"));
}

words::Request readRequestOptions(const QCommandLineParser& p, words::Asking asking) {
    std::vector<std::pair<std::string, std::string>> pairs;
    std::map<QString, qsizetype> seen;
    for (const QString& name : p.optionNames()) {
        // optionNames() lists an option once for each time it was given, and values() each
        // value in the same order, so repeats reach the reader as repeats.
        const qsizetype index = seen[name]++;
        if (name == QLatin1String("lift-restrictions")) {
            pairs.emplace_back("lift", "1");
        } else if (words::isRequestWord(name.toStdString())) {
            pairs.emplace_back(name.toStdString(), p.values(name).at(index).toStdString());
        }
    }
    auto read = words::readRequest(pairs, words::FrontEnd::CommandLine, asking);
    if (auto* error = std::get_if<words::RequestError>(&read)) {
        if (error->refused) {
            std::string allowed = allowedList(*error->refused);
            std::replace(allowed.begin(), allowed.end(), '\n', ' ');
            if (allowed.empty())
                allowed = "none";
            error->message +=
                " (use --lift-restrictions, or see 'tavrel-cli allowed --explain');"
                " allowed: " +
                allowed;
        }
        throw Failure{error->message};
    }
    return std::get<words::Request>(std::move(read));
}

void requireOnce(const QCommandLineParser& p) {
    std::set<QString> seen;
    for (const QString& name : p.optionNames()) {
        if (name == QLatin1String("lift-restrictions") || words::isRequestWord(name.toStdString()))
            continue;  // the request's reader refuses these
        if (!seen.insert(name).second) {
            throw Failure{words::givenTwiceText(words::FrontEnd::CommandLine, name.toStdString())};
        }
    }
}

std::string allowedList(const CharacterOptions& o) {
    std::string list;
    for (const AllowedChoice& choice : allowedClassSets(o.race, o.lawChaos, o.goodEvil)) {
        list += words::classWords(choice) + "\n";
    }
    return list;
}

}  // namespace tavrel::cli
