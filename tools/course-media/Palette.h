#pragma once
// The colours every picture of the course is built from, around the two blues of the skin.

#include <QColor>

namespace CourseMedia::Palette {

inline const QColor Sky{2, 174, 228};   // the light blue of the skin
inline const QColor Navy{6, 54, 99};    // the dark blue of the skin
inline const QColor Ocean{3, 112, 168}; // between the two
inline const QColor Mist{234, 246, 252};
inline const QColor Ice{208, 236, 249};
inline const QColor White{255, 255, 255};
inline const QColor Ink{33, 43, 54};
inline const QColor Sun{255, 196, 61};
inline const QColor Coral{247, 108, 94};
inline const QColor Leaf{76, 175, 110};
inline const QColor Wood{166, 112, 70};
inline const QColor Sand{241, 214, 160};
inline const QColor Stone{150, 160, 172};

} // namespace CourseMedia::Palette
