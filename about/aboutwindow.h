#pragma once

#include <QDialog>

#include "linkopener.h"

class QLabel;
class QPushButton;

namespace tavrel {

class TASLink;

// The about window: title and version, two credit lines with mail links, and "OK". The owner
// opens it modally with exec(); it is created once and reused.
class TForm3 : public QDialog {
    Q_OBJECT

public:
    // An empty opener means the desktop's own (desktopOpener).
    explicit TForm3(QWidget* parent = nullptr, LinkOpener opener = {});

    // "(mail me!)" and "(mail him)": start a mail to the credit's address.
    void Label3Click();
    void Label5Click();
    // "OK": close the window.
    void Button1Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void mailTo(const QString& address);
    void fitTitle();

    bool m_titleFitted = false;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    TASLink* ASLink1 = nullptr;
    QPushButton* Button1 = nullptr;
};

}  // namespace tavrel
