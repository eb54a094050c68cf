#pragma once
// The progress window as the long steps see it (catalogue scan, statistics load).
// Core code only talks to this interface; the program passes its TfrmProgress.

#include <QString>

namespace Utils {

class IProgress
{
public:
    virtual ~IProgress() = default;
    // Remembers maximum, sets the caption, empties the bar and shows the window at once.
    virtual void ShowProgress(int maximum, const QString &caption) = 0;
    // Moves the bar to position / maximum; nothing when the maximum is 0 or less.
    virtual void StepProgress(int position) = 0;
    // Hides the window until the next ShowProgress.
    virtual void Close() = 0;
};

} // namespace Utils
