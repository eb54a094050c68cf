#include "exercises/dialogues/DialogueScreen.h"

#include "exercises/dialogues/PresentationModel.h"
#include "exercises/frame/ExerciseHost.h"
#include "media/uMedia.h"
#include "skin/AALabel.h"
#include "skin/ALScrollBar.h"
#include "skin/VelBelka.h"
#include "skin/VelResButton.h"
#include "skin/uSkin.h"
#include "utils/Utils.h"
#include "utils/UtilsGui.h"

#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

using namespace Qt::StringLiterals;
using namespace DialogueLayout;

namespace {

// The dialogues' own colours: light blue instructions and white lines over dark pictures.
const QColor InstructionColour(49, 228, 251);
const QRect ScrollBarRect(691, 165, 21, 550);
constexpr int BackgroundTop = 50;

// Under a dialogue without any background picture: the deep blue the pictures share, so the
// white lines stay legible.
QImage PlainBackground(const QSize &size)
{
    QImage picture(size, QImage::Format_RGB32);
    QPainter p(&picture);
    QLinearGradient blue(0, 0, size.width(), size.height());
    blue.setColorAt(0, QColor(6, 54, 99));
    blue.setColorAt(1, QColor(4, 38, 72));
    p.fillRect(picture.rect(), blue);
    return picture;
}

} // namespace

// The paint area: hands its painting and pointer to the screen, which owns the lines.
class TDialogueScreen::TObszar : public QWidget
{
public:
    explicit TObszar(TDialogueScreen *form) : QWidget(form), m_form(form)
    {
        setObjectName(u"Obszar"_s);
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        const QImage &picture = m_form->AreaPicture();
        QPainter painter(this);
        painter.drawImage(0, 0, picture);
    }
    void mousePressEvent(QMouseEvent *event) override { m_form->AreaMousePress(event); }
    void mouseMoveEvent(QMouseEvent *event) override { m_form->AreaMouseMove(event); }
    void mouseReleaseEvent(QMouseEvent *event) override { m_form->AreaMouseRelease(event); }
    void leaveEvent(QEvent *) override { m_form->AreaLeave(); }
    void wheelEvent(QWheelEvent *event) override
    {
        TALScrollBar *bar = m_form->ScrollBar();
        if (!bar || bar->isHidden())
            return;
        const int rows = event->angleDelta().y() / 120 * 3;
        bar->SetPosition(std::clamp(bar->Position() - rows, 0, bar->Max()));
        event->accept();
    }

private:
    TDialogueScreen *m_form;
};

TDialogueScreen::TDialogueScreen(int kind, IExerciseHost &host, QWidget *parent)
    : TExerciseScreen(kind, host, parent)
{
    m_areaFont = QFont(u"Verdana"_s);
    m_areaFont.setPointSize(11);
}

TDialogueScreen::~TDialogueScreen() = default;

QWidget *TDialogueScreen::Area() const
{
    return m_area;
}

void TDialogueScreen::CreateDialogueFrame(const QRect &instruction, const QRect &area)
{
    m_backgroundLabel = new QLabel(this);
    m_backgroundLabel->setObjectName(u"IMG_Tlo"_s);
    m_backgroundLabel->setGeometry(0, BackgroundTop, 1024, 718);
    m_backgroundLabel->setScaledContents(true);
    m_backgroundLabel->installEventFilter(this);
    CreateTitleBar()->installEventFilter(this);
    CreateInstruction(instruction);
    Instruction()->SetFontColor(InstructionColour);
    Instruction()->SetWordWrap(false);

    m_area = new TObszar(this);
    m_area->setGeometry(area);
    m_area->setFont(m_areaFont);

    m_scrollBar = CreateScrollBar(ScrollBarRect);
    m_scrollBar->SetSmallChange(1);
    m_scrollBar->SetLargeChange(AreaHeight / LineHeight);
    m_scrollBar->installEventFilter(this);
    connect(m_scrollBar, &QAbstractSlider::valueChanged, this, [this](int position) {
        m_scrollOffset = position * LineHeight;
        UpdateArea();
    });

    for (int speaker = 1; speaker <= 5; ++speaker)
        m_speakers[size_t(speaker - 1)] = CreatePicture(u"IMG_Osoba_%1"_s.arg(speaker));
    ShowBackground({});
}

QLabel *TDialogueScreen::CreatePicture(const QString &name)
{
    auto *label = new QLabel(this);
    label->setObjectName(name);
    label->setPixmap(QPixmap::fromImage(SkinPictureOrNull(CurrentSkin().Handle, name)));
    label->hide();
    return label;
}

void TDialogueScreen::ShowBackground(const QString &path)
{
    m_backgroundPath = path;
    const QSize size = m_backgroundLabel->size();
    QImage picture = path.isEmpty() ? QImage() : Utils::LoadPictureFile(path);
    if (picture.isNull())
        picture = PlainBackground(size);
    else if (picture.size() != size)
        picture = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_backgroundPicture = picture.convertToFormat(QImage::Format_RGB32);
    m_backgroundLabel->setPixmap(QPixmap::fromImage(m_backgroundPicture));
    m_areaBackground = m_backgroundPicture.copy(m_area->geometry().translated(0, -BackgroundTop));
    m_scrollBar->SetIMG_BKG(m_backgroundPicture.copy(m_scrollBar->geometry().translated(0, -BackgroundTop)));
    UpdateArea();
}

bool TDialogueScreen::LoadDialogue(const QString &path, const TDialogueReadOptions &options)
{
    ShowBackground(DialogueBackgroundPath(path));
    DialogueReadResult read = LoadDialogueExercise(path, options);
    if (!read.Ok())
        ReportLoadFault(path);
    m_dialogue = std::move(read.Dialogue);
    m_dialogue.FilePath = path;
    SetInstruction(m_dialogue.Instruction, m_dialogue.Hint);
    FitInstruction();
    m_scrollBar->SetPosition(0);
    m_scrollOffset = 0;
    UpdateArea();
    return read.Ok();
}

void TDialogueScreen::FitInstruction()
{
    // The instruction has one row above the lines: a long one is set smaller until it fits,
    // and below the smallest size it wraps into a second row above the first.
    TAALabel *label = Instruction();
    if (!m_instructionRect.isValid())
        m_instructionRect = label->geometry();
    QFont font = label->font();
    const QString text = label->Caption();
    int pixels = InstructionPixels;
    font.setPixelSize(pixels);
    while (pixels > SmallestInstructionPixels &&
           QFontMetrics(font).horizontalAdvance(text) > m_instructionRect.width())
        font.setPixelSize(--pixels);
    const bool wraps = QFontMetrics(font).horizontalAdvance(text) > m_instructionRect.width();
    label->SetFont(font);
    label->SetWordWrap(wraps);
    const int rows = wraps ? 2 : 1;
    const int height = rows == 1 ? m_instructionRect.height() : 2 * QFontMetrics(font).height() + 2;
    label->setGeometry(m_instructionRect.left(), m_instructionRect.bottom() + 1 - height,
                       m_instructionRect.width(), height);
}

DialogueLayout::TFlowMetrics TDialogueScreen::FlowMetrics() const
{
    const QFontMetrics metrics(m_areaFont);
    TFlowMetrics flow;
    flow.TextWidth = [metrics](const QString &word) { return metrics.horizontalAdvance(word); };
    flow.Blank = metrics.horizontalAdvance(u' ');
    flow.Width = m_area ? m_area->width() : AreaWidth;
    return flow;
}

QPixmap TDialogueScreen::SpeakerPicture(int speaker) const
{
    if (speaker < 1 || speaker > 5)
        return {};
    return m_speakers[size_t(speaker - 1)]->pixmap();
}

void TDialogueScreen::DrawWord(QPainter &painter, int x, int y, const QString &word) const
{
    // The text's cell starts at the row's top, 2 pixels lower so it sits level with the
    // pictures of the row.
    const QFontMetrics metrics(m_areaFont);
    painter.drawText(x, y + 2 + metrics.ascent(), word);
}

TVelResButton *TDialogueScreen::CreatePlayAllButton(const QRect &rect, int idleText, int playingText)
{
    m_playAllIdleText = idleText;
    m_playAllPlayingText = playingText;
    m_playAll = CreateButton(u"btnMedia"_s, rect);
    connect(m_playAll, &QAbstractButton::clicked, this, [this] {
        if (PlayingQueue())
            StopQueue();
        else
            PlayQueue(Presentation::PlayAllQueue(Lines(), RecordingPath));
    });
    SetPlayAllFace(false);
    return m_playAll;
}

void TDialogueScreen::SetPlayAllFace(bool playing)
{
    if (!m_playAll)
        return;
    m_playAll->SetTag(playing ? 1 : 0);
    const QString caption = Utils::GetInterfaceText(playing ? m_playAllPlayingText : m_playAllIdleText);
    m_playAll->SetCaption(caption);
    m_playAll->SetHint(caption);
}

bool TDialogueScreen::PlayingQueue() const
{
    return m_playAll && m_playAll->Tag() == 1;
}

void TDialogueScreen::PlayQueue(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    ClearMediaQueue();
    for (const QString &path : paths)
        EnqueueMedia(path);
    SetPlayAllFace(true);
    // The end of the queue, or CloseMedia, puts the button back.
    OnMediaFinished(this, [this] { SetPlayAllFace(false); });
    PlayMediaQueue(false);
}

void TDialogueScreen::StopQueue()
{
    CloseMedia();
    SetPlayAllFace(false);
}

QString TDialogueScreen::RecordingPath(const QString &recording)
{
    return Utils::MediaPath(u"\\Media\\Dialogi\\"_s + recording);
}

void TDialogueScreen::SetContentHeight(int height)
{
    const int maximum = ScrollMaximum(height, m_area->height());
    if (m_scrollBar->Max() != maximum || m_scrollBar->isHidden() == (maximum > 0)) {
        m_scrollBar->SetMax(std::max(maximum, 0));
        m_scrollBar->setVisible(maximum > 0);
    }
}

void TDialogueScreen::ScrollTo(int position)
{
    m_scrollBar->SetPosition(position);
}

void TDialogueScreen::UpdateArea()
{
    if (m_area)
        m_area->update();
}

QImage TDialogueScreen::AreaPicture()
{
    if (m_offscreen.size() != m_area->size())
        m_offscreen = QImage(m_area->size(), QImage::Format_RGB32);
    QPainter painter(&m_offscreen);
    painter.drawImage(0, 0, m_areaBackground);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(m_areaFont);
    painter.setPen(Qt::white);
    PaintArea(painter);
    return m_offscreen;
}

bool TDialogueScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress &&
        (watched == m_scrollBar || watched == m_backgroundLabel || watched == Belka()))
        OutsideAreaPressed();
    return TExerciseScreen::eventFilter(watched, event);
}
