#include "messagereporter.h"

#include <QApplication>
#include <QMessageBox>

namespace tavrel {

void MessageBoxReporter::reportError(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, QApplication::applicationDisplayName(), text);
}

}  // namespace tavrel
