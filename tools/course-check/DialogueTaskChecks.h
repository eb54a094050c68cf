#pragma once
// The course checker's look at dialogues played as comprehension (kind 14) and completion
// (kind 18), standing alone or as items of a dialogue package.

namespace Inspector {

// Registers the checks of kinds 14 and 18 with RegisterBodyCheck.
void RegisterDialogueTaskChecks();

} // namespace Inspector
