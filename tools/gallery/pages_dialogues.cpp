// Gallery pages of the dialogue screens, from the sample course: the presentation with the
// learner's recordings (made this visit, kept from an earlier one, one being made), the hint
// over a speaker with a line's translation, and the reading view.
#include "Gallery.h"

#include "exercises/dialogues/uFrmDialogi_Prez.h"
#include "exercises/dialogues/uFrmDialogi_Ukl.h"
#include "learner/Struct_Config.h"
#include "learner/TUser.h"
#include "media/MediaServices.h"
#include "media/WaveFile.h"
#include "media/uMedia.h"
#include "runtime/uFrmNawigacja.h"
#include "skin/MyHint.h"
#include "tests/media/PcmRecorder.h"
#include "utils/Utils.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using DialogueLayout::TPresentationZone;

namespace {

// The program folder seen through a temporary one whose Users folder is its own, so the
// learner's recordings of a page never land among real learners' files.
class TemporaryProgram
{
public:
    TemporaryProgram() : m_old(Utils::ProgramFolder()), m_oldMedia(Utils::MediaRoot())
    {
        for (const QString &entry : QDir(m_old).entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
            if (entry != u"Users"_s)
                QFile::link(m_old + u'/' + entry, m_dir.filePath(entry));
        }
        QDir(m_dir.path()).mkpath(u"Users/1_Media_temp"_s);
        QDir(m_dir.path()).mkpath(u"Users/1_Media_arch"_s);
        Utils::SetProgramFolder(m_dir.path());
        Utils::SetMediaRoot(m_dir.path());
    }
    ~TemporaryProgram()
    {
        Utils::SetProgramFolder(m_old);
        Utils::SetMediaRoot(m_oldMedia);
    }
    TemporaryProgram(const TemporaryProgram &) = delete;
    TemporaryProgram &operator=(const TemporaryProgram &) = delete;

private:
    QTemporaryDir m_dir;
    QString m_old;
    QString m_oldMedia;
};

struct Learner
{
    TUser User;
    LearnerSettings Settings = LearnerSettings::Defaults();
    Learner()
    {
        User.Id = 1;
        User.Name = u"Ola"_s;
        User.Gender = u"K"_s;
        User.Figure = 13;
        Settings.TranslationLanguage = 0;
    }
};

void Send(QWidget *area, QEvent::Type type, QPoint at, Qt::MouseButton button)
{
    QMouseEvent event(type, at, area->mapToGlobal(at), button,
                      type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(area, &event);
}

enum class PresentationStage { Recordings, SpeakerHint };

QImage PresentationPage(PresentationStage page)
{
    TemporaryProgram program;
    Learner learner;
    GalleryHost host;
    host->SetLearner(&learner.User, &learner.Settings);
    Media::SetRecorderFactory([] { return std::make_unique<MediaFixtures::TPcmRecorder>(2, '\0'); });
    TfrmMedia media;
    TfrmMedia *oldMedia = frmMedia;
    frmMedia = &media;

    // Kept recordings of two of the customer's lines, from an earlier visit.
    for (const char *kept : {"usr_zakupy_3_ubrania_02.mp3", "usr_zakupy_3_ubrania_04.mp3"}) {
        QFile file(Utils::ProgramPath(u"\\Users\\1_Media_arch\\"_s + QLatin1String(kept)));
        if (file.open(QIODevice::WriteOnly))
            file.write(Media::WaveHeader(Media::RecordingFormat(), 0));
    }

    QImage shot;
    {
        TfrmDialogi_Prez screen(*host);
        screen.setAttribute(Qt::WA_DeleteOnClose, false);
        screen.LoadFile(Utils::ProgramPath(u"\\Dane\\zakupy_3_ubrania.xml"_s));
        host->RegisterExerciseScreen(&screen, TfrmNawigacja::ExerciseButtons);
        screen.LayOutOnce();
        Gallery::Grab(&screen);
        QWidget *area = screen.findChild<QWidget *>(u"Obszar"_s);
        const auto at = [&](int line, TPresentationZone zone) { return screen.ZonePoint(line, zone); };

        if (page == PresentationStage::Recordings) {
            // Two lines recorded this visit, and the microphone held on a third.
            for (int line : {1, 5}) {
                Send(area, QEvent::MouseButtonPress, at(line, TPresentationZone::Microphone), Qt::LeftButton);
                Send(area, QEvent::MouseButtonRelease, at(line, TPresentationZone::Microphone),
                     Qt::LeftButton);
            }
            Send(area, QEvent::MouseButtonPress, at(7, TPresentationZone::Microphone), Qt::LeftButton);
            shot = Gallery::Grab(&screen);
            Send(area, QEvent::MouseButtonRelease, at(7, TPresentationZone::Microphone), Qt::LeftButton);
        } else {
            // A line's translation on the right button, then the pointer on the same line's
            // speaker with its hint.
            Send(area, QEvent::MouseButtonPress, at(5, TPresentationZone::Text), Qt::RightButton);
            Send(area, QEvent::MouseButtonRelease, at(5, TPresentationZone::Text), Qt::RightButton);
            const QPoint speaker = at(5, TPresentationZone::Speaker);
            Send(area, QEvent::MouseMove, speaker, Qt::NoButton);
            shot = Gallery::Grab(&screen);
            TMyHint hint;
            hint.ShowHint(QPoint(0, 0), area->toolTip());
            const QImage tip = Gallery::Grab(&hint);
            QPainter painter(&shot);
            painter.drawImage(area->pos() + speaker + QPoint(4, 20), tip);
        }
        screen.close();
    }
    frmMedia = oldMedia;
    Media::SetRecorderFactory({});
    return shot;
}

QImage ReadingPage()
{
    Learner learner;
    GalleryHost host;
    host->SetLearner(&learner.User, &learner.Settings);
    TfrmDialogi_Ukl screen(*host);
    screen.setAttribute(Qt::WA_DeleteOnClose, false);
    screen.LoadFile(Utils::ProgramPath(u"\\Dane\\zakupy_3_ubrania.xml"_s));
    host->RegisterExerciseScreen(&screen, TfrmNawigacja::ExerciseButtons);
    screen.LayOutOnce();
    return Gallery::Grab(&screen);
}

} // namespace

void RegisterGalleryPages_dialogues(Gallery &gallery)
{
    gallery.AddPage(u"dialogue_presentation"_s,
                    [] { return PresentationPage(PresentationStage::Recordings); });
    gallery.AddPage(u"dialogue_speaker_hint"_s,
                    [] { return PresentationPage(PresentationStage::SpeakerHint); });
    gallery.AddPage(u"dialogue_reading"_s, ReadingPage);
}
