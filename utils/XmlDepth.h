#pragma once
// A guard against documents nested absurdly deep: the DOM parser slows down far worse than
// linearly with depth, so a reader refuses such a document before building any tree.

#include <QStringView>

namespace Utils {

inline constexpr int MaxXmlDepth = 128;

// Whether the elements of text nest no deeper than limit; a cheap scan that does not check
// well-formedness (the parser does that).
bool XmlDepthWithin(QStringView text, int limit);

} // namespace Utils
