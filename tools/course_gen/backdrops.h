#pragma once
// The painted grounds that scenes stand on: a room, a street, the sea...
// Each is drawn from a few shapes in the course palette.
#include "theme.h"

#include <QPainter>
#include <QString>

namespace coursegen {

struct BackdropInfo {
    double ground = 55; // where unplaced items stand, in percent of the height
    bool dark = false;  // texts on it are drawn white
};

bool IsBackdrop(const QString& name);

// Paints the backdrop over the whole of rect and tells where things stand.
BackdropInfo PaintBackdrop(QPainter& p, const QString& name, const QRect& rect,
                           const TopicTheme& topic);

} // namespace coursegen
