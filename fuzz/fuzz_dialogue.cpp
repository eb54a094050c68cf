// The dialogue and sentence bodies: a dialogue read as each of its kinds reads it (11, 14,
// 18, 26) and inspected, its presentation laid out; a sentence file read for each sentence
// screen and inspected, every sentence cut into words, dealt, compared and run.

#include "FuzzSupport.h"
#include "exercises/dialogues/DialogueLayout.h"
#include "exercises/dialogues/SentenceRun.h"
#include "exercises/dialogues/SentenceText.h"
#include "exercises/dialogues/Struct_Dialogi.h"
#include "exercises/dialogues/Struct_Zdania.h"
#include "exercises/dialogues/WordArranging.h"
#include "utils/Random.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Fuzz::Initialise();
    return 0;
}

namespace {

int Width(const QString &text)
{
    return int(text.size()) * 7;
}

void Dialogue(const QByteArray &bytes)
{
    const QString path = Fuzz::Folder() + QStringLiteral("/dialogue.xml");
    for (const int kind : {11, 14, 18, 26}) {
        DialogueReadResult read = ReadDialogue(bytes, DialogueReadOptions(kind, 0));
        Fuzz::Require(read.Ok() || read.Dialogue.Lines.isEmpty(), "a refused dialogue has no lines");
        DialogueLayout::TPresentationMetrics metrics;
        metrics.Flow = {Width, 4, 600};
        metrics.Height = 400;
        metrics.Mic = metrics.Own = metrics.Kept = metrics.Speaker = QSize(24, 24);
        DialogueLayout::LayOutPresentation(read.Dialogue.Lines, metrics);
    }
    InspectDialogue(bytes, {11, 14, 18, 26}, path);
}

void SentenceFile(const QByteArray &bytes)
{
    const auto exists = [](const QString &) { return false; };
    InspectSentences(bytes,
                     {SentenceVariant::Arranging, SentenceVariant::Dictation, SentenceVariant::Translation},
                     1, exists);
    for (const int variant :
         {SentenceVariant::Arranging, SentenceVariant::Dictation, SentenceVariant::Translation}) {
        const ZdaniaReadResult read = LoadSentenceExercise(bytes, variant, 1, 0);
        for (const TZdanie &sentence : read.Exercise.Sentences) {
            const QStringList words = Sentences::CutSentence(sentence.Text);
            QList<TSlowo> places = Sentences::DealWords(words, Utils::MakeSeededPick(3));
            Fuzz::Require(places.size() == words.size(), "every word is dealt");
            Sentences::LayOutArranging(places, 600, 16, Width);
            if (places.size() > 1)
                Sentences::MoveWord(places, 0, int(places.size()) - 1);
            Sentences::IsArrangedRight(places);
            Sentences::CompareTypedSentence(sentence.Text, sentence.Translation, true, false);
            Sentences::DifferingWords(sentence.Text, sentence.Translation, false, true);
            Sentences::LayoutWords(sentence.Text);
        }
        Sentences::TSentenceRun run(read.Exercise.Sentences);
        const Utils::RandomPick pick = Utils::MakeSeededPick(5);
        int current = run.PickNextSentence(-1, pick);
        for (int answered = 0; current >= 0; ++answered) {
            Fuzz::Require(answered < run.Count(), "a run offers each sentence once");
            run.CountAnswer(answered % 2 == 0);
            current = run.PickNextSentence(current, pick);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::Bytes(data, size);
    Dialogue(bytes);
    SentenceFile(bytes);
    return 0;
}
