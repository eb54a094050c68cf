#pragma once
// The course inspector's checks of the word-tile bodies: matching pairs (kind 7), table
// sorting (kind 1) and word ordering (kind 50), with the pictures shown under the first two.

namespace Inspector {

// Registers the three checks with RegisterBodyCheck.
void RegisterWordTileChecks();

} // namespace Inspector
