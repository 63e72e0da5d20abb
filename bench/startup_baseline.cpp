// The floor the program's start-up is measured against: a Qt program that shows one dialog with
// about as many widgets as the options window (59 with the window itself: group boxes, radio
// buttons, check boxes, buttons, a panel and labels) and none of the program's own work, then
// quits as soon as the dialog has been painted and the event loop is idle: the same rule
// `measured_tavrel startup` applies to the program.
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <utility>

#include "measure.h"

namespace {

QGroupBox* group(QDialog& dialog, const QString& title) {
    auto* box = new QGroupBox(title, &dialog);
    new QVBoxLayout(box);
    return box;
}

template <typename Widget>
void fill(QGroupBox* box, const QString& caption, int count) {
    for (int i = 1; i <= count; ++i) {
        box->layout()->addWidget(new Widget(caption.arg(i), box));
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Start-up baseline"));

    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Start-up baseline"));
    auto* grid = new QGridLayout(&dialog);

    // 7 group boxes, 28 radio buttons (8 of them on a panel), 10 check boxes, 9 labels and 3
    // buttons: 58 widgets in the dialog, 59 with it, as many as the options window has.
    const std::pair<const char*, int> radioGroups[] = {{"Race", 6}, {"Gender", 2}, {"Level", 3},
                                                       {"Law", 3},  {"Good", 3},   {"Dice", 3}};
    int column = 0;
    for (const auto& [title, count] : radioGroups) {
        QGroupBox* box = group(dialog, QString::fromLatin1(title));
        fill<QRadioButton>(box, QStringLiteral("Choice %1"), count);
        grid->addWidget(box, 0, column++);
    }
    QGroupBox* classes = group(dialog, QStringLiteral("Classes"));
    fill<QCheckBox>(classes, QStringLiteral("Class %1"), 9);
    auto* panel = new QFrame(classes);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* schools = new QGridLayout(panel);
    for (int i = 0; i < 8; ++i) {
        schools->addWidget(new QRadioButton(QStringLiteral("School %1").arg(i + 1), panel), i % 4,
                           i / 4);
    }
    classes->layout()->addWidget(panel);
    grid->addWidget(classes, 1, 0, 1, 3);
    for (int i = 0; i < 9; ++i) {
        grid->addWidget(new QLabel(QStringLiteral("Label %1").arg(i + 1), &dialog), 1 + i / 3,
                        3 + i % 3);
    }
    grid->addWidget(new QCheckBox(QStringLiteral("Lift"), &dialog), 4, 0);
    int row = 4;
    for (const char* caption : {"Go", "About", "Exit"}) {
        grid->addWidget(new QPushButton(QString::fromLatin1(caption), &dialog), row++, 5);
    }

    tavrel::whenShownAndIdle(dialog, [&dialog] {
        const auto widgets = dialog.findChildren<QWidget*>().size() + 1;
        tavrel::reportMeasurement(QStringLiteral("dialog shown and idle, %1 widgets").arg(widgets));
        QApplication::quit();
    });
    dialog.show();
    return QApplication::exec();
}
