#pragma once
// What a learner must never read on a screen: a skinned control showing its class's designed
// caption ("VelResButton", "AntiAliasLabel", "VelCheckBox") or nothing where it shows text.

#include "skin/AALabel.h"
#include "skin/VelBelka.h"
#include "skin/VelCheckBox.h"
#include "skin/VelDialogWindow.h"
#include "skin/VelResButton.h"

#include <QAbstractButton>
#include <QLabel>
#include <QStringList>
#include <QWidget>

namespace CaptionCheck {

inline QString Describe(const QWidget *screen, const QWidget *control, const QString &caption)
{
    return screen->objectName() + u'.' + control->objectName() + u" = \"" + caption + u'"';
}

inline bool Placeholder(const QString &caption)
{
    static const QStringList designed{QStringLiteral("VelResButton"), QStringLiteral("AntiAliasLabel"),
                                      QStringLiteral("VelCheckBox"), QStringLiteral("TextLabel")};
    return caption.trimmed().isEmpty() || designed.contains(caption.trimmed());
}

// A text that is the name of the control's class ("TVelResButton" or "VelResButton", "QLabel"):
// a caption nobody set.
inline bool ClassName(const QWidget *control, const QString &caption)
{
    const QString text = caption.trimmed();
    for (const QMetaObject *meta = control->metaObject(); meta; meta = meta->superClass()) {
        const QString name = QString::fromLatin1(meta->className());
        if (text == name ||
            (name.size() > 1 && (name.front() == u'T' || name.front() == u'Q') && text == name.mid(1)))
            return true;
    }
    return false;
}

// Every visible control of screen (and of its child windows that are shown) whose caption is
// a placeholder, as "screen.control = "caption"".
inline QStringList Problems(const QWidget *screen)
{
    QStringList problems;
    if (!screen || !screen->isVisible())
        return problems;
    for (const auto *button : screen->findChildren<TVelResButton *>()) {
        if (button->isVisible() && button->ShowCaption() &&
            (Placeholder(button->Caption()) || ClassName(button, button->Caption())))
            problems << Describe(screen, button, button->Caption());
    }
    for (const auto *label : screen->findChildren<TAALabel *>()) {
        if (label->isVisible() && Placeholder(label->Caption()))
            problems << Describe(screen, label, label->Caption());
    }
    for (const auto *box : screen->findChildren<TVelCheckBox *>()) {
        if (box->isVisible() && Placeholder(box->Caption()))
            problems << Describe(screen, box, box->Caption());
    }
    for (const auto *window : screen->findChildren<TVelDialogWindow *>()) {
        if (window->isVisible() && Placeholder(window->Caption()))
            problems << Describe(screen, window, window->Caption());
    }
    // Plain labels and buttons may be empty (pictures, spacers) but never show a class name;
    // the skinned ones draw their Caption, checked above, not their text.
    for (const auto *label : screen->findChildren<QLabel *>()) {
        if (label->isVisible() && (ClassName(label, label->text()) || label->text() == u"TextLabel"))
            problems << Describe(screen, label, label->text());
    }
    for (const auto *button : screen->findChildren<QAbstractButton *>()) {
        if (qobject_cast<const TVelResButton *>(button) || qobject_cast<const TVelCheckBox *>(button))
            continue;
        if (button->isVisible() && (ClassName(button, button->text()) || button->text() == u"PushButton"))
            problems << Describe(screen, button, button->text());
    }
    for (const auto *bar : screen->findChildren<TVelBelka *>()) {
        if (bar->isVisible() && bar->PokazZalogowanie() && Placeholder(bar->TekstBelki()))
            problems << Describe(screen, bar, bar->TekstBelki());
    }
    return problems;
}

} // namespace CaptionCheck
