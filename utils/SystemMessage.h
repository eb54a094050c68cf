#pragma once
// The plain system message box ("Błąd", error icon) used for file problems and load faults.
// Core code only reports through this hook; the program installs a real message box at
// start-up and tests install a recorder, so nothing here needs a display.

#include <QString>
#include <functional>

namespace Utils {

using SystemErrorHandler = std::function<void(const QString &caption, const QString &text)>;

// Shows text with the error icon and the caption "Błąd" (or the caption given).
void ShowSystemError(const QString &text, const QString &caption = QStringLiteral("Błąd"));

// Installs the handler; an empty handler restores the default (standard error).
void SetSystemErrorHandler(SystemErrorHandler handler);

} // namespace Utils
