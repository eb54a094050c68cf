#pragma once
// What an exercise screen may ask of the program around it. The exercise host implements it;
// screen tests hand in a fake. Screens never reach the host or the main menu through globals.

#include "utils/Random.h"

#include <QDate>
#include <QPixmap>
#include <QString>

class QWidget;
class TVelBelka;
class TVelResButton;
struct LearnerSettings;
struct TUser;
namespace Course {
struct TElement;
}

class IExerciseHost
{
public:
    virtual ~IExerciseHost() = default;

    // The shared pictures of the common buttons and marks ("IMG_Sprawdz", "IMG_JeszczeRaz",
    // "IMG_OK", "IMG_Zle", "IMG_Glosnik" ...); null when the skin has none.
    virtual QPixmap Picture(const QString &imageName) const = 0;
    // state: 1 normal, 2 hot, 3 pressed; any other does nothing.
    virtual void SetButtonGlyph(TVelResButton *button, const QString &imageName, int state = 1) = 0;
    // The learner in the title bar, and the standard pictures of the screen's listen, check
    // and analyser buttons.
    virtual void SetupExerciseTitleBar(TVelBelka *bar) = 0;

    // Adds the navigation bar (numbered package buttons, help, back, dictionary, minimise, close).
    virtual void RegisterExerciseScreen(QWidget *screen, int buttonSet) = 0;
    // Records the score the screen's Panel_Wynik shows, once (its tag marks it recorded).
    virtual void RecordExerciseResult(QWidget *screen) = 0;

    // The session: the learner, their settings, the day and the program's random source.
    virtual const TUser &LoggedInUser() const = 0;
    virtual const LearnerSettings &Settings() const = 0;
    virtual QDate Today() const = 0;
    virtual Utils::RandomPick Random() = 0;
    // First-use notice 7, 8 or 9, shown once per learner.
    virtual void ShowFirstUseNotice(int notice) = 0;

    // The package the screen's exercise belongs to, or null.
    virtual const Course::TElement *CurrentPackage() const = 0;
};
