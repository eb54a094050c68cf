#include "exercises/dialogues/uFrmZdania_Tlu.h"

#include "exercises/dialogues/SentenceText.h"
#include "exercises/dialogues/WordArranging.h"
#include "media/uMedia.h"
#include "skin/VelResButton.h"
#include "skin/uSkin.h"
#include "utils/Utils.h"

#include <QKeyEvent>
#include <QPainter>

using namespace Qt::StringLiterals;
using namespace Sentences;

TfrmZdania_Tlu::TfrmZdania_Tlu(IExerciseHost &host, QWidget *parent) : TfrmZdania(KindCode, host, parent)
{
    CreateSentenceFrame(QRect(282, 204, 447, 122), 16, QRect(362, 332, 274, 50));
    btn_Umiem = JudgeButton(u"btn_Umiem"_s, QRect(282, 388, 221, 50), 1, 49, u"IMG_Umiem"_s);
    btn_NieUmiem = JudgeButton(u"btn_NieUmiem"_s, QRect(508, 388, 221, 50), 0, 50, u"IMG_NieUmiem"_s);
    FinishCreation();
    Reset();
    StartFirstUseNotice();
}

TfrmZdania_Tlu::~TfrmZdania_Tlu() = default;

TVelResButton *TfrmZdania_Tlu::JudgeButton(const QString &name, const QRect &rect, int tag, int text,
                                           const QString &glyph)
{
    TVelResButton *button = CreateButton(name, rect);
    button->SetGrafikaIndex(1);
    QFont trebuchet(u"Trebuchet MS"_s);
    trebuchet.setPixelSize(19);
    button->setFont(trebuchet);
    button->SetFontColor(QColor(52, 52, 52));
    button->SetGlyph(SkinPictureOrNull(CurrentSkin().Handle, glyph));
    button->SetCaption(Utils::GetInterfaceText(text));
    button->SetTag(tag);
    button->hide();
    connect(button, &QAbstractButton::clicked, this, [this, button] { JudgeClick(button); });
    return button;
}

void TfrmZdania_Tlu::Reset()
{
    TfrmZdania::Reset();
    btn_Umiem->hide();
    btn_NieUmiem->hide();
}

void TfrmZdania_Tlu::PrepareSentence()
{
    PlayCurrentSentence();
}

void TfrmZdania_Tlu::CheckAction()
{
    const bool listening = btnSpr->Tag() == 0;
    btn_Umiem->setVisible(listening);
    btn_NieUmiem->setVisible(listening);
    Obszar->setVisible(listening);
    btnSpr->setVisible(!listening);
    if (listening) {
        btnSpr->SetTag(1);
        StopMedia();
        Obszar->update();
        return;
    }
    btnSpr->SetTag(0);
    PickNext();
}

void TfrmZdania_Tlu::JudgeClick(TVelResButton *button)
{
    if (m_run.IsOver() || !m_run.CurrentSentence() || btnSpr->Tag() != 1)
        return;
    CountAnswer(button->Tag() == 1);
    if (!m_run.IsOver())
        btnSprClick(); // the revealed state: hide the judgement, offer the next sentence
}

void TfrmZdania_Tlu::HideAnswerButtons()
{
    btn_Umiem->hide();
    btn_NieUmiem->hide();
}

void TfrmZdania_Tlu::ObszarPaint(QPainter &painter)
{
    const TZdanie *sentence = CurrentSentence();
    if (!sentence)
        return;
    const QFontMetrics metrics(Obszar->font());
    const int h = metrics.height();
    const TextWidth width = [&metrics](const QString &word) { return metrics.horizontalAdvance(word); };
    painter.setPen(Qt::black);
    for (const auto &[text, top] : {std::pair{sentence->Text, 0}, std::pair{sentence->Translation, 50}}) {
        const QStringList words = LayoutWords(text);
        const QList<QRect> rects = FlowWords(words, {0, top, h, Obszar->width() - 16, 4}, h, width);
        for (int i = 0; i < words.size(); ++i)
            painter.drawText(rects[i].left(), rects[i].top() + metrics.ascent(), words[i]);
    }
}

void TfrmZdania_Tlu::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool fresh = !event->isAutoRepeat();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (fresh && !m_busy && btnSpr->Tag() == 0)
            btnSprClick();
        event->accept();
        return;
    }
    if (key == Qt::Key_1 || key == Qt::Key_2) {
        if (fresh && !m_busy && btnSpr->isHidden())
            JudgeClick(key == Qt::Key_1 ? btn_Umiem : btn_NieUmiem);
        event->accept();
        return;
    }
    TfrmZdania::keyPressEvent(event);
}
