#pragma once
// What a course author should hear about a dialogue played as comprehension (kind 14) or
// completion (kind 18), beyond what InspectDialogue says of every dialogue body. GUI-free.

#include <QByteArray>
#include <QList>
#include <QStringList>

// For kind 14: a first tryb_znikania outside 1-3 (no line is hidden), or mode 1 with no line
// marked visible="0". For kind 18: a second tryb_znikania outside 1-3 (every line empty), a
// dialogue that leaves no slot, an empty gap "<>", and in modes 2 and 3 a line whose author
// gaps (or words without letters) leave no room for the random gaps its length calls for.
// An unreadable file or a mode that is no number says nothing here: InspectDialogue reports it.
QStringList InspectDialogueTasks(const QByteArray &bytes, const QList<int> &kinds);
