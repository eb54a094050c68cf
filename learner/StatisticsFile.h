#pragma once
// The learner's statistics file as text: read once with a small strict XML reader that
// notes where every record's values stand, and changed by splicing new values into that
// text, so a result costs no parse of the whole file and every byte the program does not
// change stays as it was.

#include "learner/LearnerFiles.h"

#include <QHash>
#include <QList>
#include <QString>

namespace Learner {

// One dane element of the file, with the nazwa of its plik.
struct StatisticsRecord
{
    enum Child { Data, Postep, Czas, Datapowtorka, Posteppowtorka, ChildCount };

    QString FileName;
    int Kind = 0;
    bool KindIsNumber = false; // a dane whose id is not a number matches no node
    QString Values[ChildCount];
    bool Present[ChildCount] = {};
};

class StatisticsFile
{
public:
    // An empty document, as a newly created file holds it.
    StatisticsFile();

    // Reads a file's bytes. False with a reason in Polish when they are not a whole
    // statistics file; Records() then holds every record that ended before the damage.
    bool Parse(const QByteArray &bytes, QString *error);

    // A new file holding records (UTF-16 LE with byte order mark, as created files are).
    static StatisticsFile Fresh(const QList<StatisticsRecord> &records);

    // Every record in document order.
    const QList<StatisticsRecord> &Records() const { return m_records; }

    // Sets the values of the first dane with id kind in the first plik named fileName,
    // adding the plik or the dane when missing, and the children in their order.
    void Write(const QString &fileName, int kind, const QString (&values)[StatisticsRecord::ChildCount]);

    // The whole file in its own encoding.
    QByteArray Bytes() const;
    const QString &Text() const { return m_text; }

    // Nesting deeper than this is refused as damage (no statistics file nests past 3).
    static constexpr int MaxDepth = 64;

private:
    struct ChildPlace
    {
        qsizetype Start = -1; // content; for <x/> both are the place of "/>"
        qsizetype End = -1;
        bool SelfClosing = false;
    };
    struct RecordPlace
    {
        int Plik = -1;
        ChildPlace Children[StatisticsRecord::ChildCount];
        qsizetype End = -1; // "</dane>", or "/>" of <dane/>
        bool SelfClosing = false;
    };
    struct PlikPlace
    {
        qsizetype End = -1;
        bool SelfClosing = false;
        QList<int> Records;
    };
    friend class StatisticsScanner;

    void Splice(qsizetype start, qsizetype end, const QString &with);
    qsizetype OpenUp(qsizetype end, bool &selfClosing, const QString &name);
    QString ChildrenText(const QString (&values)[StatisticsRecord::ChildCount], qsizetype at,
                         ChildPlace (&places)[StatisticsRecord::ChildCount]) const;

    QString m_text;
    Files::TextEncoding m_encoding;
    QList<StatisticsRecord> m_records;
    QList<RecordPlace> m_places;
    QList<PlikPlace> m_pliks;
    QHash<QString, int> m_firstPlik;
    qsizetype m_rootEnd = -1;
    bool m_rootSelfClosing = false;
};

} // namespace Learner
