#include "exercises/words/uFrm3Obrazki.h"

#include "exercises/frame/ExerciseHost.h"
#include "learner/Struct_Config.h"
#include "learner/TUser.h"
#include "media/uFrmAnalizator.h"
#include "skin/AALabel.h"
#include "skin/Vel3ObrazkiFrame.h"
#include "skin/VelProgress.h"
#include "skin/VelResButton.h"
#include "skin/VelZeszytStatystyki.h"
#include "skin/uSkin.h"
#include "utils/Utils.h"
#include "utils/UtilsGui.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;
using ThreePicturesModel::TThreePicturesRun;

namespace {

constexpr QSize PictureSize(160, 200);

// The screen's fixed background; a soft sky when the installation lacks it.
QPixmap FixedBackground()
{
    QImage picture = Utils::LoadPictureFile(Utils::ProgramPath(u"\\Gfx\\bg_3obrazki.bmp"_s));
    if (picture.isNull()) {
        picture = QImage(1024, 718, QImage::Format_RGB32);
        QPainter p(&picture);
        QLinearGradient sky(0, 0, 0, 718);
        sky.setColorAt(0, QColor(214, 236, 248));
        sky.setColorAt(1, QColor(246, 251, 254));
        p.fillRect(picture.rect(), sky);
    }
    return QPixmap::fromImage(picture);
}

// A picture of the turn, fitted into its 160 x 200 place; a file that is missing or does not
// decode leaves the place empty and the turn goes on.
QPixmap TurnPicture(const QString &name)
{
    if (name.isEmpty())
        return {};
    const QImage picture =
        Utils::LoadPictureFile(Utils::ResolvePath(Utils::MediaPath(u"\\Media\\3Obrazki"_s), name));
    if (picture.isNull())
        return {};
    if (picture.size() == PictureSize)
        return QPixmap::fromImage(picture);
    return QPixmap::fromImage(picture.scaled(PictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

TAALabel *SentenceLabel(QWidget *parent, const QString &name, const QRect &place)
{
    auto *label = new TAALabel(parent);
    label->setObjectName(name);
    label->setGeometry(place);
    QFont trebuchet(u"Trebuchet MS"_s);
    trebuchet.setPixelSize(17);
    label->SetFont(trebuchet);
    label->SetFontColor(Qt::black);
    label->SetWordWrap(true);
    label->SetTransparent(true);
    label->hide();
    return label;
}

} // namespace

Tfrm3Obrazki::Tfrm3Obrazki(IExerciseHost &host, QWidget *parent) : TExerciseScreen(KindCode, host, parent)
{
    CreateComponents();
    FinishCreation();
    Reset();
}

Tfrm3Obrazki::~Tfrm3Obrazki() = default;

void Tfrm3Obrazki::CreateComponents()
{
    IMG_Tlo = new QLabel(this);
    IMG_Tlo->setObjectName(u"IMG_Tlo"_s);
    IMG_Tlo->setGeometry(0, 50, 1024, 718);
    IMG_Tlo->setScaledContents(true);
    IMG_Tlo->setPixmap(FixedBackground());

    CreateTitleBar();
    CreateInstruction(QRect(76, 87, 443, 27))->SetFontColor(Qt::white);

    // The pictures first: each frame stands over its picture and takes the clicks.
    const int frameLeft[3] = {76, 387, 695};
    const int pictureLeft[3] = {120, 430, 740};
    const TStylRamki styles[3] = {ft3obA, ft3obB, ft3obC};
    for (int n = 0; n < 3; ++n) {
        Obrazki[n] = new QLabel(this);
        Obrazki[n]->setObjectName(u"B%1"_s.arg(n + 1));
        Obrazki[n]->setGeometry(QRect(QPoint(pictureLeft[n], 227), PictureSize));
        Obrazki[n]->setAlignment(Qt::AlignCenter);
    }
    for (int n = 0; n < 3; ++n) {
        Ramki[n] = new TVel3ObrazkiFrame(this);
        Ramki[n]->setObjectName(u"R%1"_s.arg(n + 1));
        Ramki[n]->setGeometry(frameLeft[n], 178, 248, 296);
        Ramki[n]->SetStylRamki(styles[n]);
        Ramki[n]->setCursor(Qt::PointingHandCursor);
        Ramki[n]->installEventFilter(this);
    }

    ZD1 = SentenceLabel(this, u"ZD1"_s, QRect(195, 536, 534, 65));
    ZD2 = SentenceLabel(this, u"ZD2"_s, QRect(195, 617, 534, 65));

    Statystyki = new TVelZeszytStatystyki(this);
    Statystyki->setObjectName(u"Statystyki"_s);
    Statystyki->setGeometry(0, 515, 155, 200);
    Statystyki->SetShowPowtorki(false);
    Statystyki->SetTextPoprawnie(Utils::GetInterfaceText(104));
    Statystyki->SetTextBlednie(Utils::GetInterfaceText(105));
    Statystyki->SetTextOgolnie(Utils::GetInterfaceText(106));
    Statystyki->SetTextStatystyka(Utils::GetInterfaceText(107));

    btnMedia = CreateListenButton(u"btnMedia"_s, QRect(790, 520, 200, 50));
    btnMedia->SetCaption(Utils::GetInterfaceText(42));

    // The voice analyser's button stays hidden on this screen; shown, it would compare the
    // learner's voice with the turn's recording.
    btnAnalizator = CreateButton(u"btnAnalizator"_s, QRect(790, 592, 200, 50));
    btnAnalizator->SetCaption(Utils::GetInterfaceText(95));
    btnAnalizator->hide();
    connect(btnAnalizator, &QAbstractButton::clicked, this, [this] {
        if (const TGrupaObrazkow *turn = Przebieg.Current())
            OpenVoiceAnalyser(Utils::ProgramPath(u"\\Media\\3Obrazki\\"_s + turn->Recording),
                              Host().LoggedInUser().Id, this);
    });

    btnSpr = CreateButton(u"btnSpr"_s, QRect(790, 665, 200, 50));
    connect(btnSpr, &QAbstractButton::clicked, this, [this] { btnSprClick(); });

    CreateResultPanel(QRect(723, 64, 259, 90));
}

void Tfrm3Obrazki::Reset()
{
    ZD1->hide();
    ZD2->hide();
    for (TVel3ObrazkiFrame *frame : Ramki)
        frame->SetStanRamki(fsNone);
    for (QLabel *picture : Obrazki)
        picture->clear();
    StartNewRun();
    Statystyki->SetPoprawnie(0);
    Statystyki->SetBlednie(0);
    Statystyki->SetXFactor(0);
    btnSpr->hide();
    btnSpr->SetTag(0);
    btnSpr->SetCaption(Utils::GetInterfaceText(43));
    Host().SetButtonGlyph(btnSpr, u"IMG_Sprawdz"_s, 1);
    btnMedia->SetCaption(Utils::GetInterfaceText(42));
    Przebieg = TThreePicturesRun();
}

bool Tfrm3Obrazki::LoadFile(const QString &path)
{
    Reset();
    const int instructionLanguage = 1; // InstructionLanguage: never changed by the program
    ThreePicturesReadResult read =
        Read3ObrazkiFile(path, instructionLanguage, Host().Settings().TranslationLanguage);
    if (!read.Ok()) {
        ReportLoadFault(path);
        read.Exercise = Struct_3Obrazki();
    }
    SetInstruction(read.Exercise.Instruction, read.Exercise.Hint);
    Instruction()->setVisible(read.Ok());
    Przebieg = TThreePicturesRun(read.Exercise.Groups, Random());
    // Without turns nothing plays: the frames and the listen button stay away.
    for (TVel3ObrazkiFrame *frame : Ramki)
        frame->setVisible(read.Ok());
    btnMedia->setVisible(read.Ok());
    return read.Ok();
}

void Tfrm3Obrazki::LayOutOnce()
{
    if (Przebieg.State() == TThreePicturesRun::Phase::NotStarted)
        StartTurn();
}

void Tfrm3Obrazki::StartTurn()
{
    if (!Przebieg.StartNextTurn())
        return;
    for (int n = 0; n < 3; ++n) {
        Ramki[n]->hide();
        Obrazki[n]->setPixmap(TurnPicture(Przebieg.PictureInFrame(n + 1)));
        Ramki[n]->SetStanRamki(fsNone);
    }
    for (int n = 0; n < 3; ++n) {
        Ramki[n]->show();
        // A frame the pointer already stands over shows it at once.
        if (Ramki[n]->underMouse())
            Ramki[n]->SetStanRamki(fsHover);
    }
    btnMediaClick();
}

bool Tfrm3Obrazki::Answering() const
{
    return Przebieg.State() == TThreePicturesRun::Phase::Answering;
}

void Tfrm3Obrazki::btnMediaClick()
{
    const TGrupaObrazkow *turn = Przebieg.Current();
    if (turn)
        PlayExerciseMedia(turn->Recording, false);
}

void Tfrm3Obrazki::PickFrame(int frame)
{
    if (!Answering())
        return;
    const TThreePicturesRun::PickOutcome outcome = Przebieg.Pick(frame);
    if (!outcome.Accepted)
        return;
    if (outcome.Right) {
        Ramki[frame - 1]->SetStanRamki(fsDobrze);
        PlaySkinSound(u"WAV_OK"_s);
    } else {
        Ramki[frame - 1]->SetStanRamki(fsZle);
        Ramki[outcome.RightFrame - 1]->SetStanRamki(fsDobrze);
        PlaySkinSound(u"WAV_ZLE"_s);
    }
    const TGrupaObrazkow &turn = *Przebieg.Current();
    ZD1->SetCaption(turn.Sentence + u"   "_s);
    ZD2->SetCaption(turn.Translation + u"   "_s);
    ZD1->show();
    ZD2->show();

    const int percent = Przebieg.Percent().value_or(0);
    ResultPanel()->SetWynik(percent);
    Statystyki->SetBlednie(unsigned(Przebieg.Bad()));
    Statystyki->SetPoprawnie(unsigned(Przebieg.Good()));
    Statystyki->SetXFactor(unsigned(percent));

    if (!outcome.Finished) {
        btnSpr->show();
        return;
    }
    btnSpr->hide();
    ShowResult(percent); // the host records it when the learner leaves
    PlaySkinSound(u"WAV_WYNIK"_s);
}

void Tfrm3Obrazki::btnSprClick()
{
    if (Przebieg.State() != TThreePicturesRun::Phase::Judged)
        return;
    btnSpr->hide();
    ZD1->hide();
    ZD2->hide();
    StartTurn();
}

void Tfrm3Obrazki::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        btnSprClick();
        event->accept();
        return;
    }
    if (key >= Qt::Key_1 && key <= Qt::Key_3 && !(event->modifiers() & Qt::ControlModifier)) {
        PickFrame(key - Qt::Key_1 + 1);
        event->accept();
        return;
    }
    if (key == Qt::Key_W && (event->modifiers() & Qt::ControlModifier)) {
        if (!btnMedia->isHidden())
            btnMedia->click();
        event->accept();
        return;
    }
    TExerciseScreen::keyPressEvent(event);
}

bool Tfrm3Obrazki::eventFilter(QObject *watched, QEvent *event)
{
    for (int n = 0; n < 3; ++n) {
        if (watched != Ramki[n])
            continue;
        switch (event->type()) {
        case QEvent::Enter:
            if (Answering())
                Ramki[n]->SetStanRamki(fsHover);
            break;
        case QEvent::Leave:
            if (Answering())
                Ramki[n]->SetStanRamki(fsNone);
            break;
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
                PickFrame(n + 1);
            return true;
        default:
            break;
        }
    }
    return TExerciseScreen::eventFilter(watched, event);
}

void Tfrm3Obrazki::closeEvent(QCloseEvent *event)
{
    TExerciseScreen::closeEvent(event);
    Przebieg = TThreePicturesRun();
}
