#pragma once
// The pictures the reference windows carry themselves, drawn in code so that no design file
// needs to travel with them.

#include <QImage>
#include <QPixmap>

namespace Reference {

// The dictionary window's emblem (Image1): an open book with "A–Ż", 110 × 96.
QPixmap DictionaryEmblem();
// The help window's emblem (Image2): a blue disc with a question mark, 128 × 128.
QPixmap HelpEmblem();
// The dictionary's small close button, 34 × 18: state 0 normal, 1 hot, 2 pressed.
QImage CloseGlyph(int state);

} // namespace Reference
