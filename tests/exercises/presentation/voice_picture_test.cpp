// The comparison picture as it is drawn: both voices on one time scale from
// their starts, and a word instead of a flat line for a recording without
// voice.
#include <gtest/gtest.h>

#include <algorithm>

#include "exercises/presentation/voice_picture.h"
#include "platform/ui/recording_canvas.h"

namespace lumora {
namespace {

constexpr Rect kArea{0, 0, 346, 70};

VoiceProfile Voice(std::size_t steps, float pitch) {
    VoiceProfile voice;
    voice.verdict = VoiceProfile::Verdict::Ok;
    voice.loudness.assign(steps, 0.5F);
    voice.pitchHz.assign(steps, pitch);
    return voice;
}

// The right edge of the widest fill of the loudness colour inside [left, right).
int CurveEnd(const RecordingCanvas& canvas, int left, int right) {
    int end = left;
    for (const DrawnFill& fill : canvas.Fills) {
        if (fill.brush.colour == Rgb{150, 185, 225} && fill.area.left >= left &&
            fill.area.left < right) {
            end = std::max(end, fill.area.Right());
        }
    }
    return end;
}

TEST(VoicePictureTest, BothVoicesShareOneTimeScaleFromTheirStarts) {
    RecordingCanvas canvas(kArea.width, kArea.height);
    PaintVoiceComparison(canvas, kArea, Voice(50, 150), Voice(100, 200));
    const int half = (kArea.width - 6) / 2;
    // The model is twice as long: it fills its panel, the learner's half of hers.
    const int own_plot = half - 12;
    EXPECT_NEAR(CurveEnd(canvas, 0, half) - 6, own_plot / 2, 1);
    EXPECT_NEAR(CurveEnd(canvas, half + 6, kArea.width) - (half + 12), own_plot, 1);
    ASSERT_EQ(canvas.Texts.size(), 2U);
    EXPECT_EQ(canvas.Texts[0].text, "Ty");
    EXPECT_EQ(canvas.Texts[1].text, "Lektor");
}

TEST(VoicePictureTest, SilentOrShortRecordingSaysSoInsteadOfACurve) {
    VoiceProfile silent;
    VoiceProfile short_voice;
    short_voice.verdict = VoiceProfile::Verdict::TooShort;
    for (const auto& [own, word] : {std::pair{silent, "Cisza: nic nie słychać"},
                                    std::pair{short_voice, "Za krótko: powiedz całe słowo"}}) {
        RecordingCanvas canvas(kArea.width, kArea.height);
        PaintVoiceComparison(canvas, kArea, own, Voice(80, 180));
        const int half = (kArea.width - 6) / 2;
        EXPECT_EQ(CurveEnd(canvas, 0, half), 0);
        ASSERT_EQ(canvas.Texts.size(), 3U);
        EXPECT_EQ(canvas.Texts[1].text, word);
        EXPECT_LT(canvas.Texts[1].x, half);
    }
}

} // namespace
} // namespace lumora
