#pragma once
// What the dialogue presentation does apart from drawing: the play queues of the whole
// dialogue and of one speaker, the learner's recording files and their archiving when the
// screen closes, and the printed page. GUI-free.

#include "exercises/dialogues/Struct_Dialogi.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace Presentation {

// One silence after each line of a speaker, and one more for every full this many characters
// of its text, so the learner has time to repeat it.
constexpr int CharactersPerPause = 70;

// The full path a line's recording is played from (the program gives Media\Dialogi).
using RecordingPath = std::function<QString(const QString &recording)>;

// Every line's recording in order.
QStringList PlayAllQueue(const QList<TKwestia> &lines, const RecordingPath &path);

// The lines of one speaker in order, each followed by the silence file once, and once more
// for every full CharactersPerPause characters of its text.
QStringList SpeakerQueue(const QList<TKwestia> &lines, int speaker, const RecordingPath &path,
                         const QString &silence);

// The learner's two recording files of one line: "usr_" + the recording name in the learner's
// Media_temp folder (made this visit) and in Media_arch (kept from earlier visits). A name is
// used without any folder part it may carry, so no recording lands outside those folders.
struct TLearnerRecording
{
    QString Temporary;
    QString Kept;
};
TLearnerRecording LearnerRecording(const QString &usersFolder, int userId, const QString &recording);

// What closing the screen does with the temporary recordings. With archive on, a temporary
// file replaces the kept one in one step (the kept file is never removed first) and is gone
// only when that succeeded; a failed move keeps both and is reported. With archive off the
// temporary files are deleted and the kept ones stay. Returns the problems, empty when all
// went well.
QStringList CloseLearnerRecordings(const QList<TLearnerRecording> &recordings, bool archive);

// The printed title: the package title's part after its second "=" (stored titles read
// "index=depth=title"); empty when it has fewer than three parts.
QString PrintedTitle(const QString &packageTitle);

// The printed page: an 8-bit HTML text in Windows-1250 (which it declares), the title, then for
// each line a row with the speaker's letter and the text and a row with the translation,
// then the footer lines right-aligned.
QByteArray PrintPage(const QString &title, const QList<TKwestia> &lines, const QStringList &footer);

} // namespace Presentation
