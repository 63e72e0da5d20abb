#pragma once

// Checks that screen readers, keyboard users and people with large fonts can use a window.

#include <QStringList>

class QWidget;

namespace tavrel::test {

// The controls of `window` (buttons, boxes, fields, lists, drop-downs, groups, links) that have
// no name of their own for assistive technology, as "objectName (class)" lines. A caption, an
// accessible name or a label that names the control as its buddy counts; the title of the
// surrounding group or the current entry of a drop-down, which Qt would fall back to, does not.
QStringList unnamedControls(QWidget* window);

// Pairs of controls of `window`, both showing, that a screen reader announces alike: the same
// role, name and description.
QStringList alikeControls(QWidget* window);

// What a window's layout does on purpose that the checks below would otherwise report.
struct LayoutExceptions {
    QStringList neverShown;          // object names of controls that are never shown
    QList<QStringList> overlapping;  // pairs of object names that overlap by design
};

// The controls of `window` whose caption does not fit inside them, or that stick out of their
// parent, each with what was cut: "Button1: caption 'Generate!' needs 70 x 14, has 60 x 14".
// Hidden controls are checked too, since the window shows them later. Controls showing at the
// same time must not overlap.
QStringList clippedTexts(QWidget* window, const LayoutExceptions& exceptions = {});

// A short description of a widget for failure messages: its object name, else its text.
QString describe(const QWidget* widget);

}  // namespace tavrel::test
