#pragma once
// The short feedback sounds of the course, synthesised: three kinds of praise
// ("wav\Ok_1.wav" ...), three gentle failure sounds ("wav\No_1.wav" ...) and
// the click of the word search.
#include "wave_file.h"

#include <QString>
#include <vector>

namespace coursegen {

struct ToneFile {
    QString name; // relative to the course folder
    Sound sound;
};

std::vector<ToneFile> FeedbackTones();

} // namespace coursegen
