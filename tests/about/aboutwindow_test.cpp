#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "aboutwindow.h"
#include "aslink.h"
#include "linkrecorder.h"

using namespace tavrel;

class AboutWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_recorder = test::LinkRecorder();
        m_form = std::make_unique<TForm3>(nullptr, m_recorder.opener());
    }

    void cleanup() { m_form.reset(); }

    // The version sits on a line of its own below the program's name, and none of it is cut off.
    void theTitleShowsNameAndVersionWhole() {
        showForm();  // the title is fitted as the window opens
        auto* title = control<QLabel>("Label1");
        QCOMPARE(title->text(), QStringLiteral("Tavrel Second Edition Character Generator"
                                               "                   v. 1.2"));
        QVERIFY(title->wordWrap());
        const QFontMetrics metrics = title->fontMetrics();
        QVERIFY(metrics.horizontalAdvance(QStringLiteral("Tavrel Second Edition Character "
                                                         "Generator")) <= title->width());
        const int needed = title->heightForWidth(title->width());
        QVERIFY(needed >= 2 * metrics.height());
        QVERIFY(needed <= title->height());
    }

    // Each credit line with its link fits between the window's left edge and the "OK" button,
    // and the two lines do not overlap the title or each other.
    void theCreditsFitBesideTheButton() {
        const QRect ok = control<QPushButton>("Button1")->geometry();
        const QRect title = control<QLabel>("Label1")->geometry();
        const QRect first =
            control<QLabel>("Label2")->geometry().united(control<QLabel>("Label3")->geometry());
        const QRect second =
            control<QLabel>("Label4")->geometry().united(control<QLabel>("Label5")->geometry());
        for (const QRect& line : {first, second}) {
            QVERIFY(m_form->rect().contains(line));
            QVERIFY(!line.intersects(ok));
            QVERIFY(!line.intersects(title));
        }
        QVERIFY(!first.intersects(second));
        QVERIFY(m_form->rect().contains(ok));
        QVERIFY(m_form->rect().contains(title));
    }

    void eachLinkMailsItsAddress_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("address");
        QTest::newRow("mail me!") << "Label3"
                                  << "(mail me!)" << QStringLiteral(EXPECTED_AUTHOR_MAIL);
        QTest::newRow("mail him") << "Label5"
                                  << "(mail him)" << QStringLiteral(EXPECTED_SECOND_MAIL);
    }

    void eachLinkMailsItsAddress() {
        QFETCH(QString, label);
        QFETCH(QString, text);
        QFETCH(QString, address);
        showForm();
        auto* link = control<QLabel>(label);
        QCOMPARE(link->text(), text);
        QCOMPARE(link->toolTip(), address);
        QVERIFY(link->font().underline());
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);

        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(m_recorder.requests.size(), 2u);
        for (const ShellRequest& request : m_recorder.requests) {
            QCOMPARE(request.file, QStringLiteral("mailto:") + address);
        }
        QVERIFY(m_form->isVisible());
    }

    // A keyboard user reaches the links with Tab; Space or Enter on one mails its address, and
    // Enter elsewhere still means "OK".
    void theLinksWorkFromTheKeyboard() {
        showForm();
        auto* link = control<QLabel>("Label5");
        QVERIFY(link->focusPolicy() & Qt::TabFocus);
        link->setFocus();
        QTest::keyClick(link, Qt::Key_Space);
        QTest::keyClick(link, Qt::Key_Return);
        QCOMPARE(m_recorder.requests.size(), 2u);
        QCOMPARE(m_recorder.requests.back().file,
                 QStringLiteral("mailto:") + QStringLiteral(EXPECTED_SECOND_MAIL));
        QVERIFY(m_form->isVisible());
        QTest::keyClick(control<QPushButton>("Button1"), Qt::Key_Return);
        QCOMPARE(m_recorder.requests.size(), 2u);
        QVERIFY(!m_form->isVisible());
    }

    // The hidden link keeps no leftovers: after a link of another scheme has been set up on it,
    // a mail link still mails.
    void aMailLinkAlwaysMails() {
        auto* hidden = control<TASLink>("ASLink1");
        QVERIFY(!hidden->isVisibleTo(m_form.get()));
        hidden->setURLType(utHttp);
        hidden->setCaption(QStringLiteral("example.org"));
        m_form->Label5Click();
        QCOMPARE(m_recorder.requests.size(), 1u);
        QCOMPARE(m_recorder.requests.front().file,
                 QStringLiteral("mailto:") + QStringLiteral(EXPECTED_SECOND_MAIL));
    }

    void okAndTheCloseBoxCloseTheWindow_data() {
        QTest::addColumn<bool>("useOk");
        QTest::newRow("OK") << true;
        QTest::newRow("close box") << false;
    }

    void okAndTheCloseBoxCloseTheWindow() {
        QFETCH(bool, useOk);
        bool stillOpen = true;
        // The owner opens the window modally; the click comes from the event loop inside.
        QTimer::singleShot(0, m_form.get(), [&] {
            stillOpen = m_form->isVisible();
            if (useOk) {
                QTest::mouseClick(control<QPushButton>("Button1"), Qt::LeftButton);
            } else {
                m_form->close();
            }
        });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, m_form.get(), &QDialog::reject);
        watchdog.start(5000);
        m_form->exec();
        QVERIFY2(watchdog.isActive(), "the window did not close");
        QVERIFY(stillOpen);
        QVERIFY(!m_form->isVisible());
        QVERIFY(m_recorder.requests.empty());

        // It opens again afterwards.
        showForm();
        QVERIFY(m_form->isVisible());
    }

private:
    template <typename T>
    T* control(const QString& name) {
        T* found = m_form->findChild<T*>(name);
        if (found == nullptr)
            qFatal("no control %s", qPrintable(name));
        return found;
    }

    void showForm() {
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }

    test::LinkRecorder m_recorder;
    std::unique_ptr<TForm3> m_form;
};

QTEST_MAIN(AboutWindowTest)
#include "aboutwindow_test.moc"
