#pragma once
// The course's illustrations are written as short scene lines, for example
//
//     table: 🍎@35,50 🍌@65,50*30 "3"@50,20*18
//
// an optional backdrop name and a colon, then items: an emoji or a quoted
// text, each optionally followed by @x,y (its centre, in percent of the
// picture), *s (its height, in percent of the picture's height), ! (mirrored,
// so it faces the other way), #n (n copies side by side) and, in films, >x,y
// (where it has moved to by the end of the shot). Items without a place are
// spread evenly along the backdrop's ground line.
#include "theme.h"

#include <QImage>
#include <QString>
#include <vector>

namespace coursegen {

struct SceneItem {
    bool text = false;
    QString content;
    bool placed = false;
    double x = 50;
    double y = 50;
    double size = 0; // 0: the default for the scene
    bool mirror = false;
    int copies = 1;
    bool moves = false;
    double toX = 50;
    double toY = 50;
};

struct Scene {
    QString backdrop = "plain";
    std::vector<SceneItem> items;
};

// Throws std::runtime_error with a description when the line does not parse
// or names an unknown backdrop.
Scene ParseScene(const QString& line);

// progress: how far through a film shot (0 to 1); moving items are drawn
// that far along their way.
QImage RenderScene(const Scene& scene, QSize size, const TopicTheme& topic, double progress = 0);

} // namespace coursegen
