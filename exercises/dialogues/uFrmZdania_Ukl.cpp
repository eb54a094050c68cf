#include "exercises/dialogues/uFrmZdania_Ukl.h"

#include "exercises/frame/ExerciseHost.h"
#include "learner/Struct_Config.h"
#include "media/uMedia.h"
#include "skin/AALabel.h"
#include "skin/VelResButton.h"
#include "skin/uSkin.h"
#include "utils/Utils.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;
using namespace Sentences;

TfrmZdania_Ukl::TfrmZdania_Ukl(IExerciseHost &host, QWidget *parent) : TfrmZdania(KindCode, host, parent)
{
    CreateSentenceFrame(QRect(282, 204, 447, 92), 15, QRect(362, 302, 274, 50));

    CreateTranslationCard();

    c1 = new QLabel(this);
    c1->setObjectName(u"c1"_s);
    c1->setPixmap(QPixmap::fromImage(SkinPictureOrNull(CurrentSkin().Handle, u"IMG_c1"_s)));
    c1->resize(8, 22);
    c1->setAttribute(Qt::WA_TransparentForMouseEvents);
    c1->hide();
    Poziom = SkinPictureOrNull(CurrentSkin().Handle, u"IMG_Poziom"_s);

    FinishCreation();
    Reset();
    StartFirstUseNotice();
}

TfrmZdania_Ukl::~TfrmZdania_Ukl() = default;

void TfrmZdania_Ukl::Reset()
{
    TfrmZdania::Reset();
    Slowa.clear();
    m_dragging = false;
    m_source = -1;
    m_target = -1;
    c1->hide();
}

QRect TfrmZdania_Ukl::WordRect(int i) const
{
    if (i < 0 || i >= Slowa.size())
        return {};
    return Slowa[i].Rect.translated(Obszar->pos());
}

int TfrmZdania_Ukl::TextHeight() const
{
    return QFontMetrics(Obszar->font()).height();
}

void TfrmZdania_Ukl::LayOutWords()
{
    const QFontMetrics metrics(Obszar->font());
    LayOutArranging(Slowa, Obszar->width(), metrics.height(),
                    [&metrics](const QString &word) { return metrics.horizontalAdvance(word); });
}

void TfrmZdania_Ukl::PrepareSentence()
{
    const TZdanie *sentence = CurrentSentence();
    if (!sentence)
        return;
    Slowa = DealWords(CutSentence(sentence->Text), Random());
    m_dragging = false;
    m_source = -1;
    m_target = -1;
    LayOutWords();
    Obszar->show();
    Obszar->update();
    PrepareTranslationCard(sentence->Translation);
    PlayCurrentSentence();
}

void TfrmZdania_Ukl::CheckAction()
{
    if (btnSpr->Tag() == 0) {
        btnSpr->SetTag(1);
        StopMedia();
        btnTlumaczenie->setVisible(Host().Settings().TranslationLanguage != 255);
        btnSpr->SetCaption(Utils::GetInterfaceText(8));
        m_dragging = false;
        c1->hide();
        m_lastRight = IsArrangedRight(Slowa);
        CountAnswer(m_lastRight);
        Obszar->update();
        return;
    }
    btnSpr->SetTag(0);
    PickNext();
    btnSpr->SetCaption(Utils::GetInterfaceText(41));
}

void TfrmZdania_Ukl::ObszarPaint(QPainter &painter)
{
    const QFontMetrics metrics(Obszar->font());
    const int h = metrics.height();
    const int ascent = metrics.ascent();
    const TextWidth width = [&metrics](const QString &word) { return metrics.horizontalAdvance(word); };

    if (btnSpr->Tag() == 0) {
        LayOutWords();
        for (const TSlowo &slot : std::as_const(Slowa)) {
            if (slot.Hovered && !m_dragging && !Poziom.isNull())
                painter.drawImage(QRect(slot.Rect.left() - 5, slot.Rect.top() + slot.Rect.height(),
                                        std::max(slot.Rect.width() + 8, 20), 2),
                                  Poziom);
            painter.setPen(slot.Dragged ? QColor(192, 192, 192) : QColor(Qt::black));
            painter.drawText(slot.Rect.left(), slot.Rect.top() + ascent, slot.PlacedWord);
        }
        return;
    }

    // The answered view: the model beside the good mark, the learner's order beside the bad one.
    const QPixmap ok = Host().Picture(u"IMG_OK"_s);
    const QPixmap wrong = Host().Picture(u"IMG_Zle"_s);
    const auto drawRow = [&](const QStringList &words, int top) {
        const QList<QRect> rects = LayOutAnsweredRow(words, ok.width(), top, Obszar->width(), h, width);
        for (int i = 0; i < words.size(); ++i)
            painter.drawText(rects[i].left(), rects[i].top() + 2 + ascent, words[i]);
    };
    painter.setPen(Qt::black);
    painter.drawPixmap(0, 4, ok);
    drawRow(ModelWords(Slowa), 4);
    if (!m_lastRight) {
        painter.drawPixmap(0, 50, wrong);
        drawRow(PlacedWords(Slowa), 50);
    }
}

void TfrmZdania_Ukl::ObszarMouseDown(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        return;
    const int slot = SlotAt(Slowa, event->position().toPoint());
    if (slot < 0)
        return;
    m_dragging = true;
    Slowa[slot].Dragged = true;
    m_source = slot;
    m_target = -1;
    Obszar->update();
}

void TfrmZdania_Ukl::ObszarMouseMove(QMouseEvent *event)
{
    // Once answered, the words stay where they are.
    if (btnSpr->Tag() == 1)
        return;
    const QPoint point = event->position().toPoint();
    if (m_dragging) {
        const TDropTarget target = DropTargetAt(Slowa, point, c1->width());
        m_target = target.Index;
        if (target.Index >= 0) {
            c1->move(Obszar->pos() + target.Marker);
            c1->show();
            c1->raise();
        } else {
            c1->hide();
        }
        return;
    }
    const int over = SlotAt(Slowa, point);
    Obszar->setCursor(over >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    for (int i = 0; i < Slowa.size(); ++i)
        Slowa[i].Hovered = i == over;
    Obszar->update();
}

void TfrmZdania_Ukl::ObszarMouseUp(QMouseEvent *)
{
    m_dragging = false;
    c1->hide();
    if (m_source >= 0 && m_source < Slowa.size()) {
        Slowa[m_source].Dragged = false;
        if (m_target >= 0 && btnSpr->Tag() == 0)
            MoveWord(Slowa, m_source, m_target);
    }
    m_source = -1;
    m_target = -1;
    Obszar->update();
}

void TfrmZdania_Ukl::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter)) {
        // One press, one action: a held key repeats nothing.
        if (!event->isAutoRepeat() && !m_busy && !btnSpr->isHidden())
            btnSprClick();
        event->accept();
        return;
    }
    if (key == Qt::Key_Space) {
        if (!event->isAutoRepeat() && btnSpr->Tag() == 1)
            ActAsClick(btnTlumaczenie);
        event->accept();
        return;
    }
    TfrmZdania::keyPressEvent(event);
}
