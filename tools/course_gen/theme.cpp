#include "theme.h"

#include <cmath>
#include <stdexcept>

namespace coursegen {

QColor TopicTheme::Accent() const {
    return QColor::fromHsl(hue, 150, 118);
}

QColor TopicTheme::Dark() const {
    return QColor::fromHsl(hue, 140, 62);
}

QColor TopicTheme::Light() const {
    return QColor::fromHsl(hue, 160, 226);
}

const std::array<TopicTheme, 12>& Topics() {
    // Hues go round the colour wheel in menu order, so neighbouring pictures
    // never share a colour.
    static const std::array<TopicTheme, 12> topics{{
        {"czas_wolny", "Czas wolny", "Free time", "🎸", 12},
        {"liczby", "Liczby", "Numbers", "🔢", 205},
        {"miejsca", "Miejsca", "Places", "🏰", 140},
        {"dom", "Dom", "Home", "🏠", 35},
        {"czas", "Czas", "Time", "⏰", 265},
        {"kuchnia", "Kuchnia", "The kitchen", "🍳", 355},
        {"praca", "Praca", "Work", "💼", 185},
        {"zwierzeta", "Zwierzęta", "Animals", "🐘", 95},
        {"podroze", "Podróże", "Travel", "✈️", 220},
        {"czlowiek_i_otoczenie", "Człowiek i otoczenie", "People", "🧑‍🤝‍🧑", 320},
        {"sport", "Sport", "Sport", "⚽", 160},
        {"rozne", "Różne", "Miscellaneous", "🎈", 48},
    }};
    return topics;
}

const TopicTheme& TopicByFolder(const QString& folder) {
    for (const auto& t : Topics()) {
        if (t.folder == folder) {
            return t;
        }
    }
    throw std::runtime_error("no topic named " + folder.toStdString());
}

namespace {

double RelativeLuminance(const QColor& c) {
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

} // namespace

QColor TextColourOn(const QColor& ground) {
    const double g = RelativeLuminance(ground);
    const double onWhite = 1.05 / (g + 0.05);
    const double onInk = (g + 0.05) / (RelativeLuminance(colours::kInk) + 0.05);
    return onWhite >= onInk ? QColor(Qt::white) : colours::kInk;
}

QFont UiFont(int pixelSize, bool bold) {
    QFont f("Liberation Sans");
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

} // namespace coursegen
