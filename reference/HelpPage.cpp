#include "reference/HelpPage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace Reference {

QByteArray DeclaredCharset(const QByteArray &html)
{
    // Only the head can declare it; printed pages write the attribute with stray quotes
    // (content="text/html; charset="ISO-8859-2"), so the value is read loosely.
    static const QRegularExpression pattern(u"charset\\s*=\\s*[\"']?\\s*([A-Za-z0-9_.:-]+)"_s,
                                            QRegularExpression::CaseInsensitiveOption);
    const QString head = QString::fromLatin1(html.left(4096));
    const QRegularExpressionMatch m = pattern.match(head);
    return m.hasMatch() ? m.captured(1).toLatin1() : QByteArray();
}

QString DecodeHtmlPage(const QByteArray &html)
{
    if (html.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(html.mid(3));
    const QByteArray charset = DeclaredCharset(html);
    if (!charset.isEmpty()) {
        QStringDecoder declared(charset.constData());
        if (declared.isValid())
            return declared(html);
    }
    QStringDecoder cp1250("windows-1250");
    return cp1250(html);
}

QString DropMissingPictures(const QString &html, const QString &folder)
{
    static const QRegularExpression block(u"<!--shot-->(.*?)<!--/shot-->"_s,
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression source(u"<img[^>]*\\bsrc\\s*=\\s*\"([^\"]+)\""_s,
                                           QRegularExpression::CaseInsensitiveOption);
    QString out;
    out.reserve(html.size());
    qsizetype from = 0;
    for (auto it = block.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(html).mid(from, m.capturedStart() - from);
        const QRegularExpressionMatch img = source.match(m.captured(1));
        if (!img.hasMatch() || QFileInfo::exists(QDir(folder).filePath(img.captured(1))))
            out += m.captured(1);
        from = m.capturedEnd();
    }
    out += QStringView(html).mid(from);
    return out;
}

QString ReadHelpPage(const QString &path, bool *found)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        if (found)
            *found = true;
        return DropMissingPictures(DecodeHtmlPage(file.readAll()), QFileInfo(path).absolutePath());
    }
    if (found)
        *found = false;
    const QString name = QFileInfo(path).fileName().toHtmlEscaped();
    return u"<html><body style=\"font-family: Tahoma; font-size: 11pt;\">"
           u"<h2 style=\"color: #3a6fa8;\">Nie znaleziono strony pomocy</h2>"
           u"<p>Strona <b>"_s +
           name +
           u"</b> nie jest dostępna w tej instalacji programu.</p>"
           u"<p>Wróć do <a href=\"h_index.html\">spisu treści pomocy</a>, aby wybrać inny temat.</p>"
           u"</body></html>"_s;
}

} // namespace Reference
