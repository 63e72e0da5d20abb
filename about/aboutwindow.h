#pragma once

#include <QDialog>

#include "linkopener.h"

class QLabel;
class QPushButton;

namespace tavrel {

class LinkLabel;
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
    void showEvent(QShowEvent* event) override;

private:
    void mailTo(const QString& address);
    void fitTitle(qreal scale);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    LinkLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    LinkLabel* Label5 = nullptr;
    TASLink* ASLink1 = nullptr;
    QPushButton* Button1 = nullptr;
};

}  // namespace tavrel
