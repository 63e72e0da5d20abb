#pragma once

#include <QString>

class QWidget;

namespace tavrel {

// Asks the user something that Yes or No answers. A seam, so that tests never open a message
// box.
class Question {
public:
    virtual ~Question() = default;
    // Whether the answer was Yes.
    virtual bool ask(QWidget* parent, const QString& text) = 0;
};

// The program's question box: modal over the window, titled with the application's name. No is
// the default, so that Enter pressed in haste changes nothing.
class MessageBoxQuestion final : public Question {
public:
    bool ask(QWidget* parent, const QString& text) override;
};

}  // namespace tavrel
