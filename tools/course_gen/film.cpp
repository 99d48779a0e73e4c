#include "film.h"

#include "picture_files.h"
#include "scene.h"
#include "speech.h"
#include "theme.h"
#include "wave_file.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <stdexcept>

namespace coursegen {

namespace {

constexpr const char* kRecipe = "film";
constexpr int kFps = 25;
const QSize kFilmSize(352, 288);
constexpr double kTitleSeconds = 2.5;
constexpr double kPauseSeconds = 0.5;

QStringList ReadShots(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("cannot read the film script " + path.toStdString());
    }
    QStringList shots;
    for (const QString& line : QString::fromUtf8(f.readAll()).split('\n')) {
        const QString s = line.trimmed();
        if (!s.isEmpty() && !s.startsWith('#')) {
            shots << s;
        }
    }
    return shots;
}

struct Shot {
    Scene scene;
    int frames = 0;
};

} // namespace

QStringList Sentences(const QString& narration) {
    static const QRegularExpression end(R"((?<=[.!?])\s+(?=[A-Z"]))");
    QStringList out;
    for (const QString& s : narration.split(end, Qt::SkipEmptyParts)) {
        out << s.trimmed();
    }
    return out;
}

void MakeFilm(Output& out, const FilmJob& film, const QString& filmFolder) {
    const QStringList shots = ReadShots(filmFolder + "/" + film.stem + ".txt");
    const QStringList sentences = Sentences(film.narration);
    if (shots.size() != sentences.size() + 1) {
        throw std::runtime_error("the film " + film.stem.toStdString() + " has " +
                                 std::to_string(shots.size()) + " shots for " +
                                 std::to_string(sentences.size()) +
                                 " sentences; it needs a title shot and one shot a sentence");
    }
    QByteArray recipe = QByteArray(kRecipe) + "\n" + shots.join('\n').toUtf8();
    for (const QString& s : sentences) {
        recipe += SpeechRecipe("en: " + s);
    }
    const QString moviePath = "Teksty_wav/" + film.stem + ".mpg";
    const QString stillPath = "Teksty_wav/" + film.stem + ".bmp";
    if (out.UpToDate(moviePath, recipe) && out.UpToDate(stillPath, recipe)) {
        return;
    }

    const TopicTheme& topic = TopicByFolder(film.topic);
    std::vector<Shot> plan;
    Sound narration;
    narration.AppendSilence(kTitleSeconds);
    plan.push_back({ParseScene(shots[0]), int(kTitleSeconds * kFps)});
    for (int i = 0; i < sentences.size(); ++i) {
        Sound spoken = Speak("en: " + sentences[i]);
        narration.rate = spoken.rate;
        const double before = narration.Seconds();
        narration.Append(spoken);
        narration.AppendSilence(kPauseSeconds);
        // Shot lengths follow the sound, rounded so the total stays in step.
        const int endFrame = int(narration.Seconds() * kFps + 0.5);
        const int startFrame = int(before * kFps + 0.5);
        plan.push_back({ParseScene(shots[i + 1]), endFrame - startFrame});
    }

    QTemporaryDir work;
    const QString wav = work.filePath("narration.wav");
    const QString mpg = work.filePath("film.mpg");
    {
        QFile f(wav);
        if (!f.open(QIODevice::WriteOnly) || f.write(PcmWav(narration)) < 0) {
            throw std::runtime_error("cannot write the film's narration");
        }
    }
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", {"-y",
                            "-v",
                            "error",
                            "-f",
                            "rawvideo",
                            "-pix_fmt",
                            "rgb24",
                            "-s",
                            QString("%1x%2").arg(kFilmSize.width()).arg(kFilmSize.height()),
                            "-r",
                            QString::number(kFps),
                            "-i",
                            "pipe:0",
                            "-i",
                            wav,
                            "-map",
                            "0:v",
                            "-map",
                            "1:a",
                            "-c:v",
                            "mpeg1video",
                            "-b:v",
                            "650k",
                            "-g",
                            "25",
                            "-c:a",
                            "mp2",
                            "-b:a",
                            "96k",
                            "-ar",
                            "44100",
                            "-ac",
                            "1",
                            "-threads",
                            "1",
                            "-fflags",
                            "+bitexact",
                            "-flags",
                            "+bitexact",
                            "-f",
                            "mpeg",
                            mpg});
    if (!ffmpeg.waitForStarted()) {
        throw std::runtime_error("cannot start ffmpeg");
    }
    for (const Shot& shot : plan) {
        for (int f = 0; f < shot.frames; ++f) {
            const double progress = shot.frames > 1 ? double(f) / (shot.frames - 1) : 0;
            const QImage frame = RenderScene(shot.scene, kFilmSize, topic, progress)
                                     .convertToFormat(QImage::Format_RGB888);
            for (int y = 0; y < frame.height(); ++y) {
                ffmpeg.write(reinterpret_cast<const char*>(frame.constScanLine(y)),
                             frame.width() * 3);
            }
            ffmpeg.waitForBytesWritten(-1);
        }
    }
    ffmpeg.closeWriteChannel();
    if (!ffmpeg.waitForFinished(600000) || ffmpeg.exitCode() != 0) {
        throw std::runtime_error("ffmpeg failed: " + ffmpeg.readAllStandardError().toStdString());
    }
    QFile movie(mpg);
    if (!movie.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("ffmpeg wrote no film");
    }
    out.WriteBytes(moviePath, movie.readAll(), recipe);
    const QImage still = RenderScene(plan[0].scene, kFilmSize, topic, 0);
    out.WriteBytes(stillPath, EncodePicture(still, PictureForm::Bmp24), recipe);
}

} // namespace coursegen
