#include "manifest.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

namespace coursegen {

QMap<QString, ManifestEntry> ReadManifests(const QString& folder) {
    QMap<QString, ManifestEntry> entries;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({"*.txt"}, QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::ReadOnly)) {
            throw std::runtime_error("cannot read " + f.fileName().toStdString());
        }
        QString section;
        int lineNo = 0;
        for (const QString& raw : QString::fromUtf8(f.readAll()).split('\n')) {
            ++lineNo;
            const QString line = raw.trimmed();
            const QString origin = name + ":" + QString::number(lineNo);
            if (line.isEmpty() || line.startsWith('#')) {
                continue;
            }
            if (line.startsWith('[') && line.endsWith(']')) {
                section = line.mid(1, line.size() - 2).trimmed();
                continue;
            }
            const int eq = line.indexOf('=');
            if (eq <= 0) {
                throw std::runtime_error(origin.toStdString() + ": expected \"name = value\"");
            }
            const QString file = line.left(eq).trimmed();
            const QString key = section.isEmpty() ? file : section + "/" + file;
            if (entries.contains(key)) {
                throw std::runtime_error(origin.toStdString() + ": " + key.toStdString() +
                                         " is already given at " +
                                         entries[key].origin.toStdString());
            }
            entries.insert(key, {line.mid(eq + 1).trimmed(), origin});
        }
    }
    return entries;
}

} // namespace coursegen
