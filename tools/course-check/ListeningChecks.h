#pragma once
// The checks of the listen-and-choose bodies: true/false groups (31), three pictures (8)
// and uncovering (52).

namespace Inspector {

// Registers the three kinds' body checks with the inspector.
void RegisterListeningChecks();

} // namespace Inspector
