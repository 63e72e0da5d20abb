#include "question.h"

#include <QApplication>
#include <QMessageBox>

namespace tavrel {

bool MessageBoxQuestion::ask(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, QApplication::applicationDisplayName(), text,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace tavrel
