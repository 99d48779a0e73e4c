#pragma once
// The course's text files are written as UTF-8 with LF line ends, which is
// easy to edit and review; the program reads Windows-1250 with CR LF. This
// step turns every file under the source table folder into that form.
#include "output.h"

#include <QString>

namespace coursegen {

// Converts every file below sourceDir into the course folder, keeping the
// relative names. Throws when a file holds a character that Windows-1250
// lacks, naming the file and the line.
void ConvertTextTables(const QString& sourceDir, Output& out);

// The conversion of one file's text: CP1250 bytes, CR LF after every line.
QByteArray ToCourseText(const QString& utf8Text, const QString& nameForErrors);

} // namespace coursegen
