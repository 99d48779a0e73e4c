#include "output.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>
#include <stdexcept>

namespace coursegen {

QByteArray Fingerprint(const QByteArray& recipe) {
    // The generator's own sources take part, so a changed drawing or voice
    // setting makes its files again.
    return QCryptographicHash::hash(QByteArray(LUMORA_COURSE_GEN_FINGERPRINT) + "\n" + recipe,
                                    QCryptographicHash::Sha1)
        .toHex();
}

Output::Output(QString root, QString cacheFile)
    : root_(std::move(root)), cacheFile_(std::move(cacheFile)) {
    QFile f(cacheFile_);
    if (!f.open(QIODevice::ReadOnly)) {
        return;
    }
    // One line per file: fingerprint, a blank, the course-relative name.
    for (const QByteArray& line : f.readAll().split('\n')) {
        const int blank = line.indexOf(' ');
        if (blank > 0) {
            cache_.insert(QString::fromUtf8(line.mid(blank + 1)), line.left(blank));
        }
    }
}

QString Output::PathFor(const QString& relative) const {
    const QString path = root_ + "/" + relative;
    QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}

bool Output::UpToDate(const QString& relative, const QByteArray& recipe) {
    const auto it = cache_.constFind(relative);
    if (it == cache_.constEnd() || *it != Fingerprint(recipe) ||
        !QFileInfo::exists(root_ + "/" + relative)) {
        return false;
    }
    touched_.insert(relative);
    ++kept_;
    return true;
}

void Output::WriteBytes(const QString& relative, const QByteArray& bytes,
                        const QByteArray& recipe) {
    const QString path = PathFor(relative);
    QFile old(path);
    // An unchanged file keeps its time stamp, so nothing downstream rebuilds.
    if (!(old.open(QIODevice::ReadOnly) && old.readAll() == bytes)) {
        QSaveFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
            throw std::runtime_error("cannot write " + path.toStdString());
        }
    }
    Record(relative, recipe);
}

void Output::Record(const QString& relative, const QByteArray& recipe) {
    cache_.insert(relative, Fingerprint(recipe));
    touched_.insert(relative);
    ++made_;
}

void Output::Finish() {
    for (const QString& k : cache_.keys()) {
        if (!touched_.contains(k)) {
            QFile::remove(root_ + "/" + k);
            cache_.remove(k);
            ++removed_;
        }
    }
    QStringList keys = cache_.keys();
    keys.sort();
    QByteArray text;
    for (const QString& k : keys) {
        text += cache_.value(k) + ' ' + k.toUtf8() + '\n';
    }
    QSaveFile f(cacheFile_);
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size() || !f.commit()) {
        throw std::runtime_error("cannot write " + cacheFile_.toStdString());
    }
}

} // namespace coursegen
