#include "exercises/dialogues/uFrmDialogi_Rozum.h"

#include "exercises/frame/ExerciseHost.h"
#include "learner/Struct_Config.h"
#include "media/uMedia.h"
#include "skin/VelProgress.h"
#include "skin/VelResButton.h"
#include "skin/uSkin.h"
#include "utils/Utils.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;
using namespace Comprehension;

namespace {

// The frame of a hidden line: an empty rounded box in the dialogues' light blue, with three
// dots where the words would be.
QPixmap FramePicture()
{
    QPixmap picture(40, 18);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(49, 228, 251), 1.5));
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawRoundedRect(QRectF(1, 1, 38, 16), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(49, 228, 251));
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(13 + 7 * i, 9), 1.6, 1.6);
    return picture;
}

} // namespace

TfrmDialogi_Rozum::TfrmDialogi_Rozum(IExerciseHost &host, QWidget *parent)
    : TDialogueScreen(KindCode, host, parent)
{
    CreateDialogueFrame(QRect(75, 129, 610, 25), QRect(35, 165, AreaWidth, AreaHeight));
    CreateResultPanel();
    btnMedia = CreateListenButton(u"btnMedia"_s, QRect(808, 196, 200, 50));
    btnMedia->SetCaption(Utils::GetInterfaceText(42));
    btnMedia->SetHint(Utils::GetInterfaceText(42));
    btnJeszczeRaz = CreateButton(u"btnJeszczeRaz"_s, QRect(808, 252, 200, 50));
    btnJeszczeRaz->SetCaption(Utils::GetInterfaceText(3));
    btnJeszczeRaz->hide();
    connect(btnJeszczeRaz, &QAbstractButton::clicked, this, [this] { btnJeszczeRazClick(); });
    IMG_Ramka = new QLabel(this);
    IMG_Ramka->setObjectName(u"IMG_Ramka"_s);
    IMG_Ramka->setPixmap(FramePicture());
    IMG_Ramka->hide();
    FinishCreation();
    Host().SetButtonGlyph(btnJeszczeRaz, u"IMG_JeszczeRaz"_s, 1);
    StartFirstUseNotice();
}

TfrmDialogi_Rozum::~TfrmDialogi_Rozum() = default;

bool TfrmDialogi_Rozum::LoadFile(const QString &path)
{
    return StartRun(path);
}

bool TfrmDialogi_Rozum::StartRun(const QString &path)
{
    m_path = path;
    StartNewRun();
    btnJeszczeRaz->hide();
    Area()->hide();
    const bool read =
        LoadDialogue(path, DialogueReadOptions(KindCode, Host().Settings().TranslationLanguage));
    QList<bool> visible;
    QStringList recordings;
    for (const TKwestia &line : Lines()) {
        visible << line.Visible;
        recordings << line.Recording;
    }
    m_run.Start(visible, recordings, Dialogue().Modes.value(0, 0), Random());
    ResultPanel()->SetWynik(0);
    LayOutOnce();
    Area()->show();
    PlayCurrentQuestion();
    return read;
}

void TfrmDialogi_Rozum::LayOutOnce()
{
    m_layout = LayOut();
    SetContentHeight(m_layout.ContentHeight);
    UpdateArea();
}

TComprehensionLayout TfrmDialogi_Rozum::LayOut() const
{
    TComprehensionMetrics metrics;
    metrics.Flow = FlowMetrics();
    metrics.Height = Area()->height();
    metrics.ScrollOffset = ScrollOffset();
    metrics.Speaker = SpeakerPicture(3).size();
    metrics.Frame = IMG_Ramka->pixmap().size();
    return LayOutComprehension(Lines(), m_run, metrics);
}

QRect TfrmDialogi_Rozum::FrameRect(int line) const
{
    const TComprehensionLayout layout = LayOut();
    return line >= 0 && line < layout.Lines.size() ? layout.Lines[line].Frame : QRect();
}

void TfrmDialogi_Rozum::PlayCurrentQuestion()
{
    const QString recording = m_run.CurrentRecording();
    if (!recording.isEmpty())
        PlayExerciseMedia(recording, false);
}

void TfrmDialogi_Rozum::btnMediaClick()
{
    PlayCurrentQuestion();
}

void TfrmDialogi_Rozum::btnJeszczeRazClick()
{
    CloseMedia();
    StartRun(m_path);
}

void TfrmDialogi_Rozum::PaintArea(QPainter &painter)
{
    m_layout = LayOut();
    const int height = Area()->height();
    const QPixmap frame = IMG_Ramka->pixmap();
    for (int i = 0; i < m_layout.Lines.size(); ++i) {
        const TComprehensionLine &line = m_layout.Lines[i];
        if (line.RowVisible)
            painter.drawPixmap(line.Speaker.topLeft(), SpeakerPicture(Lines()[i].Speaker));
        if (!line.Frame.isEmpty())
            painter.drawPixmap(line.Frame.topLeft(), frame);
        for (const DialogueLayout::TPlacedWord &word : line.Words) {
            if (DialogueLayout::RowVisible(word.Y, ScrollOffset(), height))
                DrawWord(painter, word.X, word.Y - ScrollOffset(), word.Text);
        }
    }
    SetContentHeight(m_layout.ContentHeight);
}

void TfrmDialogi_Rozum::AreaMousePress(QMouseEvent *event)
{
    m_layout = LayOut(); // the frames as they stand now, whatever was painted last
    const int line = FrameAt(m_layout, event->position().toPoint());
    if (line < 0)
        return;
    switch (m_run.Click(line)) {
    case TComprehensionRun::TClick::Nothing:
        return;
    case TComprehensionRun::TClick::Wrong:
        PlaySkinSound(u"WAV_ZLE"_s);
        break;
    case TComprehensionRun::TClick::Right:
        PlayCurrentQuestion();
        UpdateArea();
        break;
    }
    ResultPanel()->SetWynik(m_run.Percent());
    if (m_run.Finished()) {
        PlaySkinSound(u"WAV_WYNIK"_s);
        ShowResult(m_run.Percent()); // recorded by the host at once
        btnJeszczeRaz->show();
    }
    Area()->setCursor(Qt::ArrowCursor);
}

void TfrmDialogi_Rozum::AreaMouseMove(QMouseEvent *event)
{
    const bool overFrame = FrameAt(m_layout, event->position().toPoint()) >= 0;
    Area()->setCursor(overFrame ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TfrmDialogi_Rozum::closeEvent(QCloseEvent *event)
{
    TDialogueScreen::closeEvent(event);
    EditLines().clear();
    m_run = TComprehensionRun();
}
