#pragma once

// Checks that screen readers, keyboard users and people with large fonts can use a window.

#include <QStringList>

class QWidget;

namespace tavrel::test {

// The controls of `window` (buttons, boxes, fields, lists, drop-downs, groups, links) that
// assistive technology would announce without a name, as "objectName (class)" lines.
QStringList unnamedControls(QWidget* window);

// The controls of `window` whose caption does not fit inside them, or that stick out of their
// parent, each with what was cut: "Button1: caption 'Generate!' needs 70 x 14, has 60 x 14".
// Hidden controls are checked too, since the window shows them later, except those named in
// `neverShown`. Controls showing at the same time must not overlap.
QStringList clippedTexts(QWidget* window, const QStringList& neverShown = {});

// A short description of a widget for failure messages: its object name, else its text.
QString describe(const QWidget* widget);

}  // namespace tavrel::test
