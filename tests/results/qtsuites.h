#pragma once

#include <QObject>
#include <vector>

namespace tavrel::test {

QObject* makeIntervalTimerSuite();
QObject* makeResultsWindowSuite();
QObject* makeResultsEditsSuite();

inline std::vector<QObject*> makeQtSuites() {
    return {makeIntervalTimerSuite(), makeResultsWindowSuite(), makeResultsEditsSuite()};
}

}  // namespace tavrel::test
