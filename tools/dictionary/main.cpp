// Build-time generator of the dictionary file:
//   audivox-dictionary convert <freedict.index> <freedict.dict.dz> <Slownik.txt> [<core-vocabulary.txt>]
//   audivox-dictionary scramble <Slownik.txt> <Slownik.txtde>

#include "reference/Slownik.h"
#include "tools/dictionary/FreeDict.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

int Fail(const QString &message)
{
    QTextStream(stderr) << "audivox-dictionary: " << message << '\n';
    return 1;
}

bool Save(const QString &path, const QByteArray &data)
{
    QSaveFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(data) == data.size() && out.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if ((args.size() == 5 || args.size() == 6) && args.at(1) == u"convert") {
        QFile index(args.at(2));
        if (!index.open(QIODevice::ReadOnly))
            return Fail(u"cannot open "_s + args.at(2));
        QString error;
        const QByteArray dict = FreeDict::ReadDictData(args.at(3), &error);
        if (dict.isEmpty())
            return Fail(error);
        QList<FreeDict::Entry> core;
        if (args.size() == 6) {
            QFile coreFile(args.at(5));
            if (!coreFile.open(QIODevice::ReadOnly))
                return Fail(u"cannot open "_s + args.at(5));
            QStringList errors;
            core = FreeDict::ReadCoreVocabulary(QString::fromUtf8(coreFile.readAll()), &errors);
            if (!errors.isEmpty())
                return Fail(args.at(5) + u": "_s + errors.join(u"; "_s));
        }
        const QList<QString> lines = FreeDict::DictionaryLines(
            FreeDict::MergeCoreVocabulary(core, FreeDict::Convert(index.readAll(), dict)));
        if (lines.isEmpty())
            return Fail(u"no entries in "_s + args.at(2));
        if (!Save(args.at(4), Reference::WriteDictionary(lines, false)))
            return Fail(u"cannot write "_s + args.at(4));
        return 0;
    }
    if (args.size() == 4 && args.at(1) == u"scramble") {
        QFile in(args.at(2));
        if (!in.open(QIODevice::ReadOnly))
            return Fail(u"cannot open "_s + args.at(2));
        const Reference::LoadResult plain = Reference::ReadDictionary(in.readAll(), false);
        if (plain.SkippedLines > 0)
            return Fail(QString::number(plain.SkippedLines) + u" lines of "_s + args.at(2) +
                        u" do not parse"_s);
        // Re-read the raw lines so that the variant carries exactly what the file holds.
        in.seek(0);
        QList<QString> lines;
        const QByteArray data = in.readAll();
        QString current;
        for (qsizetype i = 0; i + 1 < data.size(); i += 2) {
            const char16_t u = char16_t(uchar(data[i]) | (uchar(data[i + 1]) << 8));
            if (u == 0xFEFF)
                continue;
            if (u == 0x000D) {
                lines.append(current);
                current.clear();
                i += 2;
                continue;
            }
            current.append(QChar(u));
        }
        if (!current.isEmpty())
            lines.append(current);
        if (!Save(args.at(3), Reference::WriteDictionary(lines, true)))
            return Fail(u"cannot write "_s + args.at(3));
        return 0;
    }
    return Fail(u"usage: audivox-dictionary convert <index> <dict.dz> <out.txt> [<core.txt>] | "
                u"scramble <in.txt> <out.txtde>"_s);
}
