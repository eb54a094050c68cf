#pragma once
// A speech source of the course: the text of one recording (or of a set of recordings, one
// per line), with the voices that speak it. The format is described in content/README.md.

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace CourseMedia {

struct Voice
{
    QString name = QStringLiteral("en-us+m3"); // an espeak-ng voice, with an optional +variant
    int speed = 150;                           // words per minute
    int pitch = 50;                            // 0 .. 99
};

struct SpeechSegment
{
    QString speaker; // empty for the default voice
    Voice voice;
    QString text;      // empty for a pause
    int silenceMs = 0; // a pause of its own ("@silence")
};

struct SpeechSource
{
    Voice defaultVoice;
    QMap<QString, Voice> speakers;
    int pauseMs = 450; // between two spoken lines of the whole recording
    bool split = false;
    bool whole = false;
    QStringList formats{QStringLiteral("mp3"), QStringLiteral("ogg")};
    QList<SpeechSegment> segments;

    int spokenCount() const;
    // The recordings the source gives, without extension: the stem itself and/or stem_01 ...
    QStringList outputNames(const QString &stem) const;
};

// Parses a source; on failure returns false and sets error to a message naming the line.
bool ParseSpeechSource(const QString &text, SpeechSource &source, QString &error);

} // namespace CourseMedia
