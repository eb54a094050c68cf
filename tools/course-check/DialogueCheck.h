#pragma once
// The course inspector's checks of dialogue bodies: the dialogue kinds and the dialogue
// packages (variant 2), whose items all play the package file itself.

namespace Inspector {

void RegisterDialogueChecks();

} // namespace Inspector
