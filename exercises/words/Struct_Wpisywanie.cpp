#include "exercises/words/Struct_Wpisywanie.h"

#include "exercises/shared/BodyXml.h"
#include "exercises/shared/TaggedText.h"
#include "exercises/words/GapTypingModel.h"
#include "utils/Utils.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

QString TXMLWpisywanieBodyType::Polecenie(int id) const
{
    return Exercises::TextForLanguage(m_element, u"polecenie"_s, id);
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
    Exercises::TExerciseBody file;
    if (!Exercises::OpenExerciseBody(bytes, file, result.Error))
        return result;
    const auto fail = &Exercises::ReadFault<WpisywanieReadResult>;
    const TXMLWpisywanieBodyType wpisywanie(file.Body);
    if (!wpisywanie.HasTresc())
        return fail(u"tresc is missing"_s);

    Struct_Wpisywanie &exercise = result.Exercise;
    exercise.MediaFile = Exercises::ConfigMedia(file.Config);
    exercise.Instruction = wpisywanie.Polecenie(instructionLanguage);
    exercise.Hint = wpisywanie.Polecenie(translationLanguage);
    exercise.PhraseList = wpisywanie.Minislownik();
    exercise.Text = wpisywanie.Tresc();
    return result;
}

WpisywanieReadResult ReadWpisywanieFile(const QString &path, int instructionLanguage, int translationLanguage)
{
    return Exercises::ReadExerciseFile<WpisywanieReadResult>(path, [&](const QByteArray &bytes) {
        return ReadWpisywanie(bytes, instructionLanguage, translationLanguage);
    });
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
