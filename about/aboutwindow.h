#pragma once

#include <QDialog>

#include "linkopener.h"

class QLabel;
class QPushButton;

namespace tavrel {

class LinkLabel;
class TASLink;

// The about window's controls, each in the field of its object name.
struct AboutControls {
    QLabel* Label1 = nullptr;        // the title: the program's name, and its version below
    QLabel* Label2 = nullptr;        // the first credit
    LinkLabel* Label3 = nullptr;     // "(mail me!)"
    QLabel* Label4 = nullptr;        // the second credit
    LinkLabel* Label5 = nullptr;     // "(mail him)"
    TASLink* ASLink1 = nullptr;      // never shown: it hands the "mailto:" address to the desktop
    QPushButton* Button1 = nullptr;  // "OK"
};

// The about window: title and version, two credit lines with mail links, and "OK". The owner
// opens it modally with exec(); it is created once and reused.
class TForm3 : public QDialog {
    Q_OBJECT

public:
    // An empty opener means the desktop's own (desktopOpener). `scale` enlarges the window and
    // its fonts for a desktop font larger than the 8 points the window was laid out for (see
    // fontScale); 1 builds it as drawn.
    explicit TForm3(QWidget* parent = nullptr, LinkOpener opener = {}, qreal scale = 1.0);

    // "(mail me!)" and "(mail him)": start a mail to the credit's address.
    void Label3Click();
    void Label5Click();
    // "OK": close the window.
    void Button1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void mailTo(const QString& address);
    void fitTitle(qreal scale);

    AboutControls m_ui;
    qreal m_scale;  // how much the window is enlarged for the desktop's font size
};

}  // namespace tavrel
