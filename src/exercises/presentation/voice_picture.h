#pragma once
// The picture of the learner's voice beside the model's, shown on the
// vocabulary page after a recording: each voice's loudness over time (a
// filled curve) and its pitch where voiced (dots), both from their starts on
// one time scale, so the learner sees where a word is longer, louder or
// higher than the model's. A recording too short or silent says so instead.
// It stays a few seconds and goes at the next click anywhere.
#include <memory>
#include <string>

#include "platform/ui/canvas.h"
#include "platform/ui/paint_box.h"
#include "platform/ui/timer.h"
#include "sound/voice_profile.h"

class QObject;

namespace lumora {

// Where the vocabulary page shows it: the free left end of the band of its
// buttons, where only the drills draw (their progress bar).
inline constexpr Rect kVoicePictureArea{12, 540, 364, 57};

// Paints the two voices into area.
void PaintVoiceComparison(Canvas& canvas, const Rect& area, const VoiceProfile& own,
                          const VoiceProfile& model);

class VoicePicture {
  public:
    // Placed on parent at area; hidden until Show.
    VoicePicture(QWidget& parent, const Rect& area);
    ~VoicePicture();
    VoicePicture(const VoicePicture&) = delete;
    VoicePicture& operator=(const VoicePicture&) = delete;

    // Shows the two voices for `milliseconds`, or until the next click.
    void Show(const VoiceProfile& own, const VoiceProfile& model, int milliseconds);
    void Hide();
    bool IsVisible() const;

  private:
    PaintBox* box_;
    VoiceProfile own_;
    VoiceProfile model_;
    Timer hide_;
    std::unique_ptr<QObject> clickWatch_;
};

// Analyses the learner's recording and the model's word and shows them while
// the two play, one after the other at tempo, and a few seconds after.
void CompareVoices(VoicePicture& picture, const std::string& own_path,
                   const std::string& model_path, double tempo);

} // namespace lumora
