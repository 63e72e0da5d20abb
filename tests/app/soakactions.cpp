// The random user actions of the soak: what a user may do in each window, and the saves.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "filesizelimit.h"
#include "radiogroup.h"
#include "sheet.h"
#include "soakdriver.h"

namespace tavrel::soak {

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// Pieces of typed text: markup, entities, accents, scripts beyond Latin-1, line breaks.
const char* const kTextPieces[] = {"Gorm",
                                   "a",
                                   " ",
                                   "<b>",
                                   "&amp;",
                                   "\"",
                                   "\xc3\xa9",
                                   "\xe2\x82\xac",
                                   "\xe6\x97\xa5\xe6\x9c\xac",
                                   "\n",
                                   "\r\n",
                                   "\t",
                                   "\xf0\x9f\x98\x80",
                                   "\xe2\x80\xa8",
                                   "'",
                                   ";",
                                   "Long Name of the Western Marches"};

}  // namespace
void Driver::optionsAction() {
    TForm1& w = m_program.options;
    const auto group = [&w](const char* name) {
        return w.findChild<RadioGroup*>(QLatin1String(name));
    };
    const int pick = below(100);
    if (pick < 35) {
        QCheckBox* box = w.controls().classBoxes()[static_cast<std::size_t>(below(kClassBoxCount))];
        post([box] { box->click(); });
    } else if (pick < 45) {
        auto* school =
            w.findChild<QRadioButton*>(QStringLiteral("RadioButton%1").arg(below(8) + 1));
        post([school] { school->click(); });
    } else if (pick < 60) {
        static const char* const groups[] = {"RadioGroup1", "lawcaosradio", "goodevilradio",
                                             "GenderRadio", "RadioGroup3",  "RadioGroup2"};
        RadioGroup* g = group(groups[below(6)]);
        QRadioButton* button = g->button(below(g->count()));
        post([button] { button->click(); });
    } else if (pick < 65) {
        auto* lift = w.findChild<QCheckBox*>(QStringLiteral("CheckBox2"));
        post([lift] { lift->click(); });
    } else if (pick < 97) {
        // "Generate!", by its button or by Enter.
        const bool byKey = chance(20);
        const bool opens = tavrel::generateAccepted(w.model().options());
        post([this, &w, byKey, opens] {
            if (opens) {
                ++m_report.generations;
            }
            const int before = m_noClassMessages;
            if (byKey) {
                // Enter means "Generate!" unless a button has the focus, so focus a race.
                auto* race = w.findChild<RadioGroup*>(QStringLiteral("RadioGroup1"));
                race->button(race->itemIndex())->setFocus();
                QTest::keyClick(&w, Qt::Key_Return);
            } else {
                w.findChild<QPushButton*>(QStringLiteral("Button1"), Qt::FindDirectChildrenOnly)
                    ->click();
            }
            // The call returns only once the results window has been closed again.
            if (!opens && m_noClassMessages != before + 1) {
                fail(QStringLiteral("no class chosen, but no message"));
            }
        });
    } else {
        ++m_report.aboutShown;
        post([&w] {
            w.findChild<QPushButton*>(QStringLiteral("Button4"), Qt::FindDirectChildrenOnly)
                ->click();
        });
    }
}

void Driver::aboutAction() {
    TForm3& about = m_program.about;
    const int pick = below(10);
    if (pick < 4) {
        auto* label = about.findChild<QLabel*>(pick < 2 ? QStringLiteral("Label3")
                                                        : QStringLiteral("Label5"));
        post([this, label] {
            const long before = m_report.linksOpened;
            QTest::mouseClick(label, Qt::LeftButton);
            if (m_report.linksOpened != before + 1) {
                fail(QStringLiteral("a mail link did not open"));
            }
        });
    } else if (pick < 8) {
        post([&about] { about.findChild<QPushButton*>(QStringLiteral("Button1"))->click(); });
    } else {
        post([&about] { about.close(); });
    }
}

void Driver::resultsAction() {
    TForm2& w = m_program.results;
    const ResultsControls& ui = w.controls();
    const Generator& g = m_program.generator;
    const int pick = below(100);
    if (pick < 14) {
        const bool byKey = chance(25);
        post([this, &w, &g, &ui, byKey] {
            ++m_report.rerolls;
            if (g.revealRunning()) {
                ++m_report.rerollsDuringReveal;
            }
            if (byKey) {
                ui.Button4->setFocus();
                QTest::keyClick(&w, Qt::Key_Return);
            } else {
                ui.Button4->click();
            }
        });
    } else if (pick < 20) {
        post([&ui] { ui.Button9->click(); });
    } else if (pick < 26) {
        const QString text = randomText();
        const bool replace = chance(50);
        post([&ui, text, replace] {
            if (replace) {
                ui.Memo1->setPlainText(text);
            } else {
                ui.Memo1->moveCursor(QTextCursor::End);
                ui.Memo1->insertPlainText(text);
            }
        });
    } else if (pick < 34) {
        // "Add Weapon" from whichever weapon list is on offer, sometimes with typed text.
        const QString typed = chance(25) ? randomText() : QString();
        const int index = below(64);
        post([&ui, typed, index] {
            for (QComboBox* box : ui.weaponBoxes()) {
                if (box->isHidden())
                    continue;
                if (!typed.isEmpty() && box->isEditable()) {
                    box->setEditText(typed);
                } else if (box->count() > 0) {
                    box->setCurrentIndex(index % box->count());
                }
            }
            ui.Button3->click();
        });
    } else if (pick < 41) {
        const int row = below(12) - 2;
        post([&ui, row] {
            ui.weaponlist->setCurrentRow(row);
            ui.Button6->click();
        });
    } else if (pick < 43) {
        post([&ui] { ui.btclearweponslist->click(); });
    } else if (pick < 46) {
        const int index = below(64);
        post([&ui, index] {
            QComboBox* warrior = ui.weaponBox(WeaponList::Warrior);
            if (warrior->count() > 0)
                warrior->setCurrentIndex(index % warrior->count());
            ui.Button8->click();
        });
    } else if (pick < 54) {
        std::array<int, 5> choices{};
        for (int& c : choices)
            c = chance(40) ? below(64) : 0;
        post([&ui, choices] {
            for (std::size_t i = 0; i < choices.size(); ++i) {
                QComboBox* box = ui.groupBoxes()[i];
                if (box->count() > 0)
                    box->setCurrentIndex(choices[i] % box->count());
            }
            ui.Button2->click();
        });
    } else if (pick < 61) {
        const int row = below(12) - 2;
        post([&ui, row] {
            ui.Nonweaponlist->setCurrentRow(row);
            ui.Button7->click();
        });
    } else if (pick < 63) {
        post([&ui] { ui.Button1->click(); });
    } else if (pick < 78) {
        save();
    } else if (pick < 94) {
        // Let the timers run for a while: a reveal takes a few dozen ticks of 10 ms.
        m_waitTicks = 5 + below(80);
    } else if (pick < 98) {
        post([&ui] { ui.btclosegen->click(); });
    } else {
        post([&w] { w.close(); });
    }
}

// "Save Character" to a new or an existing file, or to a path that cannot be written: a
// missing folder, a folder, a file standing in for a folder, a disk that fills up on the way;
// or the dialog is cancelled.
void Driver::save() {
    const int pick = below(10);
    const QDir dir(m_dir.path());
    std::optional<QString> path;
    bool good = true;
    if (pick < 5) {
        path = dir.filePath(QStringLiteral("sheet-%1.htm").arg(below(6)));
    } else if (pick < 6) {
        path = dir.filePath(QStringLiteral("missing/sheet.htm"));
        good = false;
    } else if (pick < 7) {
        path = dir.filePath(QStringLiteral("folder.htm"));
        good = false;
    } else if (pick < 8) {
        path = dir.filePath(QStringLiteral("plainfile/sheet.htm"));
        good = false;
    } else if (pick < 9) {
        // A full disk while replacing a sheet: the file may grow only part of the way.
        path = dir.filePath(QStringLiteral("sheet-%1.htm").arg(below(6)));
        good = false;
    }
    const bool diskFull = pick == 8;
    const int fraction = below(1000);
    post([this, path, good, diskFull, fraction]() mutable {
        m_saveAnswer = path;
        const int before = m_errorsReported;
        // A file that already holds this very sheet is not written again, so no limit bites.
        if (diskFull && readAll(*path) == QByteArray::fromStdString(
                                              characterSheet(m_program.generator.character()))) {
            good = true;
        }
        if (diskFull) {
            const auto size = characterSheet(m_program.generator.character()).size();
            const tavrel::test::FileSizeLimit limit(static_cast<rlim_t>(size * fraction / 1000));
            m_program.results.controls().Savebtn->click();
        } else {
            m_program.results.controls().Savebtn->click();
        }
        const int reported = m_errorsReported - before;
        if (!path) {
            if (reported != 0)
                fail(QStringLiteral("a cancelled save reported an error"));
            return;
        }
        const QString key = QFileInfo(*path).absoluteFilePath();
        if (good && reported == 0) {
            ++m_report.goodSaves;
            const QByteArray expected =
                QByteArray::fromStdString(characterSheet(m_program.generator.character()));
            if (readAll(key) != expected)
                fail(QStringLiteral("saved sheet differs: ") + key);
            m_saved[QFileInfo(key).canonicalFilePath()] = expected;
        } else if (!good && reported == 1) {
            ++m_report.failedSaves;
        } else {
            fail(QStringLiteral("save to %1 reported %2 errors").arg(*path).arg(reported));
        }
        for (const auto& [file, bytes] : m_saved) {
            if (readAll(file) != bytes)
                fail(QStringLiteral("an earlier sheet changed: ") + file);
        }
    });
}

QString Driver::randomText() {
    std::string text;
    const int pieces = below(12);
    for (int i = 0; i < pieces; ++i) {
        text += kTextPieces[below(static_cast<int>(std::size(kTextPieces)))];
    }
    return QString::fromStdString(text);
}

// Closes whatever is open, as a user would; then generates one last character, which has to
// run to its end (the program must still work after it all), closes the results window and
// finally the options window, which ends the run.
}  // namespace tavrel::soak
