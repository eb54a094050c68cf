#pragma once
// The answer box pictures of the word screens ("Stan_0", "Stan_1"): an empty box and a box
// with a tick, 23 pixels square.

#include <QPixmap>

constexpr int AnswerBoxSize = 23;

QPixmap AnswerBoxPicture(bool ticked);
