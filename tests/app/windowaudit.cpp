#include "windowaudit.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QWidget>

namespace tavrel::test {

namespace {

// The roles of things a user operates or that group them; plain text and frames are left out.
bool isControlRole(QAccessible::Role role) {
    switch (role) {
        case QAccessible::PushButton:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::ComboBox:
        case QAccessible::EditableText:
        case QAccessible::List:
        case QAccessible::Link:
        case QAccessible::Grouping:
        case QAccessible::SpinBox:
            return true;
        default:
            return false;
    }
}

// The widgets that belong to `window` itself: not those of a window it owns, nor the inner
// parts of a drop-down or of a scrolling list or text box, which Qt names "qt_..." and which
// take their name and place from the control around them. The text field of an editable
// drop-down counts: a screen reader lands in it and reads its own name.
QList<QWidget*> ownControls(QWidget* window) {
    QList<QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool inner = w->objectName().startsWith(QLatin1String("qt_")) ||
                           (qobject_cast<QComboBox*>(w->parentWidget()) != nullptr &&
                            qobject_cast<QLineEdit*>(w) == nullptr);
        if (w->window() == window && !inner) {
            controls << w;
        }
    }
    return controls;
}

// The name a control has of its own: see unnamedControls.
QString ownName(QWidget* window, QWidget* control, QAccessibleInterface* iface) {
    if (!control->accessibleName().isEmpty()) {
        return control->accessibleName();
    }
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->buddy() == control) {
            return label->text();
        }
    }
    switch (iface->role()) {
        case QAccessible::PushButton:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::Grouping:
        case QAccessible::Link:
            return iface->text(QAccessible::Name);
        default:
            return QString();
    }
}

// Where a control paints, in its parent's coordinates. A label paints no background, only its
// text, and a line's box holds room above the capitals and below the descenders; so stacked
// labels whose boxes touch are fine as long as their letters stay apart.
QRect paintedArea(const QWidget* w) {
    const auto* label = qobject_cast<const QLabel*>(w);
    if (label == nullptr || label->autoFillBackground() || label->wordWrap()) {
        return w->geometry();
    }
    if (label->text().isEmpty()) {
        return QRect();
    }
    const QFontMetrics metrics = label->fontMetrics();
    const QRect contents = label->contentsRect();
    int top = contents.top();
    if (label->alignment() & Qt::AlignVCenter) {
        top += (contents.height() - metrics.height()) / 2;
    } else if (label->alignment() & Qt::AlignBottom) {
        top = contents.bottom() + 1 - metrics.height();
    }
    const QRect ink = metrics.tightBoundingRect(label->text());
    return ink.translated(label->x() + contents.left(), label->y() + top + metrics.ascent());
}

bool allowedOverlap(const LayoutExceptions& exceptions, const QWidget* a, const QWidget* b) {
    for (const QStringList& pair : exceptions.overlapping) {
        if (pair.contains(a->objectName()) && pair.contains(b->objectName())) {
            return true;
        }
    }
    return false;
}

QString sizeText(QSize s) {
    return QStringLiteral("%1 x %2").arg(s.width()).arg(s.height());
}

QString cut(const QWidget* w, const QString& what, QSize needs, QSize has) {
    return QStringLiteral("%1: %2 needs %3, has %4")
        .arg(describe(w), what, sizeText(needs), sizeText(has));
}

bool fits(QSize needs, QSize has) {
    return needs.width() <= has.width() && needs.height() <= has.height();
}

// The room a button's style leaves for its caption.
QRect captionRoom(const QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(button) != nullptr) {
        element = QStyle::SE_CheckBoxContents;
    } else if (qobject_cast<const QRadioButton*>(button) != nullptr) {
        element = QStyle::SE_RadioButtonContents;
    }
    return button->style()->subElementRect(element, &option, button);
}

void checkButton(const QAbstractButton* button, QStringList& found) {
    if (button->text().isEmpty()) {
        return;
    }
    const QFontMetrics metrics = button->fontMetrics();
    const QSize needs(metrics.horizontalAdvance(button->text()), metrics.height());
    const QRect room = captionRoom(button);
    if (!fits(needs, room.size())) {
        found << cut(button, QStringLiteral("caption '%1'").arg(button->text()), needs,
                     room.size());
    }
}

void checkLabel(const QLabel* label, QStringList& found) {
    if (label->text().isEmpty()) {
        return;
    }
    const QString what = QStringLiteral("text '%1'").arg(label->text());
    if (label->wordWrap()) {
        const int needed = label->heightForWidth(label->width());
        if (needed > label->height()) {
            found << cut(label, what, QSize(label->width(), needed), label->size());
        }
    } else if (!fits(label->sizeHint(), label->size())) {
        found << cut(label, what, label->sizeHint(), label->size());
    }
}

void checkGroupTitle(const QGroupBox* box, QStringList& found) {
    if (box->title().isEmpty()) {
        return;
    }
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    option.lineWidth = 1;
    const QRect label =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    // The style sizes the title's rectangle from the text itself; what can go wrong is a title
    // longer than its box.
    if (!box->rect().contains(label)) {
        found << cut(box, QStringLiteral("title '%1'").arg(box->title()), label.size(),
                     label.intersected(box->rect()).size());
    }
}

}  // namespace

QString describe(const QWidget* widget) {
    if (!widget->objectName().isEmpty()) {
        return widget->objectName();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return QStringLiteral("'%1'").arg(button->text());
    }
    return QString::fromLatin1(widget->metaObject()->className());
}

QStringList unnamedControls(QWidget* window) {
    QStringList found;
    for (QWidget* w : ownControls(window)) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        if (iface == nullptr || !isControlRole(iface->role())) {
            continue;
        }
        if (ownName(window, w, iface).trimmed().isEmpty()) {
            found << QStringLiteral("%1 (%2)").arg(
                describe(w), QString::fromLatin1(w->metaObject()->className()));
        }
    }
    return found;
}

QStringList alikeControls(QWidget* window) {
    struct Heard {
        QWidget* control;
        QString words;
    };
    QList<Heard> heard;
    QStringList found;
    for (QWidget* w : ownControls(window)) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        if (iface == nullptr || !isControlRole(iface->role()) || !w->isVisibleTo(window)) {
            continue;
        }
        // What a screen reader says, which does not tell capitals apart.
        const QString words = QStringLiteral("%1 | %2 | %3")
                                  .arg(iface->role())
                                  .arg(iface->text(QAccessible::Name).toCaseFolded(),
                                       iface->text(QAccessible::Description).toCaseFolded());
        for (const Heard& other : heard) {
            if (other.words == words) {
                found << QStringLiteral("%1 and %2 both read '%3'")
                             .arg(describe(other.control), describe(w),
                                  iface->text(QAccessible::Name));
            }
        }
        heard.push_back({w, words});
    }
    return found;
}

QStringList clippedTexts(QWidget* window, const LayoutExceptions& exceptions) {
    QStringList found;
    QList<QWidget*> shown;
    for (QWidget* w : ownControls(window)) {
        if (exceptions.neverShown.contains(w->objectName())) {
            continue;
        }
        if (w->isVisibleTo(window)) {
            shown << w;
        }
        const QWidget* parent = w->parentWidget();
        if (parent != nullptr && !parent->rect().contains(w->geometry())) {
            found << QStringLiteral("%1: at %2,%3 %4 sticks out of %5 (%6)")
                         .arg(describe(w))
                         .arg(w->x())
                         .arg(w->y())
                         .arg(sizeText(w->size()), describe(parent), sizeText(parent->size()));
        }
        if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            checkButton(button, found);
        } else if (const auto* label = qobject_cast<const QLabel*>(w)) {
            checkLabel(label, found);
        } else if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
            checkGroupTitle(box, found);
        }
    }
    // Controls showing at the same time do not cover each other.
    for (qsizetype i = 0; i < shown.size(); ++i) {
        for (qsizetype j = i + 1; j < shown.size(); ++j) {
            const QWidget* a = shown[i];
            const QWidget* b = shown[j];
            if (a->parentWidget() == b->parentWidget() &&
                paintedArea(a).intersects(paintedArea(b)) && !allowedOverlap(exceptions, a, b)) {
                found << QStringLiteral("%1 and %2 overlap").arg(describe(a), describe(b));
            }
        }
    }
    return found;
}

}  // namespace tavrel::test
