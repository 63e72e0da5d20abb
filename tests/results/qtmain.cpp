#include <QApplication>
#include <QTest>

#include "qtsuites.h"

// The window tests share one application object; each suite runs in turn and any failure fails
// the whole run.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Tavrel Second Edition Character Generator"));
    int failures = 0;
    for (QObject* suite : tavrel::test::makeQtSuites()) {
        failures += QTest::qExec(suite, argc, argv);
        delete suite;
    }
    return failures == 0 ? 0 : 1;
}
