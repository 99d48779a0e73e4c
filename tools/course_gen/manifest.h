#pragma once
// The generator's own source lists, kept beside the course tables: what each
// picture shows and what each prompt says. A list is UTF-8 text:
//
//     # a comment
//     [obrazki/kuchnia/sl]
//     apple.png = 🍎
//
// A "[folder]" line sets the folder of the names below it; each entry is
// "name = value", the value running to the end of the line.
#include <QMap>
#include <QString>

namespace coursegen {

struct ManifestEntry {
    QString value;
    QString origin; // file and line, for messages
};

// Every entry of every ".txt" file in the folder, keyed by the course-relative
// file name. Throws on a malformed line or a name given twice.
QMap<QString, ManifestEntry> ReadManifests(const QString& folder);

} // namespace coursegen
