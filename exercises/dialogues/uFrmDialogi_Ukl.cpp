#include "exercises/dialogues/uFrmDialogi_Ukl.h"

#include "exercises/frame/ExerciseHost.h"
#include "learner/Struct_Config.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

using namespace Qt::StringLiterals;
using namespace DialogueLayout;

TfrmDialogi_Ukl::TfrmDialogi_Ukl(IExerciseHost &host, QWidget *parent)
    : TDialogueScreen(KindCode, host, parent)
{
    CreateDialogueFrame(QRect(75, 129, 610, 25), QRect(35, 165, AreaWidth, AreaHeight));
    CreatePlayAllButton(QRect(808, 196, 200, 50), 44, 83);
    IMG_Osoba_X = CreatePicture(u"IMG_Osoba_X"_s);
    FinishCreation();
    StartFirstUseNotice();
}

TfrmDialogi_Ukl::~TfrmDialogi_Ukl() = default;

bool TfrmDialogi_Ukl::LoadFile(const QString &path)
{
    return LoadDialogue(path, DialogueReadOptions(KindCode, Host().Settings().TranslationLanguage));
}

void TfrmDialogi_Ukl::LayOutOnce()
{
    m_layout = LayOut();
    SetContentHeight(m_layout.ContentHeight);
}

TReadingLayout TfrmDialogi_Ukl::LayOut() const
{
    return LayOutReading(Lines(), FlowMetrics(), Area()->height(), ScrollOffset(),
                         IMG_Osoba_X->pixmap().size());
}

void TfrmDialogi_Ukl::PaintArea(QPainter &painter)
{
    m_layout = LayOut();
    const QPixmap speaker = IMG_Osoba_X->pixmap();
    const int height = Area()->height();
    for (const TReadingLine &line : std::as_const(m_layout.Lines)) {
        if (line.IconVisible)
            painter.drawPixmap(line.Speaker.topLeft(), speaker);
        for (const TPlacedWord &word : line.Words) {
            if (RowVisible(word.Y, ScrollOffset(), height))
                DrawWord(painter, word.X, word.Y - ScrollOffset(), word.Text);
        }
    }
    SetContentHeight(m_layout.ContentHeight);
}

void TfrmDialogi_Ukl::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        TDialogueScreen::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TfrmDialogi_Ukl::closeEvent(QCloseEvent *event)
{
    TDialogueScreen::closeEvent(event);
    EditLines().clear();
}
