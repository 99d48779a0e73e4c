#include "voice_picture.h"

#include <QApplication>
#include <QEvent>

#include <algorithm>
#include <cmath>
#include <string>

#include "sound/voice_samples.h"

namespace lumora {
namespace {

constexpr Rgb kPanelColour{250, 248, 240};
constexpr Rgb kFrameColour{120, 120, 120};
constexpr Rgb kLoudnessColour{150, 185, 225};
constexpr Rgb kPitchColour{200, 40, 40};
constexpr Rgb kTextColour{40, 40, 40};
constexpr int kGap = 6;
constexpr int kTitleHeight = 16;
// The pitch scale, logarithmic, spans both voices' pitches with room
// around them, and at least an octave, so a nearly flat voice looks flat.
constexpr float kPitchRoom = 1.25F;
constexpr float kLeastSpan = 2.0F;
constexpr int kDot = 3;
// How long the picture stays after both voices have played.
constexpr int kAfterPlayMs = 4000;
constexpr double kMsPerSecond = 1000.0;

constexpr const char* kOwnTitle = "Ty";
constexpr const char* kModelTitle = "Lektor";
constexpr const char* kTooShortText = "Za krótko: powiedz całe słowo";
constexpr const char* kSilentText = "Cisza: nic nie słychać";

struct PitchScale {
    float low = 1;
    float high = 2;
};

PitchScale ScaleFor(const VoiceProfile& own, const VoiceProfile& model) {
    float low = 0;
    float high = 0;
    for (const VoiceProfile* voice : {&own, &model}) {
        for (const float hz : voice->pitchHz) {
            if (hz > 0) {
                low = low == 0 ? hz : std::min(low, hz);
                high = std::max(high, hz);
            }
        }
    }
    if (low == 0) {
        return {};
    }
    const float middle = std::sqrt(low * high);
    const float half_span = std::max(std::sqrt(high / low) * kPitchRoom, std::sqrt(kLeastSpan));
    return {middle / half_span, middle * half_span};
}

std::size_t Steps(const VoiceProfile& voice) {
    return voice.verdict == VoiceProfile::Verdict::Ok ? voice.loudness.size() : 0;
}

void PaintVerdict(Canvas& canvas, const Rect& plot, const VoiceProfile& voice) {
    const char* text = voice.verdict == VoiceProfile::Verdict::Silent ? kSilentText : kTooShortText;
    canvas.Brush.style = BrushStyle::Clear;
    const int width = canvas.TextWidth(text);
    canvas.TextOut(plot.left + (plot.width - width) / 2,
                   plot.top + (plot.height - canvas.TextHeight(text)) / 2, text);
}

void PaintCurves(Canvas& canvas, const Rect& plot, const VoiceProfile& voice, std::size_t steps,
                 const PitchScale& scale) {
    const auto x_of = [&](std::size_t step) {
        return plot.left + static_cast<int>(step * static_cast<std::size_t>(plot.width) / steps);
    };
    canvas.Brush = {BrushStyle::Solid, kLoudnessColour};
    for (std::size_t s = 0; s < voice.loudness.size(); ++s) {
        const int height = static_cast<int>(voice.loudness[s] * static_cast<float>(plot.height));
        const int left = x_of(s);
        canvas.FillRect({left, plot.Bottom() - height, std::max(1, x_of(s + 1) - left), height});
    }
    canvas.Brush = {BrushStyle::Solid, kPitchColour};
    for (std::size_t s = 0; s < voice.pitchHz.size(); ++s) {
        const float hz = voice.pitchHz[s];
        if (hz <= 0) {
            continue;
        }
        const float share =
            std::clamp(std::log(hz / scale.low) / std::log(scale.high / scale.low), 0.0F, 1.0F);
        const int y = plot.Bottom() - static_cast<int>(share * static_cast<float>(plot.height));
        canvas.FillRect({x_of(s), y - kDot / 2, kDot, kDot});
    }
}

void PaintPanel(Canvas& canvas, const Rect& panel, const char* title, const VoiceProfile& voice,
                std::size_t steps, const PitchScale& scale) {
    canvas.Pen = {kFrameColour, 1};
    canvas.Brush = {BrushStyle::Solid, kPanelColour};
    canvas.Rectangle(panel);
    canvas.Font.colour = kTextColour;
    canvas.Brush.style = BrushStyle::Clear;
    canvas.TextOut(panel.left + kGap, panel.top + 1, title);
    const Rect plot{panel.left + kGap, panel.top + kTitleHeight, panel.width - 2 * kGap,
                    panel.height - kTitleHeight - kGap};
    if (Steps(voice) == 0) {
        PaintVerdict(canvas, plot, voice);
        return;
    }
    PaintCurves(canvas, plot, voice, steps, scale);
}

struct AnalysedVoice {
    VoiceProfile profile;
    double milliseconds = 0;
};

AnalysedVoice Analyse(const std::string& path) {
    AnalysedVoice voice;
    if (const std::optional<VoiceSamples> samples = ReadVoiceSamples(path)) {
        voice.profile = AnalyseVoice(samples->samples, samples->rate);
        if (samples->rate > 0) {
            voice.milliseconds =
                static_cast<double>(samples->samples.size()) * kMsPerSecond / samples->rate;
        }
    }
    return voice;
}

// Ends the picture at a click anywhere in the program.
class ClickWatch final : public QObject {
  public:
    explicit ClickWatch(VoicePicture& picture) : picture_(picture) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress && picture_.IsVisible()) {
            picture_.Hide();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    VoicePicture& picture_;
};

} // namespace

void PaintVoiceComparison(Canvas& canvas, const Rect& area, const VoiceProfile& own,
                          const VoiceProfile& model) {
    // One time scale for both: the longer voice fills its panel.
    const std::size_t steps = std::max({Steps(own), Steps(model), std::size_t{1}});
    const PitchScale scale = ScaleFor(own, model);
    const int half = (area.width - kGap) / 2;
    PaintPanel(canvas, {area.left, area.top, half, area.height}, kOwnTitle, own, steps, scale);
    PaintPanel(canvas, {area.left + half + kGap, area.top, half, area.height}, kModelTitle, model,
               steps, scale);
}

void CompareVoices(VoicePicture& picture, const std::string& own_path,
                   const std::string& model_path, double tempo) {
    const AnalysedVoice own = Analyse(own_path);
    const AnalysedVoice model = Analyse(model_path);
    const double playing = (own.milliseconds + model.milliseconds) / std::max(tempo, 0.1);
    picture.Show(own.profile, model.profile, static_cast<int>(playing) + kAfterPlayMs);
}

VoicePicture::VoicePicture(QWidget& parent, const Rect& area)
    : box_(new PaintBox(&parent)), clickWatch_(std::make_unique<ClickWatch>(*this)) {
    box_->SetBounds(area.left, area.top, area.width, area.height);
    box_->hide();
    box_->OnPaint = [this](Canvas& canvas) {
        PaintVoiceComparison(canvas, {0, 0, canvas.Width(), canvas.Height()}, own_, model_);
    };
    hide_.OnTimer = [this] { Hide(); };
}

VoicePicture::~VoicePicture() {
    qApp->removeEventFilter(clickWatch_.get());
}

void VoicePicture::Show(const VoiceProfile& own, const VoiceProfile& model, int milliseconds) {
    own_ = own;
    model_ = model;
    box_->raise();
    box_->show();
    box_->update();
    hide_.SetInterval(milliseconds);
    hide_.SetEnabled(true);
    qApp->installEventFilter(clickWatch_.get());
}

void VoicePicture::Hide() {
    hide_.SetEnabled(false);
    qApp->removeEventFilter(clickWatch_.get());
    box_->hide();
}

bool VoicePicture::IsVisible() const {
    return !box_->isHidden();
}

} // namespace lumora
