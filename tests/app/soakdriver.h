#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <vector>

#include "dialogwatchdog.h"
#include "startup.h"

namespace tavrel::soak {

struct Settings {
    long actions = 3000;       // user actions before the run winds down
    double seconds = 0;        // or this many seconds, whichever comes first (0: no time limit)
    std::uint32_t seed = 1;    // the driver's own choices; the program's dice use the real clock
    int tickMilliseconds = 1;  // how often the driver looks for something to do
};

// What a run saw; `failures` lists every broken expectation, the first ones in full.
struct Report {
    long actions = 0;
    long generations = 0;           // "Generate!" that opened the results window
    long rerolls = 0;               // "ReRoll" or Enter in the results window
    long rerollsDuringReveal = 0;   // of those, while the reveal was still running
    long completedGenerations = 0;  // reveal and fill both seen to stop
    long goodSaves = 0;
    long failedSaves = 0;  // saves to bad paths, each reported to the user
    long returnsToOptions = 0;
    long aboutShown = 0;
    long linksOpened = 0;  // mail links handed to the (recording) desktop
    QStringList failures;
    std::map<QString, int> warnings;  // Qt warnings by text
    // Each time the options window is back: the bytes in use on the heap, and how many modal
    // windows (results and about) had been opened by then.
    struct HeapSample {
        std::int64_t bytes;
        long modalOpenings;
    };
    std::vector<HeapSample> heapSamples;
};

// Plays a user on the program's real windows: random clicks, typing and saves, posted one at a
// time into whatever event loop is running (the modal results and about windows run their
// own), while the program's timers keep ticking. Checks after every action that the windows
// hand over cleanly, that saves either write the sheet or report an error without touching any
// sheet saved before, and that no unexpected dialog opens. When the run is over it closes the
// windows the way a user would and ends the event loop.
class Driver : public QObject {
    Q_OBJECT
public:
    Driver(ProgramWindows& program, const Settings& settings, Report& report);
    ~Driver() override;

    void start();

private:
    void tick();
    void post(const std::function<void()>& action);
    void fail(const QString& what);
    void checkWindows();
    void noteGenerationState();
    void windDown();
    void prepareLastGeneration();

    void optionsAction();
    void resultsAction();
    void aboutAction();

    void save();
    QString randomText();
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    bool chance(int percent) { return below(100) < percent; }

    ProgramWindows& m_program;
    Settings m_settings;
    Report& m_report;
    std::mt19937 m_rng;
    // Asked on every tick of the driver, without a timer of its own, so that what it finds
    // joins the run's failures.
    test::DialogWatchdog m_watchdog;
    QTimer m_timer;
    QElapsedTimer m_clock;
    QTemporaryDir m_dir;
    bool m_pending = false;
    bool m_windingDown = false;
    int m_waitTicks = 0;
    bool m_wasResultsVisible = false;
    bool m_generationRunning = false;
    enum class LastGeneration { NotStarted, Running, Finished };
    LastGeneration m_lastGeneration = LastGeneration::NotStarted;
    qint64 m_lastGenerationStart = 0;
    int m_preparingClicks = 0;
    std::optional<QString> m_saveAnswer;
    int m_errorsReported = 0;
    int m_noClassMessages = 0;
    // Every sheet saved so far, by path, with the bytes it must still hold.
    std::map<QString, QByteArray> m_saved;
};

// The bytes in use on the heap, from the sanitizer's allocator when there is one.
std::int64_t heapInUse();

}  // namespace tavrel::soak
