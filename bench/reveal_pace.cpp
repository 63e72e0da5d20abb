// Reveal pace in the real results window: the time from FormShow to the last reveal tick of a
// level 15 character, whose reveal is 21 ticks of 10 ms (210 ms nominal). Offscreen unless
// QT_QPA_PLATFORM says otherwise.
//
//   build/reveal_pace [runs]      (default 20)
//
// Each run is a "ReRoll" made while the reveal timer is stopped, so the timer restarts at
// FormShow and its 21st tick is due exactly 210 ms later; the generator is seeded so that the
// character is of level 15. Prints every run, the median and the worst, as ratios to nominal.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "clock.h"
#include "generator.h"
#include "intervaltimer.h"
#include "resultswindow.h"

namespace {

using tavrel::CharacterOptions;

constexpr double kNominalMilliseconds = 21 * 10;

// The first seed from `from` on at which FormShow draws level 15 for these options. The name
// and the level are drawn before any reseed from the clock, so a scratch generator on any clock
// predicts them exactly.
std::uint32_t seedForLevelFifteen(const CharacterOptions& o, std::uint32_t from) {
    for (std::uint32_t seed = from;; ++seed) {
        tavrel::Random random(seed);
        const tavrel::SettableClock clock;
        tavrel::Generator scratch(random, clock);
        scratch.FormShow(o);
        if (scratch.character().level == 15) {
            return seed;
        }
    }
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    CharacterOptions o;
    o.race = tavrel::HalfElf;
    o.fighter = true;
    o.thief = true;
    o.lawChaos = 1;
    o.goodEvil = 1;
    o.levelRange = 2;

    tavrel::Random random;
    const tavrel::SystemClock clock;
    tavrel::Generator generator(random, clock);
    tavrel::TForm2 window(generator, [&o] { return o; });
    window.setEnabled(true);

    std::vector<double> elapsed;
    QElapsedTimer sinceFormShow;
    std::uint32_t nextSeed = 1;

    const auto reroll = [&] {
        if (static_cast<int>(elapsed.size()) == runs) {
            QApplication::quit();
            return;
        }
        const std::uint32_t seed = seedForLevelFifteen(o, nextSeed);
        nextSeed = seed + 1;
        generator.random().setSeed(seed);
        sinceFormShow.start();
        window.FormShow();
    };

    // Connected after the window's own reveal handler, so it runs once that tick is done.
    QObject::connect(&window.revealTimer(), &tavrel::IntervalTimer::timeout, &app, [&] {
        if (!sinceFormShow.isValid() || generator.revealRunning()) {
            return;
        }
        elapsed.push_back(static_cast<double>(sinceFormShow.nsecsElapsed()) / 1e6);
        sinceFormShow.invalidate();
        if (generator.character().level != 15) {
            std::fprintf(stderr, "reveal_pace: a run had level %d, not 15\n",
                         generator.character().level);
            QApplication::exit(1);
            return;
        }
        // A pause between runs lets the fill finish, as a user would read the character.
        QTimer::singleShot(100, &app, reroll);
    });

    // The first showing generates a character of its own and is not measured: it also lays out
    // and paints the window for the first time.
    window.show();
    QTimer::singleShot(500, &app, reroll);
    const int status = QApplication::exec();
    if (status != 0 || elapsed.empty()) {
        return status == 0 ? 1 : status;
    }

    std::printf("Reveal pace, level 15 (21 ticks of 10 ms, %.0f ms nominal), %s, %d runs:\n",
                kNominalMilliseconds, qPrintable(QApplication::platformName()),
                static_cast<int>(elapsed.size()));
    for (const double ms : elapsed) {
        std::printf(" %.1f", ms);
    }
    const double middle = median(elapsed);
    const double worst = *std::max_element(elapsed.begin(), elapsed.end());
    std::printf(" ms\nmedian %.1f ms = %.3fx nominal; worst %.1f ms = %.3fx (target 1.15x)\n",
                middle, middle / kNominalMilliseconds, worst, worst / kNominalMilliseconds);
    return 0;
}
