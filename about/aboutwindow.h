#pragma once

#include <QDialog>

#include "linkopener.h"
#include "ui_aboutwindow.h"

namespace tavrel {

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

    // The controls, as the form (aboutwindow.ui) declares them: the title, the two credits with
    // their mail links, ASLink1 (never shown: it hands the "mailto:" address to the desktop) and
    // "OK".
    Ui::TForm3 m_ui;
    qreal m_scale;  // how much the window is enlarged for the desktop's font size
};

}  // namespace tavrel
