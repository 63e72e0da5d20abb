#include "soakdriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TAVREL_SOAK_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define TAVREL_SOAK_ASAN 1
#endif

#ifdef TAVREL_SOAK_ASAN
// From the sanitizer runtime (its header is not installed with every compiler).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace tavrel::soak {

std::int64_t heapInUse() {
#ifdef TAVREL_SOAK_ASAN
    return static_cast<std::int64_t>(__sanitizer_get_current_allocated_bytes());
#else
    return static_cast<std::int64_t>(mallinfo2().uordblks);
#endif
}

namespace {

class Chooser final : public SavePathChooser {
public:
    explicit Chooser(const std::optional<QString>& answer) : m_answer(answer) {}
    std::optional<QString> chooseSavePath(QWidget*) override { return m_answer; }

private:
    const std::optional<QString>& m_answer;
};

class Reporter final : public MessageReporter {
public:
    explicit Reporter(int& count) : m_count(count) {}
    void reportError(QWidget*, const QString&) override { ++m_count; }

private:
    int& m_count;
};

// Replacing an earlier sheet is always agreed to, so that every save writes.
class Agree final : public Question {
public:
    bool ask(QWidget*, const QString&) override { return true; }
};

}  // namespace

Driver::Driver(ProgramWindows& program, const Settings& settings, Report& report)
    : m_program(program),
      m_settings(settings),
      m_report(report),
      m_rng(settings.seed),
      m_watchdog({&program.options, &program.results, &program.about}, false) {
    m_program.results.setSavePathChooser(std::make_unique<Chooser>(m_saveAnswer));
    m_program.results.setMessageReporter(std::make_unique<Reporter>(m_errorsReported));
    m_program.results.setQuestion(std::make_unique<Agree>());
    m_program.options.setMessageReporter([this](QWidget*, const QString&) { ++m_noClassMessages; });
    connect(&m_timer, &QTimer::timeout, this, &Driver::tick);
}

Driver::~Driver() = default;

void Driver::start() {
    if (!m_dir.isValid()) {
        fail(QStringLiteral("no temporary folder"));
    }
    // A folder with a sheet's name, so that a save to it keeps that name and meets the folder.
    QDir(m_dir.path()).mkdir(QStringLiteral("folder.htm"));
    QFile(m_dir.filePath(QStringLiteral("plainfile"))).open(QIODevice::WriteOnly);
    m_clock.start();
    m_timer.start(m_settings.tickMilliseconds);
}

void Driver::fail(const QString& what) {
    m_report.failures.append(
        QStringLiteral("after %1 actions: %2").arg(m_report.actions).arg(what));
}

// Actions run from the event loop, never from inside the driver's own timer slot: "Generate!"
// and "About" open modal windows whose loops must keep delivering the driver's ticks.
void Driver::post(const std::function<void()>& action) {
    m_pending = true;
    ++m_report.actions;
    QTimer::singleShot(0, this, [this, action] {
        m_pending = false;
        action();
    });
}

void Driver::tick() {
    checkWindows();
    noteGenerationState();
    if (m_pending) {
        return;
    }
    const bool timeUp = m_settings.seconds > 0 &&
                        m_clock.elapsed() >= static_cast<qint64>(m_settings.seconds * 1000);
    if (m_windingDown || timeUp || m_report.actions >= m_settings.actions) {
        windDown();
        return;
    }
    if (m_waitTicks > 0) {
        --m_waitTicks;
        return;
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == &m_program.about) {
        aboutAction();
    } else if (modal == &m_program.results && m_program.results.isVisible()) {
        resultsAction();
    } else if (modal == nullptr && m_program.options.isVisible()) {
        optionsAction();
    }
}

void Driver::checkWindows() {
    const bool options = m_program.options.isVisible();
    const bool results = m_program.results.isVisible();
    if (options == results) {
        fail(QStringLiteral("options window %1 and results window %2")
                 .arg(options ? "shown" : "hidden", results ? "shown" : "hidden"));
    }
    if (results && !m_program.results.isEnabled()) {
        fail(QStringLiteral("results window shown but disabled"));
    }
    for (const QString& dialog : m_watchdog.check()) {
        fail(QStringLiteral("unexpected dialog %1").arg(dialog));
    }
    if (m_wasResultsVisible && !results && options) {
        ++m_report.returnsToOptions;
        m_report.heapSamples.push_back({heapInUse(), m_report.generations + m_report.aboutShown});
    }
    m_wasResultsVisible = results;
}

void Driver::noteGenerationState() {
    const Generator& g = m_program.generator;
    const bool running = g.revealRunning() || g.fillRunning();
    if (m_generationRunning && !running) {
        ++m_report.completedGenerations;
    }
    m_generationRunning = running;
}

void Driver::windDown() {
    QWidget* modal = QApplication::activeModalWidget();
    TForm1& options = m_program.options;
    const Generator& g = m_program.generator;
    if (!m_windingDown) {
        m_windingDown = true;
        m_waitTicks = 0;
        m_lastGeneration = LastGeneration::NotStarted;
    }
    if (modal == &m_program.about) {
        post([this] { m_program.about.close(); });
    } else if (modal == &m_program.results) {
        if (m_lastGeneration == LastGeneration::Running && (g.revealRunning() || g.fillRunning())) {
            // Real timers on a loaded machine: allow a generous minute before calling it stuck.
            if (m_clock.elapsed() - m_lastGenerationStart < 60'000)
                return;
            fail(QStringLiteral("the last generation never finished"));
        }
        if (m_lastGeneration == LastGeneration::Running) {
            m_lastGeneration = LastGeneration::Finished;
            for (int score : g.character().abilityScore) {
                if (score < 3 || score > 19) {
                    fail(QStringLiteral("the last character has a score of %1").arg(score));
                }
            }
        }
        post([this] { m_program.results.controls().btclosegen->click(); });
    } else if (modal == nullptr && options.isVisible()) {
        if (m_lastGeneration == LastGeneration::NotStarted) {
            prepareLastGeneration();
        } else {
            m_timer.stop();
            post([&options] { options.close(); });
        }
    }
}

// Gets the options window to a choice that "Generate!" accepts, one click per call, as a user
// would from whatever the run left behind, then generates.
void Driver::prepareLastGeneration() {
    TForm1& options = m_program.options;
    const EligibilityModel& model = options.model();
    const auto click = [&options](const QString& name) {
        auto* box = options.findChild<QCheckBox*>(name);
        return [box] { box->click(); };
    };
    if (tavrel::generateAccepted(options.model().options())) {
        m_lastGeneration = LastGeneration::Running;
        m_lastGenerationStart = m_clock.elapsed();
        ++m_report.generations;
        post([&options] {
            options.findChild<QPushButton*>(QStringLiteral("Button1"), Qt::FindDirectChildrenOnly)
                ->click();
        });
    } else if (++m_preparingClicks > 10) {
        fail(QStringLiteral("no class could be chosen for a last character"));
        m_lastGeneration = LastGeneration::Finished;
    } else if (!model.restrictionsLifted()) {
        // Lifting the rules offers Specialist and Mage whatever is ticked.
        post(click(QStringLiteral("CheckBox2")));
    } else if (model.ticked(ClassBox::Specialist)) {
        // Unticking Specialist clears every tick and brings back the race's offer.
        post(click(QStringLiteral("SpecialistBox")));
    } else if (model.offered(ClassBox::Fighter) && !model.ticked(ClassBox::Fighter)) {
        post(click(QStringLiteral("FighterBox")));
    } else {
        post(click(QStringLiteral("MageBox")));
    }
}

}  // namespace tavrel::soak
