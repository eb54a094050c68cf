#pragma once
// TDialogueScreen: what every dialogue screen (presentation, comprehension, completion,
// reading) shares on top of the exercise frame. The dialogue's own background (by the file's
// name, else the common one), the instruction in light blue with its bubble, the 650 x 550
// paint area "Obszar" drawn off-screen over the background in white Verdana, the scroll bar
// that moves it by 25-pixel rows, the speakers' pictures, the loaded lines, the first-use
// notice of the dialogues; F1 and closing come from the frame.
//
// A screen calls CreateDialogueFrame() in its constructor, then adds its own components and
// calls FinishCreation(). Its LoadFile() calls LoadDialogue() with the kind's reading; its
// PaintArea() lays the lines out (DialogueLayout) and draws them, calling SetContentHeight().

#include "exercises/dialogues/DialogueLayout.h"
#include "exercises/dialogues/Struct_Dialogi.h"
#include "exercises/frame/ExerciseScreen.h"

#include <QFont>
#include <QImage>
#include <QPixmap>

#include <array>

class QLabel;
class TALScrollBar;
class TVelDymek;
class TVelResButton;

class TDialogueScreen : public TExerciseScreen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TDialogueScreen)
public:
    static constexpr int AreaWidth = 650;
    static constexpr int AreaHeight = 550;
    static constexpr int InstructionPixels = 20;
    static constexpr int SmallestInstructionPixels = 15;

    TDialogueScreen(int kind, IExerciseHost &host, QWidget *parent = nullptr);
    ~TDialogueScreen() override;

    // The file as loaded, and its lines (screens keep their own state in them).
    const Struct_Dialogi &Dialogue() const { return m_dialogue; }
    const QList<TKwestia> &Lines() const { return m_dialogue.Lines; }
    QString FilePath() const { return m_dialogue.FilePath; }
    // The picture shown under the title bar, and its file (empty: the plain background).
    const QImage &DialogueBackground() const { return m_backgroundPicture; }
    QString BackgroundPath() const { return m_backgroundPath; }

    QWidget *Area() const;
    TALScrollBar *ScrollBar() const { return m_scrollBar; }
    int ScrollOffset() const { return m_scrollOffset; }
    // Moves the lines to a scroll position (whole rows), as the scroll bar does.
    void ScrollTo(int position);
    // The area as it is drawn now (the off-screen picture copied onto it).
    QImage AreaPicture();

protected:
    // Background, title bar, instruction, paint area, scroll bar and the speakers' pictures.
    void CreateDialogueFrame(const QRect &instruction, const QRect &area);
    // A hidden picture component of the skin's picture name, as the screens' designs hold them.
    QLabel *CreatePicture(const QString &name);

    // Reads the file as the kind reads it (DialogueReadOptions): background, instruction and
    // lines. A fault shows the load message and leaves no line; false then.
    bool LoadDialogue(const QString &path, const TDialogueReadOptions &options);
    QList<TKwestia> &EditLines() { return m_dialogue.Lines; }

    // The font of the area (Verdana 11 point) and the measures the layouts take from it.
    QFont AreaFont() const { return m_areaFont; }
    DialogueLayout::TFlowMetrics FlowMetrics() const;
    // IMG_Osoba_1 .. IMG_Osoba_5; null for any other speaker.
    QPixmap SpeakerPicture(int speaker) const;
    // Draws a word of the area's text with its top-left at (x, y).
    void DrawWord(QPainter &painter, int x, int y, const QString &word) const;
    // "btnMedia": plays the whole dialogue line after line and, pressed again, stops. Its
    // caption is the idle text, or the playing one while anything of the dialogue plays.
    TVelResButton *CreatePlayAllButton(const QRect &rect, int idleText, int playingText);
    // Plays the files one after another with the play-all button in its playing state.
    void PlayQueue(const QStringList &paths);
    // Stops what plays and puts the button back.
    void StopQueue();
    bool PlayingQueue() const;
    // Media\Dialogi\<recording>, where every dialogue recording is played from.
    static QString RecordingPath(const QString &recording);

    // After each layout: shows the scroll bar when the lines are taller than the area.
    void SetContentHeight(int height);
    void UpdateArea();

    // What the area draws over its part of the background, and the area's pointer events
    // (positions in the area's coordinates).
    virtual void PaintArea(QPainter &painter) = 0;
    virtual void AreaMousePress(QMouseEvent *) {}
    virtual void AreaMouseMove(QMouseEvent *) {}
    virtual void AreaMouseRelease(QMouseEvent *) {}
    virtual void AreaLeave() {}
    // A press on the title bar, the background or the scroll bar (the presentation hides its
    // bubble then).
    virtual void OutsideAreaPressed() {}

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class TObszar;
    void ShowBackground(const QString &path);
    void FitInstruction();
    void SetPlayAllFace(bool playing);

    TObszar *m_area = nullptr;
    QLabel *m_backgroundLabel = nullptr;
    TALScrollBar *m_scrollBar = nullptr;
    std::array<QLabel *, 5> m_speakers{};
    QFont m_areaFont;
    Struct_Dialogi m_dialogue;
    QString m_backgroundPath;
    QImage m_backgroundPicture;
    QImage m_areaBackground; // the part of the background behind the area
    QRect m_instructionRect; // as designed, before a long instruction is fitted
    int m_scrollOffset = 0;
    QImage m_offscreen;
    TVelResButton *m_playAll = nullptr;
    int m_playAllIdleText = 0;
    int m_playAllPlayingText = 0;
};
