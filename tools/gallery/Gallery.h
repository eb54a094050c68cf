#pragma once
// The gallery: renders controls and screens headless to PNG files, from the sample course in
// the assembled program folder. Each area registers its pages in pages_<area>.cpp:
//
//   void RegisterGalleryPages_learner(Gallery &gallery)
//   {
//       gallery.AddPage("login", [] {
//           TfrmLogowanie screen;
//           return Gallery::Grab(&screen);
//       });
//   }
//
// A page's picture is saved as <output>/<page name>.png (the help pages show them from
// Pomoc/img). Screens are given the program folder (Utils::ProgramFolder), the skin bundle
// (CurrentSkin) and the skin fonts before any page runs.

#include <QImage>
#include <QString>
#include <QVector>

#include <functional>
#include <memory>

class QWidget;
class TfrmNawigacja;

class Gallery
{
public:
    using Render = std::function<QImage()>;

    void AddPage(const QString &name, Render render);

    // Shows the widget off-screen, lets pending events and paints run, and grabs it.
    static QImage Grab(QWidget *widget);
    // Lets queued events (timers of 0 ms, deferred layouts) run for a moment.
    static void ProcessEvents(int milliseconds = 30);
    // Moves the mouse into or presses on a control, so hot and pressed states can be shown.
    static void Hover(QWidget *control);
    static void Press(QWidget *control);

    // Several pictures side by side with captions, on a light page.
    static QImage Sheet(const QVector<QPair<QString, QImage>> &items, int columns, const QString &title = {});

    struct Page
    {
        QString Name;
        Render Paint;
    };
    const QVector<Page> &Pages() const { return m_pages; }

private:
    QVector<Page> m_pages;
};

// The exercise host for a page's screen (title bar, navigation bar, mark pictures): the
// program's when there is one, else one of its own for the page's lifetime.
class GalleryHost
{
public:
    GalleryHost();
    ~GalleryHost();
    TfrmNawigacja &operator*() const;
    TfrmNawigacja *operator->() const { return &**this; }

private:
    std::unique_ptr<TfrmNawigacja> m_own;
};

void RegisterGalleryPages_skin(Gallery &gallery);
void RegisterGalleryPages_learner(Gallery &gallery);
void RegisterGalleryPages_runtime(Gallery &gallery);
void RegisterGalleryPages_app(Gallery &gallery);
void RegisterGalleryPages_media(Gallery &gallery);
void RegisterGalleryPages_reference(Gallery &gallery);
void RegisterGalleryPages_words(Gallery &gallery);
void RegisterGalleryPages_listening(Gallery &gallery); // pages_words_listening.cpp, with the words
void RegisterGalleryPages_sentences(Gallery &gallery);
void RegisterGalleryPages_wordtiles(Gallery &gallery);
void RegisterGalleryPages_dialogues(Gallery &gallery);
void RegisterGalleryPages_dialoguetasks(Gallery &gallery); // pages_dialoguetasks.cpp, with the dialogues
