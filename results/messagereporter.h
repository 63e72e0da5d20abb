#pragma once

#include <QString>

class QWidget;

namespace tavrel {

// Tells the user about an error. A seam, so that tests never open a message box.
class MessageReporter {
public:
    virtual ~MessageReporter() = default;
    virtual void reportError(QWidget* parent, const QString& text) = 0;
};

// The program's error box: modal over the window, titled with the application's name.
class MessageBoxReporter final : public MessageReporter {
public:
    void reportError(QWidget* parent, const QString& text) override;
};

}  // namespace tavrel
