#include "learner/StatisticsFile.h"

#include <QSet>
#include <QVarLengthArray>

#include <climits>

namespace Learner {

namespace {

const char *const ChildNames[StatisticsRecord::ChildCount] = {"data", "postep", "czas", "datapowtorka",
                                                              "posteppowtorka"};

const QString EmptyText = QStringLiteral("<?xml version=\"1.0\"?><cwiczenia></cwiczenia>\r\n");

bool isSpace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isNameStart(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_' || c == u':' ||
           (c >= 0xC0 && c != 0xD7 && c != 0xF7);
}

bool isNameChar(char16_t c)
{
    return isNameStart(c) || (c >= u'0' && c <= u'9') || c == u'-' || c == u'.' || c == 0xB7;
}

bool isXmlChar(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

bool toInteger(const QString &text, int &value)
{
    bool ok = false;
    value = text.trimmed().toInt(&ok);
    return ok;
}

} // namespace

// The reader: a strict, non-recursive scan of the XML the statistics file may hold
// (declaration, comments, processing instructions, a document type without internal
// subset, elements, attributes, character data, CDATA and the predefined and numeric
// references). It fills the file's places as it goes.
class StatisticsScanner
{
public:
    StatisticsScanner(StatisticsFile &file) : f(file), text(file.m_text) {}

    bool Run(QString *error)
    {
        begin = text.constData();
        p = begin;
        end = begin + text.size();
        // Only the text before a character XML does not allow is read; the records there
        // are kept, and the file is reported damaged at that character.
        const QChar *bad = firstBadCharacter();
        end = bad;
        const bool read = prolog() && elements() && epilog();
        if (read && bad == begin + text.size())
            return true;
        if (error) {
            if (reason.isEmpty() || bad < begin + text.size()) {
                p = bad;
                end = begin + text.size();
                reason = where(QStringLiteral("niedozwolony znak"));
            }
            *error = reason;
        }
        return false;
    }

private:
    struct Open
    {
        QString Name;
        int Role; // what the element is to the statistics
        int Child;
    };
    enum Role { Other, Root, Plik, Dane, Value };

    QString where(const QString &what) const
    {
        const qsizetype offset = qMin(p, end) - begin;
        const qsizetype lineStart = offset > 0 ? text.lastIndexOf(QLatin1Char('\n'), offset - 1) + 1 : 0;
        const qsizetype line = QStringView(text).left(offset).count(QLatin1Char('\n')) + 1;
        return QStringLiteral("%1 w wierszu %2, kolumnie %3").arg(what).arg(line).arg(offset - lineStart + 1);
    }
    bool fail(const QString &what)
    {
        if (reason.isEmpty())
            reason = p >= end ? QStringLiteral("plik się urywa") : where(what);
        return false;
    }
    bool failHere() { return fail(QStringLiteral("niepoprawny zapis XML")); }

    bool startsWith(const char *s) const
    {
        const QChar *q = p;
        for (; *s; ++s, ++q)
            if (q >= end || q->unicode() != char16_t(uchar(*s)))
                return false;
        return true;
    }
    void skipSpace()
    {
        while (p < end && isSpace(p->unicode()))
            ++p;
    }
    bool name(QString *out)
    {
        const QChar *start = p;
        if (p >= end || !isNameStart(p->unicode()))
            return failHere();
        while (p < end && isNameChar(p->unicode()))
            ++p;
        if (out)
            *out = QString(start, p - start);
        return true;
    }

    const QChar *firstBadCharacter() const
    {
        for (const QChar *q = begin; q < end; ++q) {
            const char16_t c = q->unicode();
            if (c >= 0x20 && c < 0xD800)
                continue;
            if (QChar::isHighSurrogate(c) && q + 1 < end && q[1].isLowSurrogate()) {
                ++q;
                continue;
            }
            if (!isXmlChar(c) || QChar::isSurrogate(c))
                return q;
        }
        return end;
    }

    // "<!--" already seen at p.
    bool comment()
    {
        p += 4;
        for (; p + 2 < end; ++p)
            if (p[0] == u'-' && p[1] == u'-') {
                if (p[2] != u'>')
                    return fail(QStringLiteral("niepoprawny komentarz"));
                p += 3;
                return true;
            }
        p = end;
        return failHere();
    }
    // "<?" already seen at p.
    bool instruction()
    {
        p += 2;
        QString target;
        if (!name(&target))
            return false;
        if (target.compare(QLatin1String("xml"), Qt::CaseInsensitive) == 0)
            return fail(QStringLiteral("deklaracja XML nie na początku pliku"));
        for (; p + 1 < end; ++p)
            if (p[0] == u'?' && p[1] == u'>') {
                p += 2;
                return true;
            }
        p = end;
        return failHere();
    }

    bool prolog()
    {
        if (startsWith("<?xml") && (p + 5 < end) && (isSpace(p[5].unicode()) || p[5] == u'?')) {
            for (p += 5; p + 1 < end; ++p)
                if (p[0] == u'?' && p[1] == u'>')
                    break;
            if (p + 1 >= end)
                return failHere();
            p += 2;
        }
        bool doctype = false;
        for (;;) {
            skipSpace();
            if (startsWith("<!--")) {
                if (!comment())
                    return false;
            } else if (startsWith("<?")) {
                if (!instruction())
                    return false;
            } else if (startsWith("<!DOCTYPE") && !doctype) {
                doctype = true;
                for (p += 9; p < end && *p != u'>'; ++p)
                    if (*p == u'[')
                        return fail(QStringLiteral("deklaracje typu dokumentu nie są obsługiwane"));
                if (p >= end)
                    return failHere();
                ++p;
            } else {
                break;
            }
        }
        if (p >= end || *p != u'<')
            return fail(QStringLiteral("brak głównego elementu"));
        return true;
    }

    // One reference after "&"; appends what it stands for.
    bool reference(QString *out)
    {
        ++p;
        if (p < end && *p == u'#') {
            ++p;
            const bool hex = p < end && *p == u'x';
            if (hex)
                ++p;
            char32_t value = 0;
            int digits = 0;
            for (; p < end && *p != u';'; ++p, ++digits) {
                const char16_t c = p->unicode();
                int d = -1;
                if (c >= u'0' && c <= u'9')
                    d = c - u'0';
                else if (hex && c >= u'a' && c <= u'f')
                    d = c - u'a' + 10;
                else if (hex && c >= u'A' && c <= u'F')
                    d = c - u'A' + 10;
                if (d < 0 || value > 0x10FFFF)
                    return fail(QStringLiteral("niepoprawne odwołanie do znaku"));
                value = value * (hex ? 16 : 10) + char32_t(d);
            }
            if (p >= end || digits == 0 || !isXmlChar(value))
                return fail(QStringLiteral("niepoprawne odwołanie do znaku"));
            ++p;
            if (out) {
                if (QChar::requiresSurrogates(value)) {
                    *out += QChar(QChar::highSurrogate(value));
                    *out += QChar(QChar::lowSurrogate(value));
                } else {
                    *out += QChar(char16_t(value));
                }
            }
            return true;
        }
        static const struct
        {
            const char *name;
            char16_t c;
        } entities[] = {{"lt;", u'<'}, {"gt;", u'>'}, {"amp;", u'&'}, {"quot;", u'"'}, {"apos;", u'\''}};
        for (const auto &entity : entities)
            if (startsWith(entity.name)) {
                p += qstrlen(entity.name);
                if (out)
                    *out += QChar(entity.c);
                return true;
            }
        return fail(QStringLiteral("nieznana encja"));
    }

    // A start tag after "<"; attributes read into nazwa/id when asked for.
    bool startTag(QString &tagName, bool &selfClosing, QString *nazwa, QString *id)
    {
        ++p;
        if (!name(&tagName))
            return false;
        QVarLengthArray<QStringView, 8> seen;
        QSet<QStringView> many;
        for (;;) {
            const QChar *before = p;
            skipSpace();
            if (p >= end)
                return failHere();
            if (*p == u'>') {
                ++p;
                selfClosing = false;
                return true;
            }
            if (*p == u'/') {
                if (p + 1 >= end || p[1] != u'>')
                    return failHere();
                p += 2;
                selfClosing = true;
                return true;
            }
            if (before == p)
                return failHere(); // attributes are separated by blanks
            const QChar *nameStart = p;
            if (!name(nullptr))
                return false;
            const QStringView attribute(nameStart, p - nameStart);
            if (seen.size() < 8) {
                if (seen.contains(attribute))
                    return fail(QStringLiteral("powtórzony atrybut"));
                seen.append(attribute);
            } else {
                if (seen.contains(attribute) || many.contains(attribute))
                    return fail(QStringLiteral("powtórzony atrybut"));
                many.insert(attribute);
            }
            skipSpace();
            if (p >= end || *p != u'=')
                return failHere();
            ++p;
            skipSpace();
            if (p >= end || (*p != u'"' && *p != u'\''))
                return failHere();
            const QChar quote = *p++;
            QString *target = (nazwa && attribute == u"nazwa") ? nazwa
                              : (id && attribute == u"id")     ? id
                                                               : nullptr;
            while (p < end && *p != quote) {
                if (*p == u'<')
                    return failHere();
                if (*p == u'&') {
                    if (!reference(target))
                        return false;
                    continue;
                }
                if (target)
                    *target += isSpace(p->unicode()) ? QChar(u' ') : *p;
                ++p;
            }
            if (p >= end)
                return failHere();
            ++p;
        }
    }

    void opened(const QString &tagName, bool selfClosing, const QString &nazwa, const QString &id)
    {
        const int depth = int(stack.size());
        const int parentRole = depth ? stack.last().Role : Other;
        Open open{tagName, Other, -1};
        if (depth == 0) {
            open.Role = Root;
        } else if (depth == 1 && tagName == u"plik") {
            open.Role = Plik;
            f.m_pliks.append(StatisticsFile::PlikPlace());
            if (!f.m_firstPlik.contains(nazwa))
                f.m_firstPlik.insert(nazwa, int(f.m_pliks.size() - 1));
            plikName = nazwa;
        } else if (depth == 2 && parentRole == Plik && tagName == u"dane") {
            open.Role = Dane;
            record = StatisticsRecord();
            record.FileName = plikName;
            record.KindIsNumber = toInteger(id, record.Kind);
            place = StatisticsFile::RecordPlace();
            place.Plik = int(f.m_pliks.size() - 1);
        } else if (depth == 3 && parentRole == Dane) {
            for (int i = 0; i < StatisticsRecord::ChildCount; ++i)
                if (!record.Present[i] && tagName == QLatin1String(ChildNames[i])) {
                    open.Role = Value;
                    open.Child = i;
                    record.Present[i] = true;
                    const qsizetype at = p - begin;
                    place.Children[i] = selfClosing ? StatisticsFile::ChildPlace{at - 2, at - 2, true}
                                                    : StatisticsFile::ChildPlace{at, -1, false};
                    valueChild = selfClosing ? -1 : i;
                    break;
                }
        }
        if (selfClosing)
            closed(open, p - begin - 2, true);
        else
            stack.append(open);
    }

    // at: the place of the end tag, or of "/>".
    void closed(const Open &open, qsizetype at, bool selfClosing)
    {
        switch (open.Role) {
        case Root:
            f.m_rootEnd = at;
            f.m_rootSelfClosing = selfClosing;
            break;
        case Plik:
            f.m_pliks.last().End = at;
            f.m_pliks.last().SelfClosing = selfClosing;
            break;
        case Dane:
            place.End = at;
            place.SelfClosing = selfClosing;
            f.m_pliks[place.Plik].Records.append(int(f.m_records.size()));
            f.m_records.append(record);
            f.m_places.append(place);
            break;
        case Value:
            if (!selfClosing)
                place.Children[open.Child].End = at;
            valueChild = -1;
            break;
        default:
            break;
        }
    }

    bool elements()
    {
        do {
            if (p >= end)
                return failHere();
            if (*p == u'<') {
                if (p + 1 < end && p[1] == u'/') {
                    const qsizetype at = p - begin;
                    p += 2;
                    QString tagName;
                    if (!name(&tagName))
                        return false;
                    skipSpace();
                    if (p >= end || *p != u'>')
                        return failHere();
                    if (stack.isEmpty() || tagName != stack.last().Name)
                        return fail(QStringLiteral("znacznik końcowy nie pasuje do początkowego"));
                    ++p;
                    closed(stack.takeLast(), at, false);
                } else if (startsWith("<!--")) {
                    if (stack.isEmpty() || !comment())
                        return stack.isEmpty() ? failHere() : false;
                } else if (startsWith("<![CDATA[")) {
                    if (stack.isEmpty())
                        return failHere();
                    p += 9;
                    const QChar *start = p;
                    while (p + 2 < end && !(p[0] == u']' && p[1] == u']' && p[2] == u'>'))
                        ++p;
                    if (p + 2 >= end) {
                        p = end;
                        return failHere();
                    }
                    if (valueChild >= 0)
                        record.Values[valueChild] += QStringView(start, p - start);
                    p += 3;
                } else if (startsWith("<?")) {
                    if (stack.isEmpty() || !instruction())
                        return stack.isEmpty() ? failHere() : false;
                } else if (p + 1 < end && p[1] == u'!') {
                    return failHere();
                } else {
                    if (stack.size() >= StatisticsFile::MaxDepth)
                        return fail(QStringLiteral("zbyt głębokie zagnieżdżenie elementów"));
                    if (stack.isEmpty() && rootSeen)
                        return fail(QStringLiteral("więcej niż jeden główny element"));
                    QString tagName;
                    QString nazwa;
                    QString id;
                    bool selfClosing = false;
                    const int depth = int(stack.size());
                    if (!startTag(tagName, selfClosing, depth == 1 ? &nazwa : nullptr,
                                  depth == 2 ? &id : nullptr))
                        return false;
                    if (depth == 0) {
                        rootSeen = true;
                        if (tagName != u"cwiczenia")
                            return fail(
                                QStringLiteral("główny element <%1> zamiast <cwiczenia>").arg(tagName));
                    }
                    opened(tagName, selfClosing, nazwa, id);
                }
            } else if (stack.isEmpty()) {
                return failHere();
            } else if (*p == u'&') {
                if (!reference(valueChild >= 0 ? &record.Values[valueChild] : nullptr))
                    return false;
            } else {
                const QChar *start = p;
                while (p < end && *p != u'<' && *p != u'&') {
                    if (*p == u']' && p + 2 < end && p[1] == u']' && p[2] == u'>')
                        return fail(QStringLiteral("niedozwolone \"]]>\""));
                    ++p;
                }
                if (valueChild >= 0)
                    record.Values[valueChild] += QStringView(start, p - start);
            }
        } while (!stack.isEmpty());
        return true;
    }

    bool epilog()
    {
        for (;;) {
            skipSpace();
            if (p >= end)
                return true;
            if (startsWith("<!--")) {
                if (!comment())
                    return false;
            } else if (startsWith("<?")) {
                if (!instruction())
                    return false;
            } else {
                return fail(QStringLiteral("dane po końcu głównego elementu"));
            }
        }
    }

    StatisticsFile &f;
    const QString &text;
    const QChar *begin = nullptr;
    const QChar *p = nullptr;
    const QChar *end = nullptr;
    QString reason;
    QList<Open> stack;
    bool rootSeen = false;
    QString plikName;
    StatisticsRecord record;
    StatisticsFile::RecordPlace place;
    int valueChild = -1;
};

StatisticsFile::StatisticsFile()
{
    m_encoding.Scheme = Files::TextEncoding::Utf16LE;
    m_encoding.ByteOrderMark = true;
    m_text = EmptyText;
    StatisticsScanner(*this).Run(nullptr);
}

bool StatisticsFile::Parse(const QByteArray &bytes, QString *error)
{
    m_records.clear();
    m_places.clear();
    m_pliks.clear();
    m_firstPlik.clear();
    m_rootEnd = -1;
    m_rootSelfClosing = false;
    if (!Files::DecodeXmlText(bytes, m_text, m_encoding, error))
        return false;
    return StatisticsScanner(*this).Run(error);
}

StatisticsFile StatisticsFile::Fresh(const QList<StatisticsRecord> &records)
{
    StatisticsFile file;
    QSet<QPair<QString, int>> written; // reading takes the first record of a key
    for (const StatisticsRecord &record : records)
        if (record.KindIsNumber && !written.contains({record.FileName, record.Kind})) {
            written.insert({record.FileName, record.Kind});
            QString values[StatisticsRecord::ChildCount];
            for (int i = 0; i < StatisticsRecord::ChildCount; ++i)
                values[i] = record.Values[i];
            file.Write(record.FileName, record.Kind, values);
        }
    return file;
}

void StatisticsFile::Splice(qsizetype start, qsizetype end, const QString &with)
{
    m_text.replace(start, end - start, with);
    const qsizetype delta = with.size() - (end - start);
    const auto shift = [&](qsizetype &at) {
        if (at >= end)
            at += delta;
    };
    shift(m_rootEnd);
    for (PlikPlace &plik : m_pliks)
        shift(plik.End);
    for (RecordPlace &place : m_places) {
        shift(place.End);
        for (ChildPlace &child : place.Children) {
            shift(child.Start);
            shift(child.End);
        }
    }
}

// Turns <name .../> ending at end into <name ...></name>; returns the place of "</name>".
qsizetype StatisticsFile::OpenUp(qsizetype end, bool &selfClosing, const QString &name)
{
    if (!selfClosing)
        return end;
    Splice(end, end + 2, QStringLiteral("></") + name + QLatin1Char('>'));
    selfClosing = false;
    return end + 1;
}

QString StatisticsFile::ChildrenText(const QString (&values)[StatisticsRecord::ChildCount], qsizetype at,
                                     ChildPlace (&places)[StatisticsRecord::ChildCount]) const
{
    QString out;
    for (int i = 0; i < StatisticsRecord::ChildCount; ++i) {
        const QString name = QLatin1String(ChildNames[i]);
        out += QLatin1Char('<') + name + QLatin1Char('>');
        places[i].Start = at + out.size();
        out += Files::EscapeXml(values[i], false, m_encoding);
        places[i].End = at + out.size();
        places[i].SelfClosing = false;
        out += QStringLiteral("</") + name + QLatin1Char('>');
    }
    return out;
}

void StatisticsFile::Write(const QString &fileName, int kind,
                           const QString (&values)[StatisticsRecord::ChildCount])
{
    StatisticsRecord record;
    record.FileName = fileName;
    record.Kind = kind;
    record.KindIsNumber = true;
    for (int i = 0; i < StatisticsRecord::ChildCount; ++i) {
        record.Values[i] = values[i];
        record.Present[i] = true;
    }
    const QString daneStart = QStringLiteral("<dane id=\"%1\">").arg(kind);

    int plik = m_firstPlik.value(fileName, -1);
    if (plik < 0) {
        m_rootEnd = OpenUp(m_rootEnd, m_rootSelfClosing, QStringLiteral("cwiczenia"));
        const qsizetype at = m_rootEnd;
        QString piece = QStringLiteral("<plik nazwa=\"") + Files::EscapeXml(fileName, true, m_encoding) +
                        QStringLiteral("\">") + daneStart;
        RecordPlace place;
        piece += ChildrenText(values, at + piece.size(), place.Children);
        place.End = at + piece.size();
        piece += QStringLiteral("</dane>");
        PlikPlace plikPlace;
        plikPlace.End = at + piece.size();
        piece += QStringLiteral("</plik>");
        Splice(at, at, piece);
        place.Plik = int(m_pliks.size());
        plikPlace.Records.append(int(m_records.size()));
        m_pliks.append(plikPlace);
        m_firstPlik.insert(fileName, place.Plik);
        m_places.append(place);
        m_records.append(record);
        return;
    }

    int index = -1;
    for (int r : std::as_const(m_pliks[plik].Records))
        if (m_records[r].KindIsNumber && m_records[r].Kind == kind) {
            index = r;
            break;
        }
    if (index < 0) {
        // A new dane at the end of the plik. Records keep document order only for reading,
        // which takes the first of a key; this one is the first of its key in its plik.
        m_pliks[plik].End = OpenUp(m_pliks[plik].End, m_pliks[plik].SelfClosing, QStringLiteral("plik"));
        const qsizetype at = m_pliks[plik].End;
        RecordPlace place;
        place.Plik = plik;
        QString piece = daneStart;
        piece += ChildrenText(values, at + piece.size(), place.Children);
        place.End = at + piece.size();
        piece += QStringLiteral("</dane>");
        Splice(at, at, piece);
        m_pliks[plik].Records.append(int(m_records.size()));
        m_places.append(place);
        m_records.append(record);
        return;
    }

    m_places[index].End = OpenUp(m_places[index].End, m_places[index].SelfClosing, QStringLiteral("dane"));
    for (int i = 0; i < StatisticsRecord::ChildCount; ++i) {
        const QString escaped = Files::EscapeXml(values[i], false, m_encoding);
        ChildPlace &child = m_places[index].Children[i];
        if (child.Start < 0) {
            // Missing: appended after the others, as a new child is.
            const qsizetype at = m_places[index].End;
            const QString name = QLatin1String(ChildNames[i]);
            const QString piece = QLatin1Char('<') + name + QLatin1Char('>') + escaped +
                                  QStringLiteral("</") + name + QLatin1Char('>');
            Splice(at, at, piece);
            child.Start = at + name.size() + 2;
            child.End = child.Start + escaped.size();
        } else if (child.SelfClosing) {
            const qsizetype at = child.Start;
            Splice(at, at + 2,
                   QLatin1Char('>') + escaped + QStringLiteral("</") + QLatin1String(ChildNames[i]) +
                       QLatin1Char('>'));
            child.Start = at + 1;
            child.End = child.Start + escaped.size();
            child.SelfClosing = false;
        } else {
            const qsizetype at = child.Start;
            Splice(at, child.End, escaped);
            child.Start = at;
            child.End = at + escaped.size();
        }
    }
    m_records[index] = record;
}

QByteArray StatisticsFile::Bytes() const
{
    return Files::EncodeXmlText(m_text, m_encoding);
}

} // namespace Learner
