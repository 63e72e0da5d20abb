#pragma once

#include <memory>
#include <optional>

#include "builders.h"
#include "dialogwatchdog.h"
#include "generator.h"
#include "messagereporter.h"
#include "question.h"
#include "resultswindow.h"
#include "savepathchooser.h"

namespace tavrel::test {

// Answers the save dialog as the test says, and counts how often it was asked.
class FakeChooser final : public SavePathChooser {
public:
    std::optional<QString> chooseSavePath(QWidget*) override {
        ++calls;
        return answer;
    }
    SaveFormat chosenFormat() const override { return format; }
    std::optional<QString> chooseOpenPath(QWidget*) override { return openAnswer; }
    std::optional<QString> answer;
    SaveFormat format = SaveFormat::Sheet;
    std::optional<QString> openAnswer;
    int calls = 0;
};

class FakeReporter final : public MessageReporter {
public:
    void reportError(QWidget*, const QString& text) override { errors.append(text); }
    QStringList errors;
};

// Answers every question as the test says, and keeps what was asked.
class FakeQuestion final : public Question {
public:
    bool ask(QWidget*, const QString& text) override {
        asked.append(text);
        return answer;
    }
    bool answer = false;
    QStringList asked;
};

// One results window over its own generator, clock and seams, as the program wires it.
struct WindowHarness {
    explicit WindowHarness(CharacterOptions o = optionsFor(Human, {"fighter"}),
                           std::uint32_t clockMs = 12 * 3600 * 1000)
        : options(o), clock(clockMs), generator(random, clock) {
        window = std::make_unique<TForm2>(generator, [this] { return options; });
        auto chooserOwned = std::make_unique<FakeChooser>();
        auto reporterOwned = std::make_unique<FakeReporter>();
        auto questionOwned = std::make_unique<FakeQuestion>();
        chooser = chooserOwned.get();
        reporter = reporterOwned.get();
        question = questionOwned.get();
        window->setSavePathChooser(std::move(chooserOwned));
        window->setMessageReporter(std::move(reporterOwned));
        window->setQuestion(std::move(questionOwned));
        watchdog = std::make_unique<DialogWatchdog>(std::vector<const QWidget*>{window.get()});
    }

    // As "Generate!" does it, without the modal loop: enable, then show.
    void open() {
        window->setEnabled(true);
        window->show();
    }

    // Drives reveal ticks by hand until the reveal stops; the clock moves as a real one would.
    int revealToEnd() {
        int ticks = 0;
        while (generator.revealRunning() && ticks < 100) {
            clock.advance(10);
            window->Timer1Timer();
            ++ticks;
        }
        return ticks;
    }

    // Reveal and fill to their end: the character is complete and both timers have stopped.
    void complete() {
        revealToEnd();
        for (int i = 0; i < 1000 && generator.fillRunning(); ++i) {
            window->Timer2Timer();
        }
    }

    template <typename T>
    T* find(const char* name) const {
        window->controls();  // built on first need
        return window->findChild<T*>(QLatin1String(name));
    }

    CharacterOptions options;
    Random random;
    SettableClock clock;
    Generator generator;
    std::unique_ptr<TForm2> window;
    FakeChooser* chooser = nullptr;
    FakeReporter* reporter = nullptr;
    FakeQuestion* question = nullptr;
    std::unique_ptr<DialogWatchdog> watchdog;
};

}  // namespace tavrel::test
