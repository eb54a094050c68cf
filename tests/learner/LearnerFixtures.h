#pragma once
// A small catalogue for the statistics tests and benchmarks:
//   Grupa 1 (group): a.xml (kind 1), Paczka p.xml (101) with items i1 (1), i2 (3), i3 (11)
//   Grupa 2 (group): b.xml (kind 4)
//   c.xml (kind 7) directly under the root

#include "course/Catalogue.h"

#include <QDomDocument>
#include <QFile>
#include <QStringEncoder>
#include <QTest>

struct SmallCatalogue
{
    Course::TDrzewo tree;
    QList<Course::TElement *> list;
    Course::TElement *g1, *e1, *pkg, *i1, *i2, *i3, *g2, *e2, *e3;

    SmallCatalogue()
    {
        using namespace Course;
        g1 = Group(1, u"Grupa 1");
        e1 = Node(g1, 0, 1, u"a.xml", u"Ćwiczenie A", NodeType::Exercise);
        pkg = Node(g1, 1, 101, u"p.xml", u"Paczka", NodeType::Package);
        i1 = Node(pkg, 0, 1, u"Paczki\\i1.xml", u"Item 1", NodeType::PackageItem);
        i2 = Node(pkg, 0, 3, u"Paczki\\i2.xml", u"Item 2", NodeType::PackageItem);
        i3 = Node(pkg, 0, 11, u"Paczki\\i3.xml", u"Item 3", NodeType::PackageItem);
        g2 = Group(2, u"Grupa 2");
        e2 = Node(g2, 2, 4, u"b.xml", u"B", NodeType::Exercise);
        e3 = Node(nullptr, 3, 7, u"c.xml", u"C", NodeType::Exercise);
        NumberTree(tree.Root(), 0, list);
        for (TElement *n : list)
            n->Progress = n->Kind == 11 ? -1 : 0;
    }

    Course::TElement *Group(int group, const char16_t *title)
    {
        Course::TElement *n = tree.AddNode(nullptr);
        n->Id = group + 10;
        n->Group = group;
        n->Title = QString::fromUtf16(title);
        return n;
    }
    Course::TElement *Node(Course::TElement *parent, int id, int kind, const char16_t *file,
                           const char16_t *title, int type)
    {
        Course::TElement *n = tree.AddNode(parent);
        n->Id = id;
        n->Kind = kind;
        n->FileName = QString::fromUtf16(file);
        n->Title = QString::fromUtf16(title);
        n->NodeType = type;
        return n;
    }
};

inline QDomDocument ReadStatistics(const QString &path)
{
    QDomDocument doc;
    QFile f(path);
    if (f.open(QIODevice::ReadOnly))
        doc.setContent(f.readAll());
    return doc;
}

// The dane element of (file, kind), or a null element.
inline QDomElement Record(const QDomDocument &doc, const QString &file, int kind)
{
    for (QDomElement p = doc.documentElement().firstChildElement(QStringLiteral("plik")); !p.isNull();
         p = p.nextSiblingElement(QStringLiteral("plik")))
        if (p.attribute(QStringLiteral("nazwa")) == file)
            for (QDomElement d = p.firstChildElement(QStringLiteral("dane")); !d.isNull();
                 d = d.nextSiblingElement(QStringLiteral("dane")))
                if (d.attribute(QStringLiteral("id")).toInt() == kind)
                    return d;
    return {};
}

// text in one of the ways XML files come: "utf-16le", "utf-16be" (each with "-bom" or
// not), "utf-8", "utf-8-bom", or an 8-bit code page by name.
inline QByteArray Encoded(const QString &text, const QByteArray &scheme)
{
    const bool bom = scheme.endsWith("-bom");
    const QByteArray name = bom ? scheme.chopped(4) : scheme;
    QStringEncoder encoder(name.constData());
    QByteArray bytes = encoder.encode(text);
    if (bom)
        bytes.prepend(name == "utf-16le"   ? QByteArray("\xFF\xFE")
                      : name == "utf-16be" ? QByteArray("\xFE\xFF")
                                           : QByteArray("\xEF\xBB\xBF"));
    return bytes;
}

// The ways of storing a learner's XML file that must read, record and read again:
// declaration, bytes, and a piece the saved bytes must still contain ("ś" in that
// encoding, or the declaration's correction).
inline void AddEncodingRows()
{
    QTest::addColumn<QString>("declaration");
    QTest::addColumn<QByteArray>("scheme");
    QTest::addColumn<QByteArray>("marker");
    const QString utf16 = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>");
    const QString utf8 = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    const QString plain = QStringLiteral("<?xml version=\"1.0\"?>");
    QTest::addRow("UTF-16 with BOM") << utf16 << QByteArray("utf-16le-bom") << QByteArray("\x5B\x01", 2);
    QTest::addRow("UTF-16 without BOM") << utf16 << QByteArray("utf-16le") << QByteArray("\x5B\x01", 2);
    QTest::addRow("UTF-16 big-endian") << utf16 << QByteArray("utf-16be-bom") << QByteArray("\x01\x5B", 2);
    QTest::addRow("undeclared UTF-16") << plain << QByteArray("utf-16le-bom") << QByteArray("\x5B\x01", 2);
    QTest::addRow("UTF-8") << utf8 << QByteArray("utf-8") << QByteArray("\xC5\x9B");
    QTest::addRow("UTF-8 with BOM") << utf8 << QByteArray("utf-8-bom") << QByteArray("\xC5\x9B");
    QTest::addRow("undeclared") << plain << QByteArray("utf-8") << QByteArray("\xC5\x9B");
    QTest::addRow("windows-1250") << QStringLiteral("<?xml version=\"1.0\" encoding=\"windows-1250\"?>")
                                  << QByteArray("windows-1250") << QByteArray("\x9C");
    QTest::addRow("ISO-8859-2") << QStringLiteral("<?xml version='1.0' encoding='ISO-8859-2'?>")
                                << QByteArray("iso-8859-2") << QByteArray("\xB6");
    // What earlier saves left: single-byte text under a UTF-16 declaration.
    QTest::addRow("UTF-16 declared on UTF-8 bytes") << utf16 << QByteArray("utf-8") << QByteArray("UTF-8");
}
