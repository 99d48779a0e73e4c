#pragma once
// Speech from espeak-ng. A script is one or more parts, each "voice: text",
// separated by "||"; the parts are spoken one after another with a short
// pause between them. Voices: en and en2 (British English, a man and a
// woman), pl and pl2 (Polish, a man and a woman).
#include "wave_file.h"

#include <QString>

namespace coursegen {

// Throws when a voice is unknown or espeak-ng fails.
Sound Speak(const QString& script);

// What goes into a cache recipe for a script: the script and the voices'
// settings, so that changing either makes the sound again.
QByteArray SpeechRecipe(const QString& script);

// The text without the course markup: <b>, <br>, @, [iko_...] and the like.
QString PlainSpokenText(const QString& marked);

} // namespace coursegen
