#include "exercises/dialogues/uFrmZdania_Dyk.h"

#include "exercises/dialogues/SentenceText.h"
#include "exercises/dialogues/WordArranging.h"
#include "exercises/frame/ExerciseHost.h"
#include "learner/Struct_Config.h"
#include "media/uMedia.h"
#include "reference/uFrmPomoc.h"
#include "skin/VelResButton.h"
#include "skin/uSkin.h"
#include "utils/Utils.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

using namespace Qt::StringLiterals;
using namespace Sentences;

namespace {

// The typed answer without the characters up to code 32 at either end.
QString TrimmedAnswer(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

bool IsEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

TfrmZdania_Dyk::TfrmZdania_Dyk(IExerciseHost &host, QWidget *parent) : TfrmZdania(KindCode, host, parent)
{
    CreateSentenceFrame(QRect(282, 204, 447, 92), 16, QRect(362, 302, 274, 50));
    CreateTranslationCard();

    Edit = new QLineEdit(this);
    Edit->setObjectName(u"Edit"_s);
    Edit->setGeometry(296, 234, 417, 29);
    QFont tahoma(u"Tahoma"_s);
    tahoma.setPixelSize(17);
    Edit->setFont(tahoma);
    Edit->hide();
    Edit->installEventFilter(this);

    FinishCreation();
    Reset();
    StartFirstUseNotice();
}

TfrmZdania_Dyk::~TfrmZdania_Dyk() = default;

void TfrmZdania_Dyk::Reset()
{
    TfrmZdania::Reset();
    Edit->hide();
    Edit->clear();
    m_enterLatch = false;
    m_swallow = false;
    m_answer.clear();
}

void TfrmZdania_Dyk::PrepareSentence()
{
    const TZdanie *sentence = CurrentSentence();
    if (!sentence)
        return;
    Edit->clear();
    Edit->show();
    Obszar->hide();
    if (isVisible())
        Edit->setFocus();
    PrepareTranslationCard(sentence->Translation);
    PlayCurrentSentence();
}

void TfrmZdania_Dyk::showEvent(QShowEvent *event)
{
    TfrmZdania::showEvent(event);
    // The frame gives the screen the focus; while typing it belongs to the edit field.
    if (!Edit->isHidden())
        Edit->setFocus();
}

void TfrmZdania_Dyk::CheckAction()
{
    if (btnSpr->Tag() == 0) {
        btnSpr->SetTag(1);
        StopMedia();
        btnSpr->SetCaption(Utils::GetInterfaceText(8));
        m_answer = TrimmedAnswer(Edit->text());
        Edit->hide();
        setFocus();
        const LearnerSettings &settings = Host().Settings();
        m_lastRight = CompareTypedSentence(CurrentSentence()->Text, m_answer, settings.UsePunctuation != 0,
                                           settings.MatchCase != 0);
        CountAnswer(m_lastRight);
        Obszar->show();
        Obszar->update();
        btnTlumaczenie->show();
        return;
    }
    btnSpr->SetTag(0);
    PickNext();
    btnSpr->SetCaption(Utils::GetInterfaceText(41));
    Edit->clear();
    Edit->show();
    Edit->setFocus();
    Obszar->hide();
}

void TfrmZdania_Dyk::ObszarPaint(QPainter &painter)
{
    const TZdanie *sentence = CurrentSentence();
    if (!sentence || btnSpr->Tag() != 1)
        return;
    const QFontMetrics metrics(Obszar->font());
    const int h = metrics.height();
    const TextWidth width = [&metrics](const QString &word) { return metrics.horizontalAdvance(word); };
    const auto drawText = [&](const QStringList &words, int x0, int y0, const QList<bool> &wrong) {
        const QList<QRect> rects = FlowWords(words, {x0, y0, h, Obszar->width() - 16, 4}, h, width);
        for (int i = 0; i < words.size(); ++i) {
            painter.setPen(wrong.value(i) ? SkinColors::Red : QColor(Qt::black));
            painter.drawText(rects[i].left(), rects[i].top() + metrics.ascent(), words[i]);
        }
    };
    painter.drawPixmap(0, 0, Host().Picture(u"IMG_OK"_s));
    drawText(LayoutWords(sentence->Text), 30, 4, {});
    if (!m_lastRight && !m_answer.isEmpty()) {
        // The words that do not match the model's are drawn in the wrong-answer colour.
        const LearnerSettings &settings = Host().Settings();
        painter.drawPixmap(0, 50, Host().Picture(u"IMG_Zle"_s));
        drawText(
            LayoutWords(m_answer), 30, 54,
            DifferingWords(sentence->Text, m_answer, settings.UsePunctuation != 0, settings.MatchCase != 0));
    }
}

void TfrmZdania_Dyk::EnterPressed()
{
    if (m_busy || m_enterLatch)
        return;
    m_enterLatch = true;
    CloseMedia();
    btnSprClick();
}

void TfrmZdania_Dyk::keyPressEvent(QKeyEvent *event)
{
    if (IsEnter(event)) {
        if (!event->isAutoRepeat())
            EnterPressed();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Space) {
        if (!event->isAutoRepeat())
            ActAsClick(btnTlumaczenie);
        event->accept();
        return;
    }
    TfrmZdania::keyPressEvent(event);
}

void TfrmZdania_Dyk::keyReleaseEvent(QKeyEvent *event)
{
    if (IsEnter(event) && !event->isAutoRepeat())
        m_enterLatch = false;
    TfrmZdania::keyReleaseEvent(event);
}

bool TfrmZdania_Dyk::EditKeyPress(QKeyEvent *event)
{
    m_swallow = false;
    if (IsEnter(event)) {
        if (!event->isAutoRepeat())
            EnterPressed();
        return true; // Enter types nothing
    }
    if (event->key() == Qt::Key_W && event->modifiers().testFlag(Qt::ControlModifier)) {
        m_swallow = true;
        if (!event->isAutoRepeat())
            ActAsClick(btnMedia);
        return true;
    }
    if (event->key() == Qt::Key_F1) {
        OpenHelp(HelpPage(), HelpInLearnerMode(), this);
        return true;
    }
    if (event->key() == Qt::Key_F4) {
        NewBackground();
        return true;
    }
    return false;
}

bool TfrmZdania_Dyk::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit) {
        if (event->type() == QEvent::KeyPress && EditKeyPress(static_cast<QKeyEvent *>(event)))
            return true;
        if (event->type() == QEvent::KeyRelease) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (IsEnter(key) && !key->isAutoRepeat())
                m_enterLatch = false;
        }
    }
    return TfrmZdania::eventFilter(watched, event);
}
