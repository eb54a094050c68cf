// Gallery pages of the sentence exercises and the voice analyser, from the sample course's
// own files and recordings: each screen open and answered, the translation card, a finished
// run with its score, and the analyser with both charts.
#include "Gallery.h"

#include "exercises/dialogues/uFrmZdania_Dyk.h"
#include "exercises/dialogues/uFrmZdania_Tlu.h"
#include "exercises/dialogues/uFrmZdania_Ukl.h"
#include "media/MediaServices.h"
#include "media/WaveFile.h"
#include "media/WaveImage.h"
#include "media/uFrmAnalizator.h"
#include "runtime/uFrmNawigacja.h"
#include "skin/VelCheckBox.h"
#include "utils/Random.h"
#include "utils/Utils.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSaveFile>
#include <QtEndian>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Opens a file of Dane on a screen of kind Screen with a fixed shuffle, as the dispatch does.
template <typename Screen>
std::unique_ptr<Screen> OpenSentences(GalleryHost &host, const QString &file, quint32 seed)
{
    auto screen = std::make_unique<Screen>(*host);
    screen->setAttribute(Qt::WA_DeleteOnClose, false);
    screen->SetRandomPick(Utils::MakeSeededPick(seed));
    screen->LoadFile(Utils::ProgramPath(u"\\Dane\\"_s + file));
    host->RegisterExerciseScreen(screen.get(), TfrmNawigacja::ExerciseButtons);
    screen->LayOutOnce();
    Gallery::Grab(screen.get());
    return screen;
}

void SendMouse(QWidget *target, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void Key(QWidget *screen, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_Space ? u" "_s : QString());
    QApplication::sendEvent(screen, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(screen, &release);
}

// Arranging: a word on its way to a new place, the marker showing where it would land.
QImage ArrangingPage()
{
    GalleryHost host;
    auto screen = OpenSentences<TfrmZdania_Ukl>(host, u"codzien_3_dzien.xml"_s, 4);
    QWidget *obszar = screen->findChild<QWidget *>(u"Obszar"_s);
    const QPoint from = screen->WordRect(2).center() - obszar->pos();
    const QPoint to =
        screen->WordRect(0).center() - obszar->pos() - QPoint(screen->WordRect(0).width() / 3, 0);
    SendMouse(obszar, QEvent::MouseButtonPress, from, Qt::LeftButton);
    SendMouse(obszar, QEvent::MouseMove, to, Qt::LeftButton);
    return Gallery::Grab(screen.get());
}

// Arranging answered wrongly, with the translation card shown.
QImage ArrangingAnsweredPage()
{
    GalleryHost host;
    auto screen = OpenSentences<TfrmZdania_Ukl>(host, u"codzien_3_dzien.xml"_s, 4);
    Key(screen.get(), Qt::Key_Return);
    Key(screen.get(), Qt::Key_Space);
    return Gallery::Grab(screen.get());
}

// Dictation while typing, and answered with one wrong word.
QImage DictationPage(bool answered)
{
    GalleryHost host;
    auto screen = OpenSentences<TfrmZdania_Dyk>(host, u"zdrowie_3_samopoczucie.xml"_s, 2);
    QLineEdit *edit = screen->EditField();
    QString typed = screen->CurrentSentence()->Text;
    typed.chop(1);
    const qsizetype space = typed.indexOf(u' ', typed.size() / 2);
    if (answered && space > 0)
        typed.insert(space + 1, u"veri "_s);
    edit->setText(answered ? typed : typed.left(typed.size() * 2 / 3));
    if (answered) {
        Key(edit, Qt::Key_Return);
        Key(screen.get(), Qt::Key_Space);
    }
    return Gallery::Grab(screen.get());
}

// Translation revealed, waiting for the learner's judgement; or the whole run judged.
QImage TranslationPage(bool finished)
{
    GalleryHost host;
    auto screen = OpenSentences<TfrmZdania_Tlu>(host, u"praca_4_rozmowy.xml"_s, 5);
    int judged = 0;
    while (finished && !screen->Run().IsOver()) {
        Key(screen.get(), Qt::Key_Return);
        Key(screen.get(), ++judged % 3 ? Qt::Key_1 : Qt::Key_2);
    }
    if (!finished)
        Key(screen.get(), Qt::Key_Return);
    return Gallery::Grab(screen.get());
}

// The analyser with the model and "the learner's" attempt (the model, quieter and later),
// the average curve on, the marker part-way through the model.
QImage AnalyserPage()
{
    const QString model = Utils::MediaPath(u"\\Media\\Zdania\\dzien_01.mp3"_s);
    Media::TWaveData sound;
    if (!Media::DecodeSoundFile(model, sound))
        return {};
    TfrmAnalizator dialog(model, 1);
    dialog.setAttribute(Qt::WA_DontShowOnScreen);
    QDir().mkpath(QFileInfo(dialog.RecordingPath()).path());
    {
        const int frame = sound.Format.BlockAlign();
        QByteArray attempt(int(0.35 * sound.Format.SampleRate) * frame, char(0));
        for (qsizetype at = 0; at + 1 < sound.Samples.size(); at += 2) {
            const qint16 value = qFromLittleEndian<qint16>(sound.Samples.constData() + at);
            char out[2];
            qToLittleEndian<qint16>(qint16(value * 0.7), out);
            attempt.append(out, 2);
        }
        QSaveFile file(dialog.RecordingPath());
        file.open(QIODevice::WriteOnly);
        file.write(Media::WaveHeader(sound.Format, quint32(attempt.size())) + attempt);
        file.commit();
    }
    Gallery::Grab(&dialog);
    dialog.StartTimerTimer();
    dialog.Analizator2->LoadWav(dialog.RecordingPath());
    dialog.chSrednia->click();
    dialog.Wsk->move(dialog.Analizator1->x() + 230, dialog.Analizator1->y());
    const QImage shot = Gallery::Grab(&dialog);
    QFile::remove(dialog.RecordingPath());
    return shot;
}

} // namespace

void RegisterGalleryPages_sentences(Gallery &gallery)
{
    gallery.AddPage(u"sentence_arranging"_s, [] { return ArrangingPage(); });
    gallery.AddPage(u"sentence_arranging_answered"_s, [] { return ArrangingAnsweredPage(); });
    gallery.AddPage(u"dictation"_s, [] { return DictationPage(false); });
    gallery.AddPage(u"dictation_answered"_s, [] { return DictationPage(true); });
    gallery.AddPage(u"sentence_translation"_s, [] { return TranslationPage(false); });
    gallery.AddPage(u"sentence_translation_score"_s, [] { return TranslationPage(true); });
    gallery.AddPage(u"voice_analyser"_s, [] { return AnalyserPage(); });
}
