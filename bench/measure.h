#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace tavrel {

// Runs `then` once `window` has been painted for the first time and the event loop has nothing
// left to do (it is about to wait for new events). Both the program and the baseline it is
// compared with use this, so they are measured to the same point. When no paint comes within
// ten seconds the run reports that on stderr and ends with status 3.
void whenShownAndIdle(QWidget& window, std::function<void()> then);

// Prints one line about a measurement run on stderr, prefixed with the program's name, so the
// comparison script can show what was measured.
void reportMeasurement(const QString& text);

}  // namespace tavrel
