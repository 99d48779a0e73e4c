#include "theme.h"

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

QFont UiFont(int pixelSize, bool bold) {
    QFont f("Liberation Sans");
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

} // namespace coursegen
