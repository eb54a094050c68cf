// Gallery pages of the learner screens: the login screen with none, one, a few, five and six
// profiles, the profile dialog in both modes, the password prompt and the settings dialog.
// The screens read their profiles from a scratch program folder, never from the assembled one.
#include "Gallery.h"

#include "course/Struct_Definitions.h"
#include "learner/Struct_Config.h"
#include "learner/TUser.h"
#include "learner/uFrmInputPass.h"
#include "learner/uFrmNewUser.h"
#include "learner/uFrmUstawienia.h"
#include "learner/uLogowanie.h"
#include "skin/VelCheckBox.h"
#include "skin/VelListBox.h"
#include "skin/VelResButton.h"
#include "utils/Utils.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

const QStringList SampleProfiles = {u"1=Anna=K=0==10"_s,  u"2=Tomasz=M=1=abc=21"_s,  u"3=Łucja=K=0==13"_s,
                                    u"4=Jerzy=M=0==15"_s, u"5=Małgorzata=K=0==24"_s, u"6=Żaneta=K=0==22"_s};

// Runs render with the program folder pointed at a scratch copy holding count profiles.
QImage WithProfiles(int count, const std::function<QImage()> &render)
{
    const QString program = Utils::ProgramFolder();
    QTemporaryDir scratch;
    QDir().mkpath(scratch.filePath(u"Users"_s));
    QDir().mkpath(scratch.filePath(u"Gfx"_s));
    QFile::copy(Utils::ResolvePath(program, u"\\Gfx\\bg.bmp"_s), scratch.filePath(u"Gfx/bg.bmp"_s));
    Learner::ProfileList list;
    list.Lines = SampleProfiles.mid(0, count);
    list.Save(Learner::ProfileListPath(scratch.filePath(u"Users"_s)));
    Utils::SetProgramFolder(scratch.path());
    const QImage picture = render();
    Utils::SetProgramFolder(program);
    return picture;
}

QImage Login(int count, int hot = -1)
{
    return WithProfiles(count, [hot] {
        TfrmLogowanie screen;
        screen.show();
        if (hot >= 0)
            screen.Lista->SetHotIndex(hot);
        return Gallery::Grab(&screen);
    });
}

QImage ProfileDialog(bool edit)
{
    Learner::ProfileList list;
    list.Lines = SampleProfiles;
    TfrmNewUser dialog;
    if (edit) {
        dialog.Prepare(Learner::ParseProfileLine(SampleProfiles[1]), true, list);
    } else {
        dialog.Prepare(TUser(), false, list);
        dialog.eLogin->setText(u"Katarzyna"_s);
    }
    return Gallery::Grab(&dialog);
}

} // namespace

void RegisterGalleryPages_learner(Gallery &gallery)
{
    gallery.AddPage(u"login"_s, [] { return Login(3, 1); });
    gallery.AddPage(u"login_empty"_s, [] { return Login(0); });
    gallery.AddPage(u"login_one"_s, [] { return Login(1); });
    gallery.AddPage(u"login_five"_s, [] { return Login(5, 0); });
    gallery.AddPage(u"login_six"_s, [] { return Login(6); });
    gallery.AddPage(u"profile_new"_s, [] { return ProfileDialog(false); });
    gallery.AddPage(u"profile_edit"_s, [] { return ProfileDialog(true); });
    gallery.AddPage(u"password"_s, [] {
        TfrmInputPass dialog;
        dialog.ePass->setText(u"abc"_s);
        return Gallery::Grab(&dialog);
    });
    // Keyboard focus, as the Tab key leaves it: the OK button of the prompt, the password box of
    // the profile dialog.
    gallery.AddPage(u"password_focus"_s, [] {
        TfrmInputPass dialog;
        dialog.ePass->setText(u"abc"_s);
        Gallery::Grab(&dialog);
        dialog.activateWindow();
        Gallery::ProcessEvents();
        dialog.btnOk->setFocus(Qt::TabFocusReason);
        return Gallery::Grab(&dialog);
    });
    gallery.AddPage(u"profile_focus"_s, [] {
        Learner::ProfileList list;
        TfrmNewUser dialog;
        dialog.Prepare(TUser(), false, list);
        dialog.eLogin->setText(u"Katarzyna"_s);
        dialog.chPass->SetChecked(true);
        dialog.eHaslo->setText(u"abc1"_s);
        Gallery::Grab(&dialog);
        dialog.activateWindow();
        Gallery::ProcessEvents();
        dialog.chPass->setFocus(Qt::TabFocusReason);
        return Gallery::Grab(&dialog);
    });
    gallery.AddPage(u"settings"_s, [] {
        QList<Course::TLanguage> languages;
        Course::ReadDefinitionLanguages(languages);
        if (languages.isEmpty())
            languages = {{0, true, u"polski"_s}, {1, false, u"English"_s}};
        LearnerSettings settings = LearnerSettings::Defaults();
        TfrmUstawienia dialog;
        dialog.Prepare(languages, settings);
        return Gallery::Grab(&dialog);
    });
}
