#pragma once
// The course inspector's check of gap-typing bodies (kind 4).

#include <QString>
#include <QStringList>

namespace Inspector {

// Gap texts without gaps, unclosed "<", bad tab tags, gaps with an empty first answer and
// missing pictures of Gfx\Wpis_gfx. A file that cannot be opened is reported by the scan.
void CheckGapTypingBody(const QString &exercisePath, QStringList &problems);

} // namespace Inspector
