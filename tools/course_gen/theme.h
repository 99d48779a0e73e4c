#pragma once
// The look shared by every picture of the course: one palette, one type face,
// and the twelve topics with their colour and emblem.
#include <QColor>
#include <QFont>
#include <QString>
#include <array>

namespace coursegen {

struct TopicTheme {
    QString folder;  // the topic's folder name in the tables
    QString polish;  // its name as the learner reads it
    QString english; // its English name, shown under the Polish one
    QString emblem;  // the emoji that stands for the topic
    int hue = 0;     // the topic's accent hue, 0..359
    QColor Accent() const;
    QColor Dark() const;  // the accent darkened, for text and frames on paper
    QColor Light() const; // a pale tint of the accent, for bands behind text
};

// The twelve topics in the order of the main menu's topic pictures.
const std::array<TopicTheme, 12>& Topics();

// The topic with that folder name; throws when there is none.
const TopicTheme& TopicByFolder(const QString& folder);

namespace colours {
inline const QColor kPaper{251, 247, 238};     // the page behind lesson content
inline const QColor kPaperEdge{232, 222, 202}; // lines and shadows on the page
inline const QColor kInk{33, 37, 48};          // text on light ground
inline const QColor kNight{28, 42, 66};        // the dark ground behind white text
inline const QColor kNightDeep{16, 25, 42};
inline const QColor kGold{242, 183, 5};
inline const QColor kKey{255, 0, 255}; // the transparent colour of button strips
} // namespace colours

// White or ink, whichever reads better on the ground (the larger contrast
// ratio of their relative luminances).
QColor TextColourOn(const QColor& ground);

// The interface type: Liberation Sans, metric-compatible with Arial, which
// the program uses for its own texts.
QFont UiFont(int pixelSize, bool bold);

} // namespace coursegen
