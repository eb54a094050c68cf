#include "exercises/words/Struct_Wpisywanie.h"

#include "exercises/shared/TaggedText.h"
#include "exercises/words/GapTypingModel.h"
#include "exercises/words/Struct_Test.h"
#include "utils/Utils.h"

#include <QDomDocument>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

QString TXMLWpisywanieBodyType::Polecenie(int id) const
{
    QString text;
    for (QDomElement e = m_element.firstChildElement(u"polecenie"_s); !e.isNull();
         e = e.nextSiblingElement(u"polecenie"_s)) {
        int value = 0;
        if (Utils::ParseInteger(e.attribute(u"id"_s), &value) && value == id)
            text = e.text().trimmed();
    }
    return text;
}

QString TXMLWpisywanieBodyType::Minislownik() const
{
    return m_element.firstChildElement(u"minislownik"_s).text().trimmed();
}

bool TXMLWpisywanieBodyType::HasTresc() const
{
    return !m_element.firstChildElement(u"tresc"_s).isNull();
}

QString TXMLWpisywanieBodyType::Tresc() const
{
    return m_element.firstChildElement(u"tresc"_s).text();
}

WpisywanieReadResult ReadWpisywanie(const QByteArray &bytes, int instructionLanguage, int translationLanguage)
{
    WpisywanieReadResult result;
    auto fail = [&result](const QString &why) {
        result.Exercise = Struct_Wpisywanie();
        result.Error = why;
        return result;
    };

    QDomDocument document;
    QString error;
    if (!Utils::ParseXml(bytes, document, &error))
        return fail(error);
    const QDomElement root = document.documentElement();
    if (root.tagName() != u"cwiczenie"_s)
        return fail(u"the root element is not cwiczenie"_s);
    const QDomElement config = root.firstChildElement(u"config"_s);
    const QDomElement body = root.firstChildElement(u"body"_s);
    if (config.isNull() || body.isNull())
        return fail(u"config or body is missing"_s);
    const TXMLWpisywanieBodyType wpisywanie(body);
    if (!wpisywanie.HasTresc())
        return fail(u"tresc is missing"_s);

    Struct_Wpisywanie &exercise = result.Exercise;
    exercise.MediaFile = TestMediaName(config.firstChildElement(u"multimedia"_s).text().trimmed());
    exercise.Instruction = wpisywanie.Polecenie(instructionLanguage);
    exercise.Hint = wpisywanie.Polecenie(translationLanguage);
    exercise.PhraseList = wpisywanie.Minislownik();
    exercise.Text = wpisywanie.Tresc();
    return result;
}

WpisywanieReadResult ReadWpisywanieFile(const QString &path, int instructionLanguage, int translationLanguage)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        WpisywanieReadResult result;
        result.Error = file.errorString();
        return result;
    }
    return ReadWpisywanie(file.readAll(), instructionLanguage, translationLanguage);
}

namespace {

void InspectUnclosed(const QString &text, const QString &where, QStringList &problems)
{
    const qsizetype lastOpen = text.lastIndexOf(u'<');
    if (lastOpen >= 0 && text.indexOf(u'>', lastOpen) < 0)
        problems << where + u": a \"<\" is never closed: "_s + text.mid(lastOpen, 30).simplified();
}

} // namespace

QStringList InspectWpisywanie(const QByteArray &bytes, const QString &pictureFolder)
{
    const WpisywanieReadResult read = ReadWpisywanie(bytes, 1, 0);
    if (!read.Ok())
        return {read.Error};

    QStringList problems;
    InspectUnclosed(read.Exercise.Text, u"tresc"_s, problems);
    InspectUnclosed(read.Exercise.PhraseList, u"minislownik"_s, problems);

    int gaps = 0;
    bool inPictures = false;
    for (const TWyrazTekstu &word : TaggedText::ReadGapText(read.Exercise.Text)) {
        if (word.IsGap) {
            ++gaps;
            if (word.Answers.contains(u'<'))
                problems << u"tresc: a \"<\" is not closed before the next tag: "_s + word.Text;
            else if (GapTyping::FirstAnswer(word.Answers).isEmpty())
                problems << u"tresc: the gap "_s + word.Text + u" has an empty first answer"_s;
        }
        switch (word.TagKind) {
        case TaggedText::PictureLeft:
        case TaggedText::PictureRight:
            inPictures = true;
            break;
        case TaggedText::PictureEnd:
            inPictures = false;
            break;
        case TaggedText::Tab: {
            const QString upper = TaggedText::TagUpper(word.Text);
            if (upper == u"<AK>"_s)
                break;
            const std::optional<int> target = TaggedText::TabTarget(word.Text);
            if (!upper.startsWith(u"<AK="_s) || !target)
                problems << u"tresc: "_s + word.Text + u" is neither <AK> nor <AK=n>"_s;
            else if (*target < 0 || *target >= GapTyping::TextAreaWidth)
                problems << u"tresc: "_s + word.Text +
                                u" lies outside the text (0 to %1)"_s.arg(GapTyping::TextAreaWidth - 1);
            break;
        }
        case TaggedText::Word:
            if (inPictures && !word.IsGap &&
                !QFileInfo(Utils::ResolvePath(pictureFolder, word.Text)).isFile())
                problems << u"tresc: the picture "_s + word.Text + u" is missing"_s;
            break;
        default:
            break;
        }
    }
    if (gaps == 0)
        problems << u"tresc: no gaps to fill"_s;
    return problems;
}
