#include <QApplication>
#include <QEnterEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "aslink.h"
#include "linkrecorder.h"

using namespace tavrel;

namespace {

QFont crispFont(int pixels) {
    QFont font;
    font.setPixelSize(pixels);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QRect boxOf(const QImage& image, QRgb colour) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == colour)
                box = box.united(QRect(x, y, 1, 1));
        }
    }
    return box;
}

// A control filled white with crisp black text and no shadow, so its pixels can be read.
void makeReadable(TASLink& link) {
    link.setFont(crispFont(20));
    link.setTransparent(false);
    link.setColor(Qt::white);
    link.setFontColor(Qt::black);
    link.setShadowSize(0);
}

}  // namespace

class ASLinkTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_window = std::make_unique<QWidget>();
        m_window->resize(400, 200);
        m_recorder = test::LinkRecorder();
    }

    void cleanup() {
        m_window.reset();
        QApplication::setPalette(QPalette());
    }

    // --- opening the link ---

    void linkTextPutsTheSchemeInFront_data() {
        QTest::addColumn<TURLType>("type");
        QTest::addColumn<bool>("add");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a new control mails") << utMailto << true << "someone@example.org"
                                             << "mailto:someone@example.org";
        QTest::newRow("http with nothing between") << utHttp << true << "example.org/tavrel"
                                                   << "http://example.org/tavrel";
        QTest::newRow("file") << utFile << true << "/tmp/sheet.htm"
                              << "file:///tmp/sheet.htm";
        QTest::newRow("wais, the last scheme") << utWais << true << "x"
                                               << "wais:x";
        QTest::newRow("without the prefix the caption goes alone")
            << utHttp << false << "mailto:x@example.org"
            << "mailto:x@example.org";
    }

    void linkTextPutsTheSchemeInFront() {
        QFETCH(TURLType, type);
        QFETCH(bool, add);
        QFETCH(QString, caption);
        QFETCH(QString, expected);
        TASLink link(m_window.get(), m_recorder.opener());
        if (type != utMailto)
            link.setURLType(type);
        if (!add)
            link.setURLTypeAdd(false);
        link.setCaption(caption);

        QVERIFY(link.openLink());
        QCOMPARE(m_recorder.requests.size(), 1u);
        const ShellRequest& request = m_recorder.requests.front();
        QCOMPARE(request.file, expected);
    }

    void longAddressesArriveWhole_data() {
        QTest::addColumn<int>("length");
        QTest::newRow("79, the most a short buffer holds") << 79;
        QTest::newRow("100") << 100;
        QTest::newRow("2000") << 2000;
    }

    void longAddressesArriveWhole() {
        QFETCH(int, length);
        const QString domain = QStringLiteral("@example.org");
        const QString address = QString(length - domain.size(), QLatin1Char('a')) + domain;
        QCOMPARE(address.size(), length);
        TASLink link(m_window.get(), m_recorder.opener());
        link.setCaption(address);

        QVERIFY(link.openLink());
        QCOMPARE(m_recorder.requests.size(), 1u);
        QCOMPARE(m_recorder.requests.front().file, QStringLiteral("mailto:") + address);
    }

    // --- clicking ---

    void clickRunsOnClickThenOpensTheLink() {
        TASLink link(m_window.get(), m_recorder.opener());
        link.setCaption(QStringLiteral("me@example.org"));
        QStringList order;
        connect(&link, &TASLink::OnClick, this,
                [&] { order << QStringLiteral("OnClick:%1").arg(m_recorder.requests.size()); });
        showWindow();

        QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(order, QStringList{QStringLiteral("OnClick:0")});
        QCOMPARE(m_recorder.requests.size(), 1u);
        QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(m_recorder.requests.size(), 2u);
    }

    void clickWithoutALinkStillRunsOnClick_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("links switched off") << "me@example.org" << false;
        QTest::newRow("empty caption") << "" << true;
    }

    void clickWithoutALinkStillRunsOnClick() {
        QFETCH(QString, caption);
        QFETCH(bool, enabled);
        TASLink link(m_window.get(), m_recorder.opener());
        link.setCaption(caption);
        link.setURLEnabled(enabled);
        QSignalSpy clicks(&link, &TASLink::OnClick);
        showWindow();

        QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(clicks.count(), 1);
        QVERIFY(m_recorder.requests.empty());
        QVERIFY(!link.openLink());
        QVERIFY(m_recorder.requests.empty());
    }

    void pressThenReleaseElsewhereIsNoClick() {
        TASLink link(m_window.get(), m_recorder.opener());
        link.setCaption(QStringLiteral("me@example.org"));
        QSignalSpy clicks(&link, &TASLink::OnClick);
        showWindow();

        QTest::mousePress(&link, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(link.width() + 20, 3));
        QTest::mouseClick(&link, Qt::RightButton, {}, QPoint(3, 3));
        QCOMPARE(clicks.count(), 0);
        QVERIFY(m_recorder.requests.empty());
    }

    // --- mouse-over colour ---

    void theLinkColourHoldsWhileTheMouseIsOver() {
        TASLink link(m_window.get(), m_recorder.opener());
        link.setFontColor(QColor(10, 20, 30));
        QCOMPARE(link.LinkColor(), QColor(0, 0, 255));
        link.setLinkColor(QColor(200, 0, 100));

        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(&link, &enter);
        QCOMPARE(link.FontColor(), QColor(200, 0, 100));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&link, &leave);
        QCOMPARE(link.FontColor(), QColor(10, 20, 30));
    }

    // --- auto size ---

    void autoSizeKeepsTheEdgeOfTheAlignment_data() {
        QTest::addColumn<TAlignment>("alignment");
        QTest::addColumn<bool>("rightEdgeStays");
        QTest::newRow("left: the left edge stays") << taLeftJustify << false;
        QTest::newRow("right: the right edge stays") << taRightJustify << true;
        QTest::newRow("centre: the left edge stays") << taCenter << false;
    }

    void autoSizeKeepsTheEdgeOfTheAlignment() {
        QFETCH(TAlignment, alignment);
        QFETCH(bool, rightEdgeStays);
        TASLink link(m_window.get(), m_recorder.opener());
        link.move(250, 30);
        link.setAlignment(alignment);
        link.setCaption(QStringLiteral("Short"));
        const QRect before = link.geometry();

        link.setCaption(QStringLiteral("A caption a good deal longer than before"));
        const QRect after = link.geometry();
        QVERIFY(after.width() > before.width());
        QCOMPARE(after.top(), before.top());
        if (rightEdgeStays) {
            QCOMPARE(after.right(), before.right());
            QVERIFY(after.left() < before.left());
        } else {
            QCOMPARE(after.left(), before.left());
        }
    }

    void anEmptyCaptionSizesToOneBlank() {
        TASLink blank(m_window.get());
        blank.setCaption(QStringLiteral(" "));
        TASLink emptied(m_window.get());
        emptied.setCaption(QStringLiteral("Something"));
        emptied.setCaption(QString());
        TASLink ampersand(m_window.get());
        ampersand.setCaption(QStringLiteral("&"));
        TASLink oneLine(m_window.get());
        oneLine.setCaption(QStringLiteral("Something"));

        const QFontMetrics metrics = blank.fontMetrics();
        const int shadow = blank.ShadowSize();
        QCOMPARE(blank.width(), metrics.horizontalAdvance(QLatin1Char(' ')) + shadow + 2);
        // As tall as a line of text: the face's rounding of its line height decides, not ours.
        QCOMPARE(blank.height(), oneLine.height());
        QCOMPARE(emptied.size(), blank.size());
        QCOMPARE(ampersand.size(), blank.size());
    }

    void autoSizeFollowsShadowFontAndWrapping() {
        TASLink link(m_window.get());
        link.setCaption(QStringLiteral("Caption"));
        const QSize withShadow1 = link.size();
        link.setShadowSize(4);
        QCOMPARE(link.size(), withShadow1 + QSize(3, 3));

        link.setFont(crispFont(40));
        QVERIFY(link.height() > withShadow1.height() + 3);

        TASLink wrapped(m_window.get());
        wrapped.setFont(crispFont(12));
        wrapped.setAutoSize(false);
        wrapped.setCaption(QStringLiteral("one two three four five six seven"));
        wrapped.resize(80, 10);
        QCOMPARE(wrapped.size(), QSize(80, 10));
        wrapped.setWordWrap(true);
        QCOMPARE(wrapped.size(), QSize(80, 10));  // nothing moves while auto size is off
        wrapped.setAutoSize(true);
        QVERIFY(wrapped.width() <= 80);
        QVERIFY(wrapped.height() >= 3 * wrapped.fontMetrics().height());
    }

    // --- painting ---

    void layoutAndAlignmentPlaceTheText_data() {
        QTest::addColumn<TTextLayout>("layout");
        QTest::addColumn<TAlignment>("alignment");
        QTest::addColumn<int>("row");     // 0 top, 1 middle, 2 bottom third
        QTest::addColumn<int>("column");  // 0 left, 1 middle, 2 right third
        QTest::newRow("top left") << tlTop << taLeftJustify << 0 << 0;
        QTest::newRow("centre centre") << tlCenter << taCenter << 1 << 1;
        QTest::newRow("bottom right") << tlBottom << taRightJustify << 2 << 2;
        QTest::newRow("top right") << tlTop << taRightJustify << 0 << 2;
        QTest::newRow("bottom left") << tlBottom << taLeftJustify << 2 << 0;
    }

    void layoutAndAlignmentPlaceTheText() {
        QFETCH(TTextLayout, layout);
        QFETCH(TAlignment, alignment);
        QFETCH(int, row);
        QFETCH(int, column);
        TASLink link(m_window.get());
        makeReadable(link);
        link.setAutoSize(false);
        link.setGeometry(0, 0, 150, 90);
        link.setCaption(QStringLiteral("H"));
        link.setTextLayout(layout);
        link.setAlignment(alignment);

        const QRect text = boxOf(link.grab().toImage(), qRgb(0, 0, 0));
        QVERIFY(!text.isEmpty());
        QCOMPARE(text.center().y() * 3 / 90, row);
        QCOMPARE(text.center().x() * 3 / 150, column);
    }

    void disabledTextIsEngraved() {
        QPalette system;
        system.setColor(QPalette::Light, QColor(255, 0, 0));
        system.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0, 128, 0));
        QApplication::setPalette(system);
        TASLink link(m_window.get());
        makeReadable(link);
        link.setCaption(QStringLiteral("H"));

        const QImage enabled = link.grab().toImage();
        QVERIFY(!boxOf(enabled, qRgb(0, 0, 0)).isEmpty());
        QVERIFY(boxOf(enabled, qRgb(255, 0, 0)).isEmpty());

        link.setEnabled(false);
        const QImage disabled = link.grab().toImage();
        const QRect grey = boxOf(disabled, qRgb(0, 128, 0));
        const QRect highlight = boxOf(disabled, qRgb(255, 0, 0));
        QVERIFY(boxOf(disabled, qRgb(0, 0, 0)).isEmpty());
        QVERIFY(!grey.isEmpty());
        QCOMPARE(highlight.bottomRight(), grey.bottomRight() + QPoint(1, 1));
    }

    // --- accelerator ---

    void theAcceleratorFocusesTheFocusControl() {
        auto* name = new QLineEdit(m_window.get());
        auto* other = new QLineEdit(m_window.get());
        other->move(0, 100);
        TASLink link(m_window.get(), m_recorder.opener());
        link.move(200, 0);
        link.setCaption(QStringLiteral("&Name"));
        link.setFocusControl(name);
        showWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        other->setFocus();
        QTRY_VERIFY(other->hasFocus());

        QTest::keyClick(other, Qt::Key_N, Qt::AltModifier);
        QTRY_VERIFY(name->hasFocus());
        QVERIFY(m_recorder.requests.empty());

        other->setFocus();
        link.setShowAccelChar(false);
        QTest::keyClick(other, Qt::Key_N, Qt::AltModifier);
        QVERIFY(other->hasFocus());

        link.setShowAccelChar(true);
        delete name;
        QCOMPARE(link.FocusControl(), nullptr);
        QTest::keyClick(other, Qt::Key_N, Qt::AltModifier);
        QVERIFY(other->hasFocus());
    }

private:
    void showWindow() {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    std::unique_ptr<QWidget> m_window;
    test::LinkRecorder m_recorder;
};

QTEST_MAIN(ASLinkTest)
#include "aslink_test.moc"
