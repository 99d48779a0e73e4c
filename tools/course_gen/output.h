#pragma once
// Where the generator writes, and the cache that lets a second run skip every
// file whose recipe has not changed.
#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>

namespace coursegen {

class Output {
  public:
    // root: the course folder being made; cacheFile: where the recipe keys of
    // the files already made are kept between runs.
    Output(QString root, QString cacheFile);

    const QString& Root() const { return root_; }

    // Full path of a course-relative file name ("a/b.png"); creates its folder.
    QString PathFor(const QString& relative) const;

    // True when the file exists and was made from the same recipe; the file
    // is then kept as it is.
    bool UpToDate(const QString& relative, const QByteArray& recipe);

    // Writes bytes (when they differ from what is there) and remembers the recipe.
    void WriteBytes(const QString& relative, const QByteArray& bytes, const QByteArray& recipe);

    // Remembers the recipe of a file that the caller has written itself.
    void Record(const QString& relative, const QByteArray& recipe);

    // Deletes the files that an earlier run made and this one did not (a
    // picture renamed in the tables, say), then saves the cache.
    void Finish();

    int Made() const { return made_; }
    int Kept() const { return kept_; }
    int Removed() const { return removed_; }

  private:
    QString root_;
    QString cacheFile_;
    QHash<QString, QByteArray> cache_;
    QSet<QString> touched_;
    int made_ = 0;
    int kept_ = 0;
    int removed_ = 0;
};

// A short stable fingerprint of a recipe text.
QByteArray Fingerprint(const QByteArray& recipe);

} // namespace coursegen
