#pragma once
// Fonts as the screens name them ("Arial", "Arial CE", "MS Sans Serif", sizes
// in points at 96 pixels per inch) turned into Qt fonts. The three Windows
// faces are replaced by the metric-compatible Liberation fonts, and sizes go
// to pixels so the layouts match whatever the display's resolution.
#include "canvas.h"

#include <QColor>
#include <QFont>
#include <string>

namespace lumora {

// The face that stands in for a Windows face; other faces are kept.
std::string SubstituteFontFace(const std::string& face);

QFont MakeFont(const FontSpec& wanted);
QColor ToQColor(Rgb colour);

// Registers the substitutions with Qt, so fonts made elsewhere by face name
// find the same Liberation fonts.
void InstallFontSubstitutions();

} // namespace lumora
