#include "exercises/words/uFrmOdkrywanka.h"

#include "exercises/frame/ExerciseHost.h"
#include "exercises/words/OdkrywankaImage.h"
#include "learner/Struct_Config.h"
#include "skin/AALabel.h"
#include "skin/VelDymek.h"
#include "skin/VelProgress.h"
#include "skin/VelResButton.h"
#include "skin/uSkin.h"
#include "utils/SystemMessage.h"
#include "utils/Utils.h"
#include "utils/UtilsGui.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

using namespace Qt::StringLiterals;
using namespace UncoveringModel;

namespace {

QPixmap LayoutBackground(const QString &name)
{
    QImage picture = Utils::LoadPictureFile(Utils::ProgramPath(u"\\Gfx\\"_s + name));
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

} // namespace

TfrmOdkrywanka::TfrmOdkrywanka(IExerciseHost &host, QWidget *parent) : TExerciseScreen(KindCode, host, parent)
{
    CreateComponents();
    FinishCreation();
    Reset();
    ApplyLayout();
}

TfrmOdkrywanka::~TfrmOdkrywanka() = default;

void TfrmOdkrywanka::CreateComponents()
{
    IMG_Tlo = new QLabel(this);
    IMG_Tlo->setObjectName(u"IMG_Tlo"_s);
    IMG_Tlo->setGeometry(0, 50, 1024, 718);
    IMG_Tlo->setScaledContents(true);

    CreateTitleBar();
    CreateInstruction(QRect(56, 95, 531, 27))->SetFontColor(Qt::white);

    btnMedia = CreateListenButton(u"btnMedia"_s, QRect(764, 112, 200, 50));
    btnMedia->SetCaption(Utils::GetInterfaceText(42));
    btnSpr = CreateButton(u"btnSpr"_s, QRect(764, 675, 200, 50));
    btnSpr->SetCaption(Utils::GetInterfaceText(3));
    connect(btnSpr, &QAbstractButton::clicked, this, [this] { btnSprClick(); });
    CreateResultPanel(QRect(749, 56, 259, 90));

    const auto hidden = [this](const QString &name, const QImage &picture) {
        auto *label = new QLabel(this);
        label->setObjectName(name);
        label->setPixmap(QPixmap::fromImage(picture));
        label->resize(picture.size());
        label->hide();
        return label;
    };
    Panel_Up = hidden(u"Panel_Up"_s, TOdkrywankaImage::PanelUp());
    Panel_Hover = hidden(u"Panel_Hover"_s, TOdkrywankaImage::PanelHover());
    Panel_Full = hidden(u"Panel_Full"_s, TOdkrywankaImage::PanelFull());
    BtnFont = new QLabel(this);
    BtnFont->setObjectName(u"BtnFont"_s);
    QFont verdana(u"Verdana"_s);
    verdana.setPixelSize(16);
    BtnFont->setFont(verdana);
    BtnFont->hide();
}

void TfrmOdkrywanka::Reset()
{
    HideBubble();
    FreeButtons();
    StartNewRun();
    ResultPanel()->SetWynik(0);
    btnSpr->hide();
    btnSpr->SetTag(1); // the button only ever starts again
    Host().SetButtonGlyph(btnSpr, u"IMG_JeszczeRaz"_s, 1);
    btnMedia->show();
    Gra = TUncoveringRun();
    Ukryty = QImage();
}

bool TfrmOdkrywanka::LoadFile(const QString &path)
{
    Reset();
    PlikCwiczenia = path;
    const int instructionLanguage = 1; // InstructionLanguage: never changed by the program
    OdkrywankaReadResult read =
        ReadOdkrywankaFile(path, instructionLanguage, Host().Settings().TranslationLanguage);
    if (!read.Ok()) {
        ReportLoadFault(path);
        read.Exercise = Struct_Odkrywanka();
    }
    SetInstruction(read.Exercise.Instruction, read.Exercise.Hint);
    Instruction()->setVisible(read.Ok());

    Uklad = LayoutFor(int(read.Exercise.Definitions.size()), Uklad.Index);
    ApplyLayout();
    if (read.Ok()) {
        const QString picture =
            Utils::ResolvePath(Utils::ProgramPath(u"\\Gfx\\Odkrywanki_gfx"_s), UncoveringPictureName(path));
        Ukryty = QFileInfo(picture).isFile() ? Utils::LoadPictureFile(picture) : QImage();
        if (Ukryty.isNull()) {
            Utils::ShowSystemError(u"Brak pliku z grafiką! ("_s + QFileInfo(path).fileName() + u")"_s);
            read.Exercise = Struct_Odkrywanka();
        }
    }
    Gra = TUncoveringRun(read.Exercise.Definitions, Random());
    BuildButtons();
    // Without words nothing plays.
    btnMedia->setVisible(!Przyciski.isEmpty());
    return read.Ok();
}

void TfrmOdkrywanka::LayOutOnce()
{
    btnMediaClick();
}

void TfrmOdkrywanka::ApplyLayout()
{
    IMG_Tlo->setPixmap(LayoutBackground(Uklad.Background));
    btnMedia->move(btnMedia->x(), Uklad.MediaTop);
    btnSpr->move(btnSpr->x(), Uklad.AgainTop);
}

void TfrmOdkrywanka::BuildButtons()
{
    const QList<TDefinicja> &words = Gra.Definitions();
    for (int place = 0; place < Gra.ColumnOrder().size(); ++place) {
        const int index = Gra.ColumnOrder()[place];
        auto *button = new TOdkrywankaImage(index, place, words[index].Word, this);
        button->move(ButtonLeft, ButtonTop(Uklad, place));
        connect(button, &QAbstractButton::clicked, this, [this, index] { WordClick(index); });
        connect(button, &TOdkrywankaImage::LeftPressed, this,
                [this, button](QPoint at) { StripLeftPressed(button, at); });
        connect(button, &TOdkrywankaImage::RightPressed, this,
                [this, button](QPoint at) { StripRightPressed(button, at); });
        connect(button, &TOdkrywankaImage::PointerMoved, this, [this](QPoint at) {
            if (!TOdkrywankaImage::WordHoverArea.contains(at))
                HideBubble();
        });
        connect(button, &TOdkrywankaImage::PointerLeft, this, [this] { HideBubble(); });
        button->show();
        Przyciski.append(button);
    }
    // The bubble stands above the strips.
    if (auto *bubble = findChild<TVelDymek *>(u"IMG_Dymek"_s))
        bubble->raise();
}

void TfrmOdkrywanka::FreeButtons()
{
    for (TOdkrywankaImage *button : std::as_const(Przyciski)) {
        // The buttons leave the screen at once; they are freed when the event loop is back,
        // in case one of them is handling an event now.
        button->hide();
        button->setObjectName(QString());
        button->setParent(nullptr);
        button->deleteLater();
    }
    Przyciski.clear();
}

TOdkrywankaImage *TfrmOdkrywanka::WordButton(int index) const
{
    for (TOdkrywankaImage *button : Przyciski) {
        if (button->Tag() == index)
            return button;
    }
    return nullptr;
}

void TfrmOdkrywanka::btnMediaClick()
{
    const int current = Gra.Current();
    if (current >= 0 && !Gra.IsFinished())
        PlayExerciseMedia(Gra.Definitions()[current].DefinitionRecording, false);
}

void TfrmOdkrywanka::WordClick(int index)
{
    const TUncoveringRun::ClickOutcome outcome = Gra.Click(index);
    if (!outcome.Accepted)
        return;
    const int percent = Gra.Percent().value_or(0);
    if (outcome.Right) {
        PlaySkinSound(u"WAV_OK"_s);
        Uncover(WordButton(index));
    } else {
        PlaySkinSound(u"WAV_ZLE"_s);
    }
    if (outcome.Finished) {
        btnMedia->hide();
        ShowResult(percent); // recorded at once
        PlaySkinSound(u"WAV_WYNIK"_s);
        btnSpr->show();
        return;
    }
    ResultPanel()->SetWynik(percent);
    btnMediaClick(); // the next definition at once
}

void TfrmOdkrywanka::Uncover(TOdkrywankaImage *button)
{
    if (!button)
        return;
    const TDefinicja &word = Gra.Definitions()[button->Tag()];
    button->Uncover(TOdkrywankaImage::UncoveredStrip(Ukryty, button->Place(), word.Word, word.Definition));
    button->move(StripLeft, StripTop(Uklad, button->Place()));
    // A strip lower in the column stands over the button above it, as a stack of cards.
    button->raise();
    if (auto *bubble = findChild<TVelDymek *>(u"IMG_Dymek"_s))
        bubble->raise();
}

void TfrmOdkrywanka::StripLeftPressed(TOdkrywankaImage *button, QPoint at)
{
    HideBubble();
    if (TOdkrywankaImage::DefinitionArea.contains(at))
        PlayExerciseMedia(Gra.Definitions()[button->Tag()].DefinitionRecording, false);
}

void TfrmOdkrywanka::StripRightPressed(TOdkrywankaImage *button, QPoint at)
{
    if (Host().Settings().TranslationLanguage == 255)
        return;
    auto *bubble = findChild<TVelDymek *>(u"IMG_Dymek"_s);
    if (!bubble)
        return;
    if (!bubble->isHidden()) {
        bubble->hide();
        return;
    }
    if (!TOdkrywankaImage::WordArea.contains(at))
        return;
    const QPoint point = at + button->pos();
    bubble->ShowBubble(point.x(), point.y(), Gra.Definitions()[button->Tag()].Translation);
    bubble->raise();
}

void TfrmOdkrywanka::HideBubble()
{
    if (auto *bubble = findChild<TVelDymek *>(u"IMG_Dymek"_s))
        bubble->hide();
}

void TfrmOdkrywanka::btnSprClick()
{
    // Again: the score of the run just ended is already recorded; the new run's will be too.
    LoadFile(PlikCwiczenia);
    LayOutOnce();
}

void TfrmOdkrywanka::showEvent(QShowEvent *event)
{
    TExerciseScreen::showEvent(event);
    // The title bar hands btnSpr the check picture; here it is the again button.
    Host().SetButtonGlyph(btnSpr, u"IMG_JeszczeRaz"_s, 1);
}

void TfrmOdkrywanka::closeEvent(QCloseEvent *event)
{
    TExerciseScreen::closeEvent(event);
    HideBubble();
}
