#pragma once
// A story film: animated scenes with the story spoken over them, encoded by
// the ffmpeg command line as MPEG-1 (352 x 288, 25 frames a second), and its
// still picture, shown until the film starts.
//
// The film's script is a text file of shots, one scene line each (scene.h,
// with >x,y moves). The first shot is the title, shown before the narration
// starts; each further shot lasts as long as one sentence of the narration.
#include "media_plan.h"
#include "output.h"

namespace coursegen {

// Makes "Teksty_wav/<stem>.mpg" and "Teksty_wav/<stem>.bmp" from the script
// "<filmFolder>/<stem>.txt". Throws when the shots and the sentences do not
// pair up or ffmpeg fails.
void MakeFilm(Output& out, const FilmJob& film, const QString& filmFolder);

// The narration cut into sentences, each ending with its full stop,
// question or exclamation mark.
QStringList Sentences(const QString& narration);

} // namespace coursegen
