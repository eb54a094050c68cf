#include "exercises/dialogues/uFrmDialogi_Prez.h"

#include "course/Catalogue.h"
#include "exercises/frame/ExerciseHost.h"
#include "learner/Struct_Config.h"
#include "learner/TUser.h"
#include "media/SoundService.h"
#include "media/uMedia.h"
#include "reference/uFrmPomoc.h"
#include "skin/VelDymek.h"
#include "skin/VelResButton.h"
#include "utils/SystemMessage.h"
#include "utils/Utils.h"
#include "utils/UtilsGui.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;
using namespace DialogueLayout;

namespace {

// The pictures' sizes as the screen is designed, for a skin that lacks one of them.
QSize SizeOr(const QPixmap &picture, QSize designed)
{
    return picture.isNull() ? designed : picture.size();
}

QRect ZoneRect(const TPresentationLine &line, TPresentationZone zone)
{
    switch (zone) {
    case TPresentationZone::Microphone:
        return line.Mic;
    case TPresentationZone::OwnRecording:
        return line.Own;
    case TPresentationZone::KeptRecording:
        return line.Kept;
    case TPresentationZone::Speaker:
        return line.Speaker;
    default:
        return {};
    }
}

} // namespace

TfrmDialogi_Prez::TfrmDialogi_Prez(IExerciseHost &host, QWidget *parent)
    : TDialogueScreen(KindCode, host, parent)
{
    CreateDialogueFrame(QRect(130, 134, 555, 25), QRect(35, 165, AreaWidth, AreaHeight));
    TVelResButton *playAll = CreatePlayAllButton(QRect(808, 196, 200, 50), 42, 83);
    connect(playAll, &QAbstractButton::pressed, this, [this] { HideBubble(); });
    btnDrukuj = CreateButton(u"btnDrukuj"_s, QRect(808, 252, 200, 50));
    btnDrukuj->SetCaption(Utils::GetInterfaceText(47));
    btnDrukuj->SetHint(Utils::GetInterfaceText(47));
    connect(btnDrukuj, &QAbstractButton::clicked, this, [this] { btnDrukujClick(); });

    IMG_Mic = CreatePicture(u"IMG_Mic"_s);
    IMG_Mic_Stop = CreatePicture(u"IMG_Mic_Stop"_s);
    IMG_Chlopek = CreatePicture(u"IMG_Chlopek"_s);
    IMG_Chlopek_A = CreatePicture(u"IMG_Chlopek_A"_s);
    FinishCreation();
    Host().SetButtonGlyph(btnDrukuj, u"IMG_Drukuj"_s, 1);
    StartFirstUseNotice();
}

TfrmDialogi_Prez::~TfrmDialogi_Prez()
{
    // A screen freed with the microphone held still keeps what was said.
    if (m_recordingLine >= 0)
        StopLineRecording();
}

Presentation::TLearnerRecording TfrmDialogi_Prez::LearnerFiles(int line) const
{
    if (line < 0 || line >= Lines().size())
        return {};
    return Presentation::LearnerRecording(Utils::ProgramPath(u"\\Users"_s), Host().LoggedInUser().Id,
                                          Lines()[line].Recording);
}

bool TfrmDialogi_Prez::LoadFile(const QString &path)
{
    // The printed title is the package's, taken before the file is read.
    const Course::TElement *package = Host().CurrentPackage();
    m_printedTitle = package ? Presentation::PrintedTitle(package->Title) : QString();
    m_recordingLine = -1;
    const bool read =
        LoadDialogue(path, DialogueReadOptions(KindCode, Host().Settings().TranslationLanguage));
    QList<TKwestia> &lines = EditLines();
    for (int i = 0; i < lines.size(); ++i) {
        lines[i].IsRecording = false;
        lines[i].HasOwnRecording = false;
        lines[i].HasArchivedRecording = QFileInfo(LearnerFiles(i).Kept).isFile();
    }
    return read;
}

void TfrmDialogi_Prez::LayOutOnce()
{
    m_layout = LayOut();
    SetContentHeight(m_layout.ContentHeight);
}

TPresentationMetrics TfrmDialogi_Prez::Metrics() const
{
    TPresentationMetrics m;
    m.Flow = FlowMetrics();
    m.Height = Area()->height();
    m.ScrollOffset = ScrollOffset();
    m.Mic = SizeOr(IMG_Mic->pixmap(), {15, 24});
    m.Own = SizeOr(IMG_Chlopek->pixmap(), {19, 20});
    m.Kept = SizeOr(IMG_Chlopek_A->pixmap(), {19, 20});
    m.Speaker = SizeOr(SpeakerPicture(3), {25, 20});
    return m;
}

TPresentationLayout TfrmDialogi_Prez::LayOut()
{
    return LayOutPresentation(EditLines(), Metrics());
}

QPoint TfrmDialogi_Prez::ZonePoint(int line, TPresentationZone zone) const
{
    if (line < 0 || line >= m_layout.Lines.size())
        return {};
    if (zone == TPresentationZone::Text) {
        const TPresentationLine &laidOut = m_layout.Lines[line];
        const int x = laidOut.Words.isEmpty() ? laidOut.TextStart + 2 : laidOut.Words.first().X + 2;
        return {x, Lines()[line].Rect.top() + 8};
    }
    const QRect icon = ZoneRect(m_layout.Lines[line], zone);
    return {icon.center().x(), Lines()[line].Rect.top() + 8};
}

TVelDymek *TfrmDialogi_Prez::Bubble() const
{
    return findChild<TVelDymek *>(u"IMG_Dymek"_s);
}

void TfrmDialogi_Prez::PaintArea(QPainter &painter)
{
    m_layout = LayOut();
    const QList<TKwestia> &lines = Lines();
    const int offset = ScrollOffset();
    const int height = Area()->height();
    for (int i = 0; i < lines.size(); ++i) {
        const TKwestia &line = lines[i];
        const TPresentationLine &laidOut = m_layout.Lines[i];
        if (laidOut.IconsVisible) {
            painter.drawPixmap(laidOut.Mic.topLeft(), (line.IsRecording ? IMG_Mic_Stop : IMG_Mic)->pixmap());
            if (line.HasOwnRecording)
                painter.drawPixmap(laidOut.Own.topLeft(), IMG_Chlopek->pixmap());
            if (line.HasArchivedRecording)
                painter.drawPixmap(laidOut.Kept.topLeft(), IMG_Chlopek_A->pixmap());
            painter.drawPixmap(laidOut.Speaker.topLeft(), SpeakerPicture(line.Speaker));
        }
        for (const TPlacedWord &word : laidOut.Words) {
            if (RowVisible(word.Y, offset, height))
                DrawWord(painter, word.X, word.Y - offset, word.Text);
        }
    }
    SetContentHeight(m_layout.ContentHeight);
}

void TfrmDialogi_Prez::SetAreaHint(const QString &hint, bool hand)
{
    Area()->setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (Area()->toolTip() != hint) {
        Area()->setToolTip(hint);
        Utils::RefreshHint(Area());
    }
}

void TfrmDialogi_Prez::AreaMouseMove(QMouseEvent *event)
{
    const TPresentationHit hit = HitPresentation(Lines(), m_layout, event->position().toPoint());
    TVelDymek *bubble = Bubble();
    if (hit.Line != m_bubbleLine && bubble && !bubble->isHidden())
        bubble->hide();
    m_bubbleLine = hit.Line;
    if (hit.Line < 0) {
        SetAreaHint({}, false);
        return;
    }
    const TKwestia &line = Lines()[hit.Line];
    switch (hit.Zone) {
    case TPresentationZone::Microphone:
        SetAreaHint(Utils::GetInterfaceText(m_recordingLine < 0 ? 101 : 102), true);
        break;
    case TPresentationZone::OwnRecording:
        if (line.HasOwnRecording)
            SetAreaHint(Utils::GetInterfaceText(99), true);
        else
            SetAreaHint({}, false);
        break;
    case TPresentationZone::KeptRecording:
        if (line.HasArchivedRecording)
            SetAreaHint(Utils::GetInterfaceText(100), true);
        else
            SetAreaHint({}, false);
        break;
    case TPresentationZone::Speaker:
        SetAreaHint(Utils::GetInterfaceText(103) + u" <B>"_s + SpeakerLetter(line.Speaker) + u"</B>"_s, true);
        break;
    case TPresentationZone::Text:
        SetAreaHint({}, true);
        break;
    case TPresentationZone::None:
        SetAreaHint({}, false);
        break;
    }
}

void TfrmDialogi_Prez::AreaLeave()
{
    m_bubbleLine = -1;
    UpdateArea();
}

void TfrmDialogi_Prez::HideBubble()
{
    if (TVelDymek *bubble = Bubble())
        bubble->hide();
}

void TfrmDialogi_Prez::OutsideAreaPressed()
{
    HideBubble();
}

void TfrmDialogi_Prez::AreaMousePress(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    const TPresentationHit hit = HitPresentation(Lines(), m_layout, point);
    TVelDymek *bubble = Bubble();
    if (event->button() != Qt::LeftButton) {
        // The other button shows a line's translation, or hides the one shown.
        if (hit.Line < 0 || (bubble && !bubble->isHidden())) {
            HideBubble();
            return;
        }
        const QString translation = Lines()[hit.Line].Translation;
        if (hit.Zone == TPresentationZone::Text && Host().Settings().TranslationLanguage != 255 && bubble &&
            !translation.isEmpty()) {
            const QPoint at = point + Area()->pos();
            bubble->ShowBubble(at.x(), at.y(), translation);
            bubble->raise();
            m_bubbleLine = hit.Line;
        }
        return;
    }
    HideBubble();
    if (hit.Line < 0)
        return;
    const TKwestia &line = Lines()[hit.Line];
    switch (hit.Zone) {
    case TPresentationZone::Microphone:
        if (line.IsRecording)
            StopLineRecording();
        else
            StartLineRecording(hit.Line);
        break;
    case TPresentationZone::OwnRecording:
        if (line.HasOwnRecording)
            Media::SoundService().PlayWaveFile(LearnerFiles(hit.Line).Temporary);
        break;
    case TPresentationZone::KeptRecording:
        if (line.HasArchivedRecording)
            Media::SoundService().PlayWaveFile(LearnerFiles(hit.Line).Kept);
        break;
    case TPresentationZone::Speaker:
        PlayQueue(Presentation::SpeakerQueue(Lines(), line.Speaker, RecordingPath,
                                             Utils::MediaPath(u"\\Media\\Teksty\\cisza.wav"_s)));
        break;
    case TPresentationZone::Text:
        PlayMedia(RecordingPath(line.Recording), false);
        break;
    case TPresentationZone::None:
        break;
    }
}

void TfrmDialogi_Prez::AreaMouseRelease(QMouseEvent *)
{
    // The microphone records while the button is held; letting go anywhere ends it.
    if (m_recordingLine >= 0)
        StopLineRecording();
}

void TfrmDialogi_Prez::StartLineRecording(int line)
{
    if (m_recordingLine >= 0)
        StopLineRecording();
    const QString file = LearnerFiles(line).Temporary;
    QDir().mkpath(QFileInfo(file).absolutePath());
    // A sound of the learner's own must not play into the microphone.
    Media::SoundService().Stop();
    EditLines()[line].IsRecording = true;
    m_recordingLine = line;
    StartRecording(file);
    UpdateArea();
}

void TfrmDialogi_Prez::StopLineRecording()
{
    const int line = m_recordingLine;
    m_recordingLine = -1;
    StopRecording(true);
    if (line < 0 || line >= Lines().size())
        return;
    TKwestia &kwestia = EditLines()[line];
    kwestia.IsRecording = false;
    // Without a microphone nothing was saved: no icon for a recording that is not there.
    kwestia.HasOwnRecording = QFileInfo(LearnerFiles(line).Temporary).isFile();
    UpdateArea();
}

void TfrmDialogi_Prez::btnDrukujClick()
{
    HideBubble();
    TPrinterHTML &printer = PrinterHTML();
    printer.Clear();
    const QStringList footer{u"Materiał do nauki własnej – wszelkie prawa zastrzeżone."_s,
                             Utils::ProductCaption()};
    printer.Title = m_printedTitle.isEmpty() ? Utils::ProductCaption() : m_printedTitle;
    printer.LoadFromString(Presentation::PrintPage(m_printedTitle, Lines(), footer));
    printer.Print(0, 40);
}

void TfrmDialogi_Prez::closeEvent(QCloseEvent *event)
{
    // Letting go of the microphone is missed when the screen closes under it: what was said
    // so far is saved before the recordings are put away.
    if (m_recordingLine >= 0)
        StopLineRecording();
    CloseMedia();
    QList<Presentation::TLearnerRecording> files;
    for (int i = 0; i < Lines().size(); ++i)
        files << LearnerFiles(i);
    const QStringList problems =
        Presentation::CloseLearnerRecordings(files, Host().Settings().ArchiveRecordings != 0);
    if (!problems.isEmpty())
        Utils::ShowSystemError(u"Błąd podczas niszczenia cwiczenia! "_s +
                               u"(%1)"_s.arg(QFileInfo(FilePath()).fileName()) + u"\n\n"_s +
                               problems.join(u'\n'));
    TDialogueScreen::closeEvent(event);
    EditLines().clear();
}
