// Gallery pages of the application core: the main menu after login (also with its hover frame)
// and the black backdrop with its waiting label.
#include "Gallery.h"

#include "app/uMain.h"
#include "app/uPodklad.h"
#include "runtime/uFrmNawigacja.h"
#include "utils/Utils.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

QImage renderMainMenu(const QString &hovered = {})
{
    TfrmMain menu;
    frmMain = &menu;
    TfrmNawigacja host(nullptr, false);
    frmNawigacja = &host;
    host.SetLearner(&menu.LoggedInUser, &menu.Settings);
    menu.LoggedInUser.Id = 1;
    menu.LoggedInUser.Name = u"Ola"_s;
    menu.LoggedInUser.Gender = u"K"_s;
    menu.LoggedInUser.Figure = 13;
    host.LoadCatalogue(); // the interface texts
    host.RegisterExerciseScreen(&menu, TfrmNawigacja::MainMenuButtons);
    menu.ApplyInterfaceTexts();
    if (!hovered.isEmpty()) {
        Gallery::Grab(&menu);
        Gallery::Hover(menu.findChild<QWidget *>(hovered));
    }
    const QImage shot = Gallery::Grab(&menu);
    frmNawigacja = nullptr;
    frmMain = nullptr;
    return shot;
}

QImage renderBackdrop()
{
    TfrmPodklad backdrop;
    backdrop.setFixedSize(1024, 768);
    backdrop.ShowWait(true);
    return Gallery::Grab(&backdrop);
}

} // namespace

void RegisterGalleryPages_app(Gallery &gallery)
{
    gallery.AddPage(u"main_menu"_s, [] { return renderMainMenu(); });
    // The hover frame over an entry and over the publisher's link: a border, the captions readable.
    gallery.AddPage(u"main_menu_hover"_s, [] { return renderMainMenu(u"PaintBox1"_s); });
    gallery.AddPage(u"main_menu_hover_link"_s, [] { return renderMainMenu(u"PaintBox3"_s); });
    gallery.AddPage(u"backdrop"_s, renderBackdrop);
}
