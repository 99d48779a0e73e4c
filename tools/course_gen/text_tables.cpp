#include "text_tables.h"

#include "platform/cp1250.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <stdexcept>

namespace coursegen {

QByteArray ToCourseText(const QString& utf8Text, const QString& nameForErrors) {
    QStringList lines = utf8Text.split('\n');
    // A final line end in the source does not start another line.
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    QByteArray bytes;
    int lineNo = 0;
    for (QString line : lines) {
        ++lineNo;
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        const std::string utf8 = line.toStdString();
        const std::string cp = lumora::Utf8ToCp1250(utf8);
        if (lumora::Cp1250ToUtf8(cp) != utf8) {
            throw std::runtime_error(nameForErrors.toStdString() + ":" + std::to_string(lineNo) +
                                     ": a character that Windows-1250 cannot hold");
        }
        bytes += QByteArray::fromStdString(cp);
        bytes += "\r\n";
    }
    return bytes;
}

void ConvertTextTables(const QString& sourceDir, Output& out) {
    const QDir base(QDir(sourceDir).absolutePath());
    QDirIterator it(base.path(), QDir::Files, QDirIterator::Subdirectories);
    QStringList files;
    while (it.hasNext()) {
        files << it.next();
    }
    files.sort();
    for (const QString& file : files) {
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly)) {
            throw std::runtime_error("cannot read " + file.toStdString());
        }
        const QString relative = base.relativeFilePath(file);
        const QByteArray source = f.readAll();
        if (!out.UpToDate(relative, "table\n" + source)) {
            out.WriteBytes(relative, ToCourseText(QString::fromUtf8(source), relative),
                           "table\n" + source);
        }
    }
}

} // namespace coursegen
