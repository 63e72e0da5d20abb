// Soak test of the program's real windows, offscreen: thousands of random user actions with the
// timers running. It fails on a broken expectation, on any critical Qt message, on a hang (a
// watchdog thread ends the process), and when the heap keeps growing from one return to the
// options window to the next; under AddressSanitizer, LeakSanitizer checks the exit as well.
//
//   soak [--actions N] [--seconds S] [--seed N]
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <mutex>
#include <string>
#include <thread>

#include "soakdriver.h"
#include "startup.h"

namespace {

tavrel::soak::Report* g_report = nullptr;

void recordMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    if (type == QtWarningMsg) {
        ++g_report->warnings[text];
        return;
    }
    g_report->failures.append(QStringLiteral("Qt message: ") + text);
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "soak: fatal Qt message: %s\n", qPrintable(text));
        std::abort();
    }
}

// Ends the process if the run has not finished in time: a hang is a failure too.
class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit)
        : m_thread([this, limit] {
              std::unique_lock lock(m_mutex);
              if (!m_done.wait_for(lock, limit, [this] { return m_finished; })) {
                  std::fprintf(stderr, "soak: no end after %lld s, the program hangs\n",
                               static_cast<long long>(limit.count()));
                  std::_Exit(3);
              }
          }) {}
    ~Watchdog() {
        {
            std::lock_guard lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_one();
        m_thread.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::thread m_thread;
};

// Qt 6.4 keeps about 150 bytes for good each time a modal window runs and closes (a connection
// made as the focus moves between windows; a bare QDialog shows the same), so that much growth
// per opening is the toolkit's and allowed for.
constexpr std::int64_t kToolkitBytesPerModalOpening = 200;

// Growth of the heap from the middle of the run to its end, measured each time the options
// window came back, less the toolkit's share: a steady leak of ours shows as a rising line.
bool heapGrew(const std::vector<tavrel::soak::Report::HeapSample>& samples, QString& detail) {
    if (samples.size() < 8) {
        detail = QStringLiteral("too few returns to the options window to judge the heap");
        return false;
    }
    const std::size_t n = samples.size();
    // The largest of the second quarter against the largest of the last, so that a passing
    // peak in one sample does not decide.
    const auto largest = [&samples](std::size_t from, std::size_t to) {
        return *std::max_element(samples.begin() + static_cast<long>(from),
                                 samples.begin() + static_cast<long>(to),
                                 [](const auto& a, const auto& b) { return a.bytes < b.bytes; });
    };
    const auto early = largest(n / 4, n / 2);
    const auto late = largest(3 * n / 4, n);
    const std::int64_t toolkit =
        kToolkitBytesPerModalOpening * (late.modalOpenings - early.modalOpenings);
    const std::int64_t growth = late.bytes - early.bytes - toolkit;
    detail = QStringLiteral(
                 "heap in use %1 KiB at mid-run, %2 KiB at the end, of which %3 KiB "
                 "allowed for the toolkit's %4 modal openings (by eighths:")
                 .arg(early.bytes / 1024)
                 .arg(late.bytes / 1024)
                 .arg(toolkit / 1024)
                 .arg(late.modalOpenings - early.modalOpenings);
    for (std::size_t part = 0; part < 8; ++part) {
        detail += QStringLiteral(" %1").arg(largest(part * n / 8, (part + 1) * n / 8).bytes / 1024);
    }
    detail += QLatin1Char(')');
    return growth > 256 * 1024;
}

int usage() {
    std::fprintf(stderr, "usage: soak [--actions N] [--seconds S] [--seed N]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    tavrel::soak::Settings settings;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc)
            return usage();
        const char* value = argv[++i];
        if (arg == "--actions") {
            settings.actions = std::strtol(value, nullptr, 10);
        } else if (arg == "--seconds") {
            settings.seconds = std::strtod(value, nullptr);
            // The time decides, not a count of actions.
            settings.actions = std::numeric_limits<long>::max();
        } else if (arg == "--seed") {
            settings.seed = static_cast<std::uint32_t>(std::strtoul(value, nullptr, 10));
        } else {
            return usage();
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    // Generous: a sanitizer build on a busy machine runs several times slower than usual.
    const auto limit =
        std::chrono::seconds(settings.seconds > 0 ? static_cast<long>(settings.seconds) * 2 + 300
                                                  : 600 + static_cast<long>(settings.actions / 10));
    Watchdog watchdog(limit);

    tavrel::soak::Report report;
    g_report = &report;
    qInstallMessageHandler(recordMessage);
    {
        QApplication app(argc, argv);
        // As start-up sets the program up, apart from the icon.
        tavrel::setApplicationIdentity();
        QApplication::setQuitOnLastWindowClosed(false);

        tavrel::ProgramWindows windows([&report](const tavrel::ShellRequest&) {
            ++report.linksOpened;
            return true;
        });
        windows.fitToDesktop();
        // The history of characters grows by design until it holds a thousand; kept short here,
        // it is full within the first few generations, so growth after mid-run is a leak.
        windows.results.setHistoryCapacity(4);
        QObject::connect(&windows.options, &tavrel::TForm1::closed, &app, &QApplication::quit);
        tavrel::soak::Driver driver(windows, settings, report);
        windows.options.show();
        driver.start();
        QApplication::exec();
    }
    qInstallMessageHandler(nullptr);

    // A long enough run must have reached every kind of event, or it proved little.
    if (report.actions >= 1000 &&
        (report.completedGenerations == 0 || report.rerollsDuringReveal == 0 ||
         report.goodSaves == 0 || report.failedSaves == 0 || report.returnsToOptions == 0)) {
        report.failures.append(QStringLiteral("the run missed whole kinds of action"));
    }
    QString heapDetail;
    if (heapGrew(report.heapSamples, heapDetail)) {
        report.failures.append(QStringLiteral("the heap keeps growing: ") + heapDetail);
    }
    std::printf(
        "soak: seed %u, %ld actions, %ld generations (%ld ran to the end), %ld rerolls (%ld during "
        "a "
        "reveal), %ld saves written, %ld bad saves reported, %ld returns to the options window, "
        "about shown %ld times, %ld mail links\n",
        settings.seed, report.actions, report.generations, report.completedGenerations,
        report.rerolls, report.rerollsDuringReveal, report.goodSaves, report.failedSaves,
        report.returnsToOptions, report.aboutShown, report.linksOpened);
    std::printf("soak: %s\n", qPrintable(heapDetail));
    for (const auto& [text, count] : report.warnings) {
        std::printf("soak: Qt warning (%d times): %s\n", count, qPrintable(text));
    }
    const qsizetype shown = std::min<qsizetype>(report.failures.size(), 20);
    for (qsizetype i = 0; i < shown; ++i) {
        std::printf("soak: FAILED %s\n", qPrintable(report.failures[i]));
    }
    // Flushed now: a leak report at exit would otherwise end the process before stdio does.
    if (!report.failures.isEmpty()) {
        std::printf("soak: %lld failures\n", static_cast<long long>(report.failures.size()));
        std::fflush(stdout);
        return 1;
    }
    std::printf("soak: passed\n");
    std::fflush(stdout);
    return 0;
}
