#include "aboutwindow.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include "aslink.h"

// The credits are settings of the build (see about/CMakeLists.txt).
#ifndef TAVREL_AUTHOR_CREDIT
#error "TAVREL_AUTHOR_CREDIT must be defined by the build"
#endif
#ifndef TAVREL_AUTHOR_MAIL
#error "TAVREL_AUTHOR_MAIL must be defined by the build"
#endif
#ifndef TAVREL_SECOND_CREDIT
#error "TAVREL_SECOND_CREDIT must be defined by the build"
#endif
#ifndef TAVREL_SECOND_MAIL
#error "TAVREL_SECOND_MAIL must be defined by the build"
#endif

namespace tavrel {

namespace {

const QString kAuthorCredit = QString::fromUtf8(TAVREL_AUTHOR_CREDIT);
const QString kAuthorMail = QString::fromUtf8(TAVREL_AUTHOR_MAIL);
const QString kSecondCredit = QString::fromUtf8(TAVREL_SECOND_CREDIT);
const QString kSecondMail = QString::fromUtf8(TAVREL_SECOND_MAIL);

const QString kProgramName = QStringLiteral("Tavrel Second Edition Character Generator");
// The blanks push the version past the end of the name's line, so that it wraps onto a line of
// its own.
const QString kTitle = kProgramName + QStringLiteral("                   v. 1.2");

constexpr int kClientWidth = 358;
constexpr int kClientHeight = 117;
constexpr int kMargin = 8;
constexpr int kTitlePixels = 24;
constexpr int kSmallestTitlePixels = 12;
constexpr int kCreditPixels = 13;
constexpr int kFirstCreditTop = 74;
constexpr int kSecondCreditTop = 92;

QFont pixelFont(const QFont& base, int pixels) {
    QFont font = base;
    font.setPixelSize(pixels);
    return font;
}

QLabel* creditLabel(QWidget* parent, const char* name, const QString& text, int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(pixelFont(parent->font(), kCreditPixels));
    label->adjustSize();
    label->move(kMargin, top);
    return label;
}

// A blue, underlined label with a hand cursor that follows `credit` on its line.
QLabel* mailLabel(QWidget* parent, const char* name, const QString& text, const QString& address,
                  const QLabel* credit) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    QFont font = pixelFont(parent->font(), kCreditPixels);
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(palette);
    label->setCursor(Qt::PointingHandCursor);
    label->setToolTip(address);
    label->adjustSize();
    label->move(credit->geometry().right() + 5, credit->y());
    return label;
}

}  // namespace

TForm3::TForm3(QWidget* parent, LinkOpener opener) : QDialog(parent) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Tavrel Second Edition Character Generator -=About=-"));
    // A dialog frame with the system menu and the close box, nothing to minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    setFont(font);

    Label1 = new QLabel(kTitle, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setGeometry(kMargin, kMargin, kClientWidth - 2 * kMargin, kFirstCreditTop - 12);
    // The title's size is fitted when the window first opens (showEvent), not here: fitting
    // loads several fonts, and the window is created at every start but seldom opened.

    Label2 = creditLabel(this, "Label2", kAuthorCredit, kFirstCreditTop);
    Label3 = mailLabel(this, "Label3", QStringLiteral("(mail me!)"), kAuthorMail, Label2);
    Label4 = creditLabel(this, "Label4", kSecondCredit, kSecondCreditTop);
    Label5 = mailLabel(this, "Label5", QStringLiteral("(mail him)"), kSecondMail, Label4);
    Label3->installEventFilter(this);
    Label5->installEventFilter(this);

    // Never shown: it only builds the "mailto:" text and hands it to the desktop.
    ASLink1 = new TASLink(this, std::move(opener));
    ASLink1->setObjectName(QStringLiteral("ASLink1"));
    ASLink1->move(200, 96);
    ASLink1->setVisible(false);

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(kClientWidth - kMargin - 75, kClientHeight - kMargin - 25, 75, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
}

void TForm3::Label3Click() {
    mailTo(kAuthorMail);
}

void TForm3::Label5Click() {
    mailTo(kSecondMail);
}

void TForm3::Button1Click() {
    close();
}

void TForm3::mailTo(const QString& address) {
    ASLink1->setURLType(utMailto);
    ASLink1->setCaption(address);
    // Whether a mail program took the address is not reported: without one, nothing happens.
    ASLink1->openLink();
}

// The title is meant as the program's name on one line and the version on the next. Fonts wider
// than the one the window was drawn for would break the name over two lines and push the
// version below the window's edge; then the title gets smaller until the name fits its line.
// Every size tried is a font of its own that the font database must find and load, which made
// this the dearest step of the program's start-up; smaller text never needs more room, so a
// binary search finds the largest size that fits with a third of the loads.
void TForm3::fitTitle() {
    const auto fits = [this](int pixels) {
        Label1->setFont(pixelFont(font(), pixels));
        const bool nameFits =
            Label1->fontMetrics().horizontalAdvance(kProgramName) <= Label1->width();
        return nameFits && Label1->heightForWidth(Label1->width()) <= Label1->height();
    };
    // When even the smallest size does not fit, the title keeps the smallest.
    int best = kSmallestTitlePixels;
    int low = kSmallestTitlePixels;
    int high = kTitlePixels;
    while (low <= high) {
        const int middle = (low + high) / 2;
        if (fits(middle)) {
            best = middle;
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    Label1->setFont(pixelFont(font(), best));
}

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == Label3 || watched == Label5) && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* label = static_cast<QLabel*>(watched);
        if (mouse->button() == Qt::LeftButton &&
            label->rect().contains(mouse->position().toPoint())) {
            if (watched == Label3) {
                Label3Click();
            } else {
                Label5Click();
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TForm3::showEvent(QShowEvent* event) {
    if (!m_titleFitted) {
        fitTitle();
        m_titleFitted = true;
    }
    // Centred on the screen (the owner's screen when there is an owner), every time it opens.
    if (!event->spontaneous()) {
        const QScreen* target = parentWidget() != nullptr ? parentWidget()->screen() : screen();
        if (target != nullptr) {
            const QRect area = target->availableGeometry();
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
    }
    QDialog::showEvent(event);
}

}  // namespace tavrel
