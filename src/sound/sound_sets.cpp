// The choice of praise and failure sounds by the sound set.
#include "platform/media/event_wait.h"
#include "platform/random.h"
#include "sound_service.h"

namespace lumora {
namespace {

// Sound set 4 draws its set: praise 1..15 in three equal bands, failure 1 or 2.
constexpr int kPraiseDraw = 15;
constexpr int kPraiseBand = 5;
constexpr int kFailureSets = 2;
constexpr int kRandomSet = 4;

int FixedSet(int sound_set) {
    return sound_set >= 1 && sound_set <= 3 ? sound_set : 1;
}

} // namespace

std::string PraiseSoundName(int sound_set) {
    int set = FixedSet(sound_set);
    if (sound_set == kRandomSet) {
        Randomize();
        set = Random(kPraiseDraw) / kPraiseBand + 1;
    }
    return "Ok_" + std::to_string(set) + ".wav";
}

std::string FailureSoundName(int sound_set) {
    int set = FixedSet(sound_set);
    if (sound_set == kRandomSet) {
        Randomize();
        set = Random(kFailureSets) + 1;
    }
    return "No_" + std::to_string(set) + ".wav";
}

void WaitWithEvents(int milliseconds) {
    ProcessEventsFor(milliseconds);
}

} // namespace lumora
