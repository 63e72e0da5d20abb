#pragma once

#include <QObject>
#include <vector>

namespace tavrel::test {

QObject* makeIntervalTimerSuite();
QObject* makeResultsWindowSuite();
QObject* makeResultsEditsSuite();
QObject* makeResultsHistorySuite();

inline std::vector<QObject*> makeQtSuites() {
    return {makeIntervalTimerSuite(), makeResultsWindowSuite(), makeResultsEditsSuite(),
            makeResultsHistorySuite()};
}

}  // namespace tavrel::test
