#include "fonts.h"

#include "font_warm_up.h"

#include <QString>

#include <algorithm>

namespace lumora {
namespace {

struct FaceSubstitution {
    const char* windowsFace;
    const char* substitute;
};

constexpr FaceSubstitution kSubstitutions[] = {
    {"Arial", "Liberation Sans"},
    {"Arial CE", "Liberation Sans"},
    {"MS Sans Serif", "Liberation Sans"},
};

} // namespace

std::string SubstituteFontFace(const std::string& face) {
    for (const auto& s : kSubstitutions) {
        if (QString::fromStdString(face).compare(QString::fromLatin1(s.windowsFace),
                                                 Qt::CaseInsensitive) == 0) {
            return s.substitute;
        }
    }
    return face;
}

QFont MakeFont(const FontSpec& wanted) {
    FinishFontWarmUp();
    QFont font(QString::fromStdString(SubstituteFontFace(wanted.face)));
    font.setPixelSize(std::max(1, wanted.PixelSize()));
    font.setBold(wanted.bold);
    font.setItalic(wanted.italic);
    font.setUnderline(wanted.underline);
    return font;
}

QColor ToQColor(Rgb colour) {
    return QColor(colour.r, colour.g, colour.b);
}

void InstallFontSubstitutions() {
    for (const auto& s : kSubstitutions) {
        QFont::insertSubstitution(QString::fromLatin1(s.windowsFace),
                                  QString::fromLatin1(s.substitute));
    }
}

} // namespace lumora
