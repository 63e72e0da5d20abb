#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTest>

#include "shadowtext.h"

using namespace tavrel;

namespace {

// Crisp glyphs, so that every pixel is either the pen's colour or the background.
QFont crispFont() {
    QFont font;
    font.setPixelSize(40);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// The bounding box of the pixels of one colour.
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

// Draws "H" with a shadow of `size` and returns where the text and where the shadow landed;
// each is drawn alone (the other in a see-through colour) so that neither hides the other.
struct Landing {
    QRect text;
    QRect shadow;
    QRect rect;
    int height = 0;
    bool penGivenBack = true;
};

Landing land(TShadowPosition position, int size) {
    Landing landing;
    for (bool showText : {true, false}) {
        QImage image(200, 120, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(crispFont());
        const QColor pen = showText ? QColor(Qt::black) : QColor(0, 0, 0, 0);
        painter.setPen(pen);
        const QColor shadow = showText ? QColor(255, 0, 0, 0) : QColor(Qt::red);
        QRect rect(20, 20, 160, 80);
        landing.height = drawShadowText(&painter, painter.fontMetrics(), QStringLiteral("H"),
                                        position, shadow, size, Qt::AlignLeft, rect);
        landing.rect = rect;
        landing.penGivenBack = landing.penGivenBack && painter.pen().color() == pen;
        painter.end();
        if (showText) {
            landing.text = boxOf(image, qRgb(0, 0, 0));
        } else {
            landing.shadow = boxOf(image, qRgb(255, 0, 0));
        }
    }
    return landing;
}

}  // namespace

class ShadowTextTest : public QObject {
    Q_OBJECT

private slots:
    void shadowAndTextMoveToTheirSides_data() {
        QTest::addColumn<TShadowPosition>("position");
        QTest::addColumn<QPoint>("textShift");
        QTest::addColumn<QPoint>("shadowShift");
        QTest::newRow("left top: text moves right and down")
            << spLeftTop << QPoint(3, 3) << QPoint(0, 0);
        QTest::newRow("left bottom: text right, shadow down")
            << spLeftBottom << QPoint(3, 0) << QPoint(0, 3);
        QTest::newRow("right bottom: shadow moves right and down")
            << spRightBottom << QPoint(0, 0) << QPoint(3, 3);
        QTest::newRow("right top: text down, shadow right")
            << spRightTop << QPoint(0, 3) << QPoint(3, 0);
    }

    void shadowAndTextMoveToTheirSides() {
        QFETCH(TShadowPosition, position);
        QFETCH(QPoint, textShift);
        QFETCH(QPoint, shadowShift);
        const Landing plain = land(position, 0);
        QVERIFY(!plain.text.isEmpty());
        QCOMPARE(plain.shadow.topLeft(), plain.text.topLeft());

        const Landing shadowed = land(position, 3);
        QCOMPARE(shadowed.text, plain.text.translated(textShift));
        QCOMPARE(shadowed.shadow, plain.text.translated(shadowShift));
        // The rectangle given back spans both copies; the height counts the shadow once.
        QCOMPARE(shadowed.rect, QRect(20, 20, 163, 83));
        QCOMPARE(shadowed.height, plain.height + 3);
        QVERIFY(shadowed.penGivenBack);
    }

    void measuringAddsTheShadowToTheExtent_data() {
        QTest::addColumn<TShadowPosition>("position");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("flags");
        QTest::newRow("left bottom, 5, centred") << spLeftBottom << 5 << int(Qt::AlignHCenter);
        QTest::newRow("right bottom, 1, wrapped") << spRightBottom << 1 << int(Qt::TextWordWrap);
        QTest::newRow("right top, 4, right") << spRightTop << 4 << int(Qt::AlignRight);
    }

    void measuringAddsTheShadowToTheExtent() {
        QFETCH(TShadowPosition, position);
        QFETCH(int, size);
        QFETCH(int, flags);
        const QFontMetrics metrics(crispFont());
        const QString text = QStringLiteral("Measure\tme, please");
        const QRect start(7, 9, 120, 10);
        const QSize textSize = metrics.boundingRect(start, flags, text).size();

        QRect rect = start;
        const int height = drawShadowText(nullptr, metrics, text, position, Qt::red, size,
                                          flags | kTextMeasureOnly, rect);
        QCOMPARE(rect.topLeft(), start.topLeft());
        QCOMPARE(rect.size(), textSize + QSize(size, size));
        QCOMPARE(height, textSize.height() + size);
    }
};

QTEST_MAIN(ShadowTextTest)
#include "shadowtext_test.moc"
