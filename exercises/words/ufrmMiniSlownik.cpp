#include "exercises/words/ufrmMiniSlownik.h"

#include "exercises/shared/FlowPainter.h"
#include "exercises/words/GapTypingModel.h"
#include "skin/ALScrollBar.h"
#include "skin/VelDialogWindow.h"
#include "skin/VelGroupFrame.h"
#include "skin/VelResButton.h"
#include "skin/uSkin.h"
#include "utils/Utils.h"
#include "utils/UtilsGui.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWheelEvent>

using namespace Qt::StringLiterals;

class TfrmMiniSlownik::TObszar : public QWidget
{
public:
    explicit TObszar(TfrmMiniSlownik *form) : QWidget(form), m_form(form) { setObjectName(u"Obszar"_s); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        m_form->ObszarPaint(painter);
    }
    void wheelEvent(QWheelEvent *event) override { m_form->ObszarWheel(event); }

private:
    TfrmMiniSlownik *m_form;
};

TfrmMiniSlownik::TfrmMiniSlownik(const QString &phrases, QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog), Tokens(TaggedText::ReadPhraseList(phrases))
{
    setObjectName(u"frmMiniSlownik"_s);
    setFixedSize(440, 259);
    setModal(true);
    Utils::SetProductCaption(this);

    DialogWindow = new TVelDialogWindow(this);
    DialogWindow->setObjectName(u"DialogWindow"_s);
    DialogWindow->SetBelkaSize(bs40);
    DialogWindow->SetDialogStyle(dsWhite);
    DialogWindow->SetAllowMoveWindow(true);
    DialogWindow->SetCaption(Utils::GetInterfaceText(77));

    VelResButton1 = new TVelResButton(this);
    VelResButton1->setObjectName(u"VelResButton1"_s);
    VelResButton1->SetRozmiar(rozUndefined);
    VelResButton1->setGeometry(394, 1, 34, 18);
    VelResButton1->SetShowCaption(false);
    VelResButton1->SetGlyph(SkinPictureOrNull(CurrentSkin().Handle, u"IMG_Close_N"_s));
    VelResButton1->SetGlyphHot(SkinPictureOrNull(CurrentSkin().Handle, u"IMG_Close_H"_s));
    VelResButton1->SetGlyphDown(SkinPictureOrNull(CurrentSkin().Handle, u"IMG_Close_D"_s));
    VelResButton1->setCursor(Qt::PointingHandCursor);
    connect(VelResButton1, &QAbstractButton::clicked, this, &QDialog::accept);

    VelGroupFrame1 = new TVelGroupFrame(this);
    VelGroupFrame1->setObjectName(u"VelGroupFrame1"_s);
    VelGroupFrame1->SetFrameType(ftFrame_White);
    VelGroupFrame1->setGeometry(12, 49, 395, 198);

    Obszar = new TObszar(this);
    Obszar->setGeometry(20, 57, 379, 182);

    ScrollBar = new TALScrollBar(this);
    ScrollBar->setObjectName(u"ScrollBar"_s);
    ScrollBar->setGeometry(410, 49, 18, 198);
    ScrollBar->SetSkinPictures();
    ScrollBar->SetMin(0);
    ScrollBar->SetMax(0);
    ScrollBar->hide();
    connect(ScrollBar, &QAbstractSlider::valueChanged, this, [this](int position) {
        Przesuniecie = position * WysokoscLinii;
        Obszar->update();
    });

    Czcionka = QFont(u"Tahoma"_s);
    Czcionka.setPixelSize(15);
    const QFontMetrics metrics(Czcionka);
    WysokoscLinii = metrics.height() + 8; // the text height of "XXX" + 8
    Odstep = metrics.horizontalAdvance(u' ');
    Miara = FlowText::MeasureWith(Czcionka);

    ApplySkin(this);
    VelGroupFrame1->lower();
    DialogWindow->lower();
    UpdateScrollBar();
}

TfrmMiniSlownik::~TfrmMiniSlownik() = default;

FlowText::Layout TfrmMiniSlownik::LayOut() const
{
    return GapTyping::LayOutPhrases(Tokens, Miara, Obszar->width(), WysokoscLinii, Odstep);
}

void TfrmMiniSlownik::ScrollTo(int position)
{
    ScrollBar->SetPosition(position);
}

void TfrmMiniSlownik::showEvent(QShowEvent *event)
{
    // Centred on the desktop (or on the owner's screen).
    if (const QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    QDialog::showEvent(event);
}

void TfrmMiniSlownik::UpdateScrollBar()
{
    const int lines = FlowText::ScrollLines(LayOut().ContentHeight, Obszar->height(), WysokoscLinii);
    ScrollBar->SetMax(lines);
    ScrollBar->setVisible(lines > 0);
}

void TfrmMiniSlownik::ObszarPaint(QPainter &painter)
{
    painter.setRenderHint(QPainter::TextAntialiasing);
    FlowText::Paint(painter, LayOut(), Czcionka, FlowText::Palette(), Przesuniecie, Obszar->height(), {});
}

void TfrmMiniSlownik::ObszarWheel(QWheelEvent *event)
{
    if (!ScrollBar->isVisible())
        return;
    const int steps = event->angleDelta().y() / 120;
    ScrollBar->SetPosition(ScrollBar->Position() -
                           (steps == 0 ? (event->angleDelta().y() < 0 ? -1 : 1) : steps));
    event->accept();
}

void OpenMiniDictionary(const QString &phrases, QWidget *owner)
{
    TfrmMiniSlownik window(phrases, owner);
    window.exec();
}
