#pragma once
// Which media the course needs, read off its loaded tables: every picture and
// sound that a lesson will open, with what it must show or say.
#include "course/course_data.h"
#include "manifest.h"

#include <QSize>
#include <QString>
#include <vector>

namespace coursegen {

struct PictureJob {
    QString path;  // course-relative, with '/'
    QSize size;    // the size the screen shows it at
    QString scene; // what it shows (scene.h)
    QString topic; // whose colours it takes
};

struct SpeechJob {
    QString path;
    QString script; // speech.h
};

struct FilmJob {
    QString stem; // "Teksty_wav/<stem>.mpg" and ".bmp"
    QString topic;
    QString narration; // the film's spoken text, from its typing exercise
};

struct MediaPlan {
    std::vector<PictureJob> pictures;
    std::vector<SpeechJob> speech;
    std::vector<FilmJob> films;
};

// Sizes at which the screens show pictures.
inline const QSize kWordPictureSize{160, 190};
inline const QSize kCrosswordPictureSize{101, 120};
inline const QSize kRevealPictureSize{600, 400};
// A sentence lesson of code 1 to 4 shows its pictures at this size.
QSize SentencePictureSize(int code);

// Throws, naming every problem found, when a table names a picture or a sound
// that the manifests do not describe, or a manifest describes a picture that
// no table uses.
MediaPlan PlanMedia(const lumora::CourseData& course, const QMap<QString, ManifestEntry>& art,
                    const QMap<QString, ManifestEntry>& speech);

// The spoken text of a typing exercise's file: its words with the gaps filled
// in and the marks of the format left out.
QString FcsNarration(const std::vector<std::string>& fcsLines);

} // namespace coursegen
