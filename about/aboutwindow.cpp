#include "aboutwindow.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include "appinfo.h"
#include "aslink.h"
#include "fontscale.h"
#include "linklabel.h"

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

const QString kAuthorMail = QString::fromUtf8(TAVREL_AUTHOR_MAIL);
const QString kSecondMail = QString::fromUtf8(TAVREL_SECOND_MAIL);

const QString kProgramName = QString::fromUtf8(appinfo::kName);
// The blanks push the version past the end of the name's line, so that it wraps onto a line of
// its own.
const QString kTitle = kProgramName + QStringLiteral("                   v. 1.2");

constexpr int kTitlePixels = 24;
constexpr int kSmallestTitlePixels = 12;
constexpr int kCreditPixels = 13;
constexpr int kLinkGap = 5;

// The title and the credits: "MS Sans Serif" at their own pixel sizes, or the face the desktop
// puts in its place; the window was drawn for that face's widths, which wrap the title after the
// program's name.
QFont textFont(int pixels) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    return font;
}

// Puts `link` on the line of `credit`, just after it. The link's margin holds its focus frame,
// so the link starts that much earlier and higher for its text to line up with the credit's.
void placeLink(LinkLabel* link, QLabel* credit, qreal scale) {
    credit->adjustSize();
    link->adjustSize();
    link->move(credit->geometry().right() + qRound(kLinkGap * scale) - link->margin(),
               credit->y() - link->margin());
}

}  // namespace

TForm3::TForm3(QWidget* parent, LinkOpener opener, qreal scale)
    : QDialog(parent), m_scale(qMax(scale, 1.0)) {
    setWindowTitle(kProgramName + QStringLiteral(" -=About=-"));
    // A dialog frame with the system menu and the close box, nothing to minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // At its final size from the start, so that no font is loaded only to be replaced.
    setFont(designFont(scale));

    m_ui.setupUi(this);
    // The title and the credits are settings of the build, so they get their texts here; each
    // link's hint is the address it writes to.
    m_ui.Label1->setText(kTitle);
    m_ui.Label2->setText(QString::fromUtf8(TAVREL_AUTHOR_CREDIT));
    m_ui.Label3->setToolTip(kAuthorMail);
    m_ui.Label4->setText(QString::fromUtf8(TAVREL_SECOND_CREDIT));
    m_ui.Label5->setToolTip(kSecondMail);
    // The largest size until the window first opens: fitting the title loads a font for every
    // size it tries, and the window, created at every start, is seldom opened. showEvent fits
    // it on every opening.
    m_ui.Label1->setFont(textFont(scaledPixels(kTitlePixels, scale)));
    for (QLabel* credit : {m_ui.Label2, m_ui.Label4}) {
        credit->setFont(textFont(scaledPixels(kCreditPixels, scale)));
        credit->adjustSize();
    }
    // Blue and underlined, with a hand cursor (LinkLabel's own).
    QFont linkFont = textFont(scaledPixels(kCreditPixels, scale));
    linkFont.setUnderline(true);
    for (LinkLabel* link : {m_ui.Label3, m_ui.Label5}) {
        link->setFont(linkFont);
        QPalette palette = link->palette();
        palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
        link->setPalette(palette);
        link->setAccessibleDescription(QStringLiteral("Write a mail to ") + link->toolTip());
    }
    connect(m_ui.Label3, &LinkLabel::activated, this, &TForm3::Label3Click);
    connect(m_ui.Label5, &LinkLabel::activated, this, &TForm3::Label5Click);
    m_ui.ASLink1->setLinkOpener(std::move(opener));
    connect(m_ui.Button1, &QPushButton::clicked, this, &TForm3::Button1Click);

    scaleGeometry(this, scale);
    // Each link follows its credit on the credit's line, in the enlarged window.
    placeLink(m_ui.Label3, m_ui.Label2, scale);
    placeLink(m_ui.Label5, m_ui.Label4, scale);
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
    m_ui.ASLink1->setURLType(utMailto);
    m_ui.ASLink1->setCaption(address);
    // Whether a mail program took the address is not reported: without one, nothing happens.
    m_ui.ASLink1->openLink();
}

// The title is meant as the program's name on one line and the version on the next. Fonts wider
// than the one the window was drawn for would break the name over two lines and push the
// version below the window's edge; then the title gets smaller until the name fits its line.
// `scale` is how much the window has been enlarged for the desktop's font size. The name keeps a
// twentieth of the line spare: on a high-density screen the text is hinted at its larger size in
// device pixels and can come out a little wider than measured here.
// Every size tried is a font of its own that the font database must find and load; smaller
// text never needs more room, so a binary search finds the largest size that fits with a third
// of the loads of trying every size from the largest down.
void TForm3::fitTitle(qreal scale) {
    const int nameRoom = m_ui.Label1->width() * 19 / 20;
    const auto fits = [&](int pixels) {
        m_ui.Label1->setFont(textFont(pixels));
        const bool nameFits =
            m_ui.Label1->fontMetrics().horizontalAdvance(kProgramName) <= nameRoom;
        return nameFits &&
               m_ui.Label1->heightForWidth(m_ui.Label1->width()) <= m_ui.Label1->height();
    };
    int low = qRound(kSmallestTitlePixels * scale);
    int high = qRound(kTitlePixels * scale);
    // When even the smallest size does not fit, the title keeps the smallest.
    int best = low;
    while (low <= high) {
        const int middle = (low + high) / 2;
        if (fits(middle)) {
            best = middle;
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    m_ui.Label1->setFont(textFont(best));
}

void TForm3::showEvent(QShowEvent* event) {
    // Centred on the screen (the owner's screen when there is an owner), every time it opens.
    if (!event->spontaneous()) {
        const QScreen* target = parentWidget() != nullptr ? parentWidget()->screen() : screen();
        if (target != nullptr) {
            const QRect area = target->availableGeometry();
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
        // The title is fitted to the font it is drawn in, and the links to their credits.
        fitTitle(m_scale);
        placeLink(m_ui.Label3, m_ui.Label2, m_scale);
        placeLink(m_ui.Label5, m_ui.Label4, m_scale);
        // "OK" has the focus, so that Enter closes the window rather than starting a mail.
        m_ui.Button1->setFocus(Qt::OtherFocusReason);
    }
    QDialog::showEvent(event);
}

}  // namespace tavrel
