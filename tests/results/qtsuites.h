#pragma once

#include <QObject>
#include <vector>

namespace tavrel::test {

QObject* makeIntervalTimerSuite();
QObject* makeSheetFileSuite();
QObject* makeResultsWindowSuite();
QObject* makeResultsEditsSuite();

inline std::vector<QObject*> makeQtSuites() {
    return {makeIntervalTimerSuite(), makeSheetFileSuite(), makeResultsWindowSuite(),
            makeResultsEditsSuite()};
}

}  // namespace tavrel::test
