#pragma once
// Help pages and printed pages as the program stores them: 8-bit HTML that names its own
// character set, or Windows-1250 when it names none.

#include <QByteArray>
#include <QString>

namespace Reference {

// The character set named by a page's meta tag ("charset=…"), or empty.
QByteArray DeclaredCharset(const QByteArray &html);
// The page as text: decoded by its declared character set when Qt knows it, else Windows-1250.
QString DecodeHtmlPage(const QByteArray &html);
// Removes each "<!--shot-->…<!--/shot-->" block whose picture (relative to folder) does not
// exist, so that a page reads well before its screenshots are rendered.
QString DropMissingPictures(const QString &html, const QString &folder);
// Reads the page at path (pictures dropped as above); a missing or unreadable page gives a short page saying
// so, with a link to the contents ("h_index.html").
QString ReadHelpPage(const QString &path, bool *found = nullptr);

} // namespace Reference
