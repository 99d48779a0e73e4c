#pragma once
// Writes the course's sounds: every speech job of the plan (IMA ADPCM WAV)
// and the synthesised feedback tones (PCM WAV).
#include "media_plan.h"
#include "output.h"

namespace coursegen {

// workers: how many espeak-ng processes run at once.
void MakeSounds(Output& out, const std::vector<SpeechJob>& speech, int workers);

} // namespace coursegen
