#include "exercises/dialogues/Struct_Dialogi.h"

#include "exercises/dialogues/Struct_Zdania.h"

#include "utils/Utils.h"

#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QSet>

using namespace Qt::StringLiterals;

namespace {

QList<QDomElement> ChildElements(const QDomElement &parent, const QString &name)
{
    QList<QDomElement> found;
    for (QDomElement e = parent.firstChildElement(name); !e.isNull(); e = e.nextSiblingElement(name))
        found.append(e);
    return found;
}

bool HasId(const QDomElement &element, int id)
{
    int value = 0;
    return Utils::ParseInteger(element.attribute(u"id"_s), &value) && value == id;
}

// The text of the first tlumaczenie of a kwestia in the language; none for 255.
QString Translation(const QDomElement &kwestia, int language)
{
    if (language == 255)
        return {};
    for (const QDomElement &e : ChildElements(kwestia, u"tlumaczenie"_s)) {
        if (HasId(e, language))
            return e.text().trimmed();
    }
    return {};
}

struct TBody
{
    QDomDocument Document;
    QDomElement Body;
    QString Error;
};

TBody OpenBody(const QByteArray &bytes)
{
    TBody body;
    QString error;
    if (!Utils::ParseXml(bytes, body.Document, &error)) {
        body.Error = error;
        return body;
    }
    const QDomElement root = body.Document.documentElement();
    if (root.tagName() != u"cwiczenie"_s) {
        body.Error = u"the root element is not cwiczenie"_s;
        return body;
    }
    body.Body = root.firstChildElement(u"body"_s);
    if (body.Body.isNull())
        body.Error = u"body is missing"_s;
    return body;
}

} // namespace

TXMLDialogiBodyType::TXMLDialogiBodyType(const QDomElement &element) : m_element(element)
{
}

QString TXMLDialogiBodyType::Polecenie(int variant, int language) const
{
    for (const QDomElement &typ : ChildElements(m_element.firstChildElement(u"polecenia"_s), u"typ"_s)) {
        if (!HasId(typ, variant))
            continue;
        for (const QDomElement &polecenie : ChildElements(typ, u"polecenie"_s)) {
            if (HasId(polecenie, language))
                return polecenie.text().trimmed();
        }
        return {};
    }
    return {};
}

QStringList TXMLDialogiBodyType::TrybyZnikania() const
{
    QStringList texts;
    for (const QDomElement &e : ChildElements(m_element, u"tryb_znikania"_s))
        texts.append(e.text());
    return texts;
}

QList<QDomElement> TXMLDialogiBodyType::Kwestie() const
{
    return ChildElements(m_element, u"kwestia"_s);
}

TDialogueReadOptions DialogueReadOptions(int kind, int translationLanguage)
{
    TDialogueReadOptions options;
    options.TranslationLanguage = translationLanguage;
    switch (kind) {
    case 11:
        options.RecordingAsMp3 = true;
        break;
    case 14:
        options.Variant = 4;
        options.RecordingAsMp3 = true;
        options.ModesRequired = 2;
        break;
    case 18:
        options.Variant = 8;
        options.ModesRequired = 2;
        break;
    default:
        break;
    }
    return options;
}

DialogueReadResult ReadDialogue(const QByteArray &bytes, const TDialogueReadOptions &options)
{
    DialogueReadResult result;
    auto fail = [&result](const QString &why) {
        result.Dialogue = Struct_Dialogi();
        result.Error = why;
        return result;
    };

    const TBody opened = OpenBody(bytes);
    if (!opened.Error.isEmpty())
        return fail(opened.Error);
    const TXMLDialogiBodyType body(opened.Body);
    Struct_Dialogi &dialogue = result.Dialogue;
    dialogue.Instruction = body.Polecenie(options.Variant, options.InstructionLanguage);
    dialogue.Hint = options.TranslationLanguage == 255
                        ? QString()
                        : body.Polecenie(options.Variant, options.TranslationLanguage);

    const QStringList modes = body.TrybyZnikania();
    for (const QString &text : modes) {
        int value = 0;
        if (!Utils::ParseInteger(text, &value))
            break;
        dialogue.Modes.append(value);
    }
    for (int position = 0; position < options.ModesRequired; ++position) {
        if (position >= modes.size())
            return fail(u"tryb_znikania %1 is missing"_s.arg(position + 1));
        if (position >= dialogue.Modes.size())
            return fail(
                u"tryb_znikania %1 is not a number: %2"_s.arg(position + 1).arg(modes[position].trimmed()));
    }

    const QList<QDomElement> kwestie = body.Kwestie();
    if (kwestie.isEmpty())
        return fail(u"the dialogue has no kwestia"_s);
    for (const QDomElement &element : kwestie) {
        TKwestia line;
        line.Index = int(dialogue.Lines.size());
        if (!Utils::ParseInteger(element.attribute(u"osoba"_s), &line.Speaker))
            line.Speaker = 0;
        int visible = 1;
        if (Utils::ParseInteger(element.attribute(u"visible"_s), &visible))
            line.Visible = visible != 0;
        const QString sampel = element.attribute(u"sampel"_s).trimmed();
        line.Recording = options.RecordingAsMp3 ? SentenceRecordingName(sampel) : sampel;
        const QString tresc = element.firstChildElement(u"tresc"_s).text().trimmed();
        line.Text = options.TreatText ? options.TreatText(tresc, dialogue.Modes) : StripGapMarks(tresc);
        line.Translation = Translation(element, options.TranslationLanguage);
        dialogue.Lines.append(line);
    }
    return result;
}

DialogueReadResult LoadDialogueExercise(const QString &path, const TDialogueReadOptions &options)
{
    DialogueReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.Error = file.errorString();
        return result;
    }
    result = ReadDialogue(file.readAll(), options);
    result.Dialogue.FilePath = path;
    return result;
}

QString DialogueBackgroundPath(const QString &exercisePath)
{
    QString name = exercisePath;
    name.replace(u'\\', u'/');
    name = name.mid(name.lastIndexOf(u'/') + 1);
    name = name.left(name.indexOf(u'.'));
    const QString own = Utils::ProgramPath(u"\\Gfx\\Background_dial\\"_s + name + u".bmp"_s);
    if (!name.isEmpty() && QFileInfo(own).isFile())
        return own;
    const QString fallback = Utils::ProgramPath(u"\\Gfx\\Background_dial\\bg_dialog.bmp"_s);
    return QFileInfo(fallback).isFile() ? fallback : QString();
}

QString StripGapMarks(const QString &text)
{
    QString result = text;
    result.remove(u'<');
    result.remove(u'>');
    return result;
}

QString SpeakerLetter(int speaker)
{
    if (speaker < 1 || speaker > 5)
        return {};
    return QString(QChar(u'A' + speaker - 1));
}

QStringList InspectDialogue(const QByteArray &bytes, const QList<int> &kinds, const QString &exercisePath)
{
    const TBody opened = OpenBody(bytes);
    if (!opened.Error.isEmpty())
        return {opened.Error};
    const TXMLDialogiBodyType body(opened.Body);

    QStringList problems;
    const bool needsModes = kinds.contains(14) || kinds.contains(18);
    const QStringList modes = body.TrybyZnikania();
    for (qsizetype i = 0; i < modes.size(); ++i) {
        if (!Utils::ParseInteger(modes[i], nullptr))
            problems << u"tryb_znikania %1 is not a number: %2"_s.arg(i + 1).arg(modes[i].trimmed());
    }
    if (needsModes && modes.size() < 2)
        problems << u"comprehension and completion need two tryb_znikania values, the file has %1"_s.arg(
            modes.size());

    const QList<QDomElement> kwestie = body.Kwestie();
    if (kwestie.isEmpty())
        problems << u"the dialogue has no kwestia"_s;
    QSet<QString> reported;
    for (qsizetype i = 0; i < kwestie.size(); ++i) {
        const QDomElement &element = kwestie[i];
        const QString where = u"kwestia %1"_s.arg(i + 1);
        int speaker = 0;
        if (!Utils::ParseInteger(element.attribute(u"osoba"_s), &speaker) || speaker < 1 || speaker > 5)
            problems << where + u": osoba must be 1 to 5, not \"%1\""_s.arg(element.attribute(u"osoba"_s));
        if (element.firstChildElement(u"tresc"_s).isNull())
            problems << where + u": tresc is missing"_s;
        const QString tresc = element.firstChildElement(u"tresc"_s).text();
        bool open = false;
        bool unclosed = false;
        bool unopened = false;
        for (QChar c : tresc) {
            if (c == u'<') {
                unclosed = unclosed || open;
                open = true;
            } else if (c == u'>') {
                unopened = unopened || !open;
                open = false;
            }
        }
        if (unclosed || open)
            problems << where + u": a \"<\" is not closed by \">\": "_s + tresc.trimmed();
        if (unopened)
            problems << where + u": a \">\" closes no \"<\": "_s + tresc.trimmed();

        const QString sampel = element.attribute(u"sampel"_s).trimmed();
        if (sampel.isEmpty()) {
            problems << where + u": sampel is empty"_s;
            continue;
        }
        QStringList played;
        for (int kind : kinds)
            played << ((kind == 11 || kind == 14) ? SentenceRecordingName(sampel) : sampel);
        played.removeDuplicates();
        for (const QString &name : std::as_const(played)) {
            if (reported.contains(name))
                continue;
            if (!QFileInfo::exists(Utils::MediaPath(u"\\Media\\Dialogi\\"_s + name))) {
                problems << where + u": the recording Media\\Dialogi\\%1 is missing"_s.arg(name);
                reported.insert(name);
            }
        }
    }
    if (DialogueBackgroundPath(exercisePath).isEmpty())
        problems
            << u"no background: neither Gfx\\Background_dial\\%1.bmp nor Gfx\\Background_dial\\bg_dialog.bmp"_s
                   .arg(QFileInfo(exercisePath).fileName().section(u'.', 0, 0));
    return problems;
}
