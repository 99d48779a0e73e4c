#include "main_menu_topics.h"

namespace lumora {

const std::array<MenuTopic, kMenuTopics>& MenuTopics() {
    static const std::array<MenuTopic, kMenuTopics> topics = {{
        {"lbl_czaswolny", 379, 40, 7, "czas_wolny", "polecenia\\menu\\m1.wav"},
        {"lbl_liczby", 297, 122, 8, "liczby", "polecenia\\menu\\m6.wav"},
        {"lbl_geografia", 133, 122, 3, "miejsca", "polecenia\\menu\\m3.wav"},
        {"lbl_dom", 379, 204, 6, "dom", "polecenia\\menu\\m9.wav"},
        {"lbl_czas", 215, 204, 9, "czas", "polecenia\\menu\\m8.wav"},
        {"lbl_jedzenie", 51, 204, 2, "kuchnia", "polecenia\\menu\\m7.wav"},
        {"lbl_praca", 133, 286, 5, "praca", "polecenia\\menu\\m13.wav"},
        {"lbl_zwierzeta", 297, 286, 4, "zwierzeta", "polecenia\\menu\\m15.wav"},
        {"lbl_podroze", 461, 286, 10, "podroze", "polecenia\\menu\\m16.wav"},
        {"lbl_czlowiek", 379, 368, 11, "czlowiek_i_otoczenie", "polecenia\\menu\\m20.wav"},
        {"lbl_sport", 215, 368, 1, "sport", "polecenia\\menu\\m17.wav"},
        {"lbl_rozne", 133, 450, 12, "rozne", "polecenia\\menu\\m21.wav"},
    }};
    return topics;
}

std::string MenuFrameName(int frame) {
    return "menu_but\\m_on_mouse_" + std::to_string(frame) + ".bmp";
}

std::vector<int> HoverInFrames(int t) {
    std::vector<int> frames;
    for (int k = FirstFrame(t); k <= LastFrame(t); ++k) {
        frames.push_back(k);
    }
    return frames;
}

std::vector<int> HoverOutFrames(int t) {
    std::vector<int> frames;
    for (int k = LastFrame(t); k >= FirstFrame(t); --k) {
        frames.push_back(k);
    }
    return frames;
}

std::array<std::array<int, kMenuTopics>, kIntroSteps> IntroFrames() {
    // Topics by number, in four groups; group g joins at step g and makes one
    // wave out and back in nine steps.
    static const std::vector<std::vector<int>> groups = {
        {1, 12}, {2, 11}, {5, 8, 3, 10}, {7, 4, 6, 9}};
    static const int wave[] = {1, 2, 3, 4, 5, 4, 3, 2, 1};
    std::array<std::array<int, kMenuTopics>, kIntroSteps> steps{};
    for (int g = 0; g < static_cast<int>(groups.size()); ++g) {
        for (int k = 0; k < 9; ++k) {
            for (int t : groups[static_cast<std::size_t>(g)]) {
                steps[static_cast<std::size_t>(g + k)][static_cast<std::size_t>(t - 1)] =
                    FirstFrame(t) + wave[k] - 1;
            }
        }
    }
    return steps;
}

} // namespace lumora
