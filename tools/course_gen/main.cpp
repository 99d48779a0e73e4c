// lumora-course-gen: makes the demo course from its sources. The text tables
// are converted to the program's format; pictures, speech, sounds and the
// film are made from the tables and the art and speech lists. Files whose
// recipe has not changed since the last run are left as they are.
//
//   lumora-course-gen --source DIR --out DIR --cache FILE [--jobs N]
#include "button_art.h"
#include "dialog_art.h"
#include "film.h"
#include "lesson_art.h"
#include "manifest.h"
#include "media_plan.h"
#include "menu_art.h"
#include "output.h"
#include "picture_files.h"
#include "scene.h"
#include "sound_files.h"
#include "text_tables.h"
#include "theme.h"
#include "topic_art.h"

#include "course/startup_loading.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <exception>

namespace {

using namespace coursegen;

struct Arguments {
    QString source, out, cache;
    int jobs = 2;
};

bool Parse(const QStringList& args, Arguments& a) {
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == "--source") {
            a.source = args[i + 1];
        } else if (args[i] == "--out") {
            a.out = args[i + 1];
        } else if (args[i] == "--cache") {
            a.cache = args[i + 1];
        } else if (args[i] == "--jobs") {
            a.jobs = args[i + 1].toInt();
        } else {
            return false;
        }
    }
    return args.size() % 2 == 1 && !a.source.isEmpty() && !a.out.isEmpty() && !a.cache.isEmpty();
}

// Loads the converted tables as the program will; any fault stops the build.
lumora::CourseData LoadConverted(const QString& folder) {
    lumora::StartupOptions options;
    options.dataRoot = folder.toStdString() + "/";
    options.userFiles = false;
    QStringList faults;
    lumora::LoadReport report(
        [&](const lumora::LoadFault& f) {
            faults << QString::fromStdString(f.file + ":" + std::to_string(f.line) + ": " +
                                             f.message);
        },
        false);
    lumora::CourseData course;
    lumora::UserSettings settings;
    lumora::LoadCourse(course, settings, options, report);
    if (!faults.isEmpty()) {
        throw std::runtime_error("the course tables have faults:\n" +
                                 faults.join('\n').toStdString());
    }
    return course;
}

void MakeIllustrations(Output& out, const std::vector<PictureJob>& pictures) {
    for (const PictureJob& job : pictures) {
        const QByteArray recipe = "scene\n" + QByteArray::number(job.size.width()) + "x" +
                                  QByteArray::number(job.size.height()) + " " + job.topic.toUtf8() +
                                  "\n" + job.scene.toUtf8();
        MakePicture(out, job.path, PictureForm::Png8, recipe, [&] {
            return RenderScene(ParseScene(job.scene), job.size, TopicByFolder(job.topic));
        });
    }
}

void Run(const Arguments& a) {
    QElapsedTimer clock;
    clock.start();
    Output out(a.out, a.cache);
    ConvertTextTables(a.source + "/tables", out);
    const lumora::CourseData course = LoadConverted(a.out);

    // Pictures of the screens ("tla/...") are drawn by the screens' art; the
    // others are what the tables name.
    QMap<QString, ManifestEntry> art = ReadManifests(a.source + "/art");
    QMap<QString, ManifestEntry> screenArt;
    for (auto it = art.begin(); it != art.end();) {
        if (it.key().startsWith("tla/")) {
            screenArt.insert(it.key(), it.value());
            it = art.erase(it);
        } else {
            ++it;
        }
    }
    const MediaPlan plan = PlanMedia(course, art, ReadManifests(a.source + "/speech"));

    MakeIllustrations(out, plan.pictures);
    MakeSounds(out, plan.speech, a.jobs);
    for (const FilmJob& film : plan.films) {
        MakeFilm(out, film, a.source + "/film");
    }
    MakeMainMenu(out);
    MakeTopicScreens(out, course, screenArt);
    MakeLessonBackgrounds(out, course);
    MakeDialogBackgrounds(out);
    MakeButtonStrips(out);
    out.Finish();
    std::printf("lumora-course-gen: %d files made, %d kept, %d removed in %.1f s\n", out.Made(),
                out.Kept(), out.Removed(), double(clock.elapsed()) / 1000.0);
}

} // namespace

int main(int argc, char** argv) {
    // The generator paints off screen; it needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Arguments a;
    if (!Parse(app.arguments(), a)) {
        std::fprintf(stderr,
                     "usage: lumora-course-gen --source DIR --out DIR --cache FILE [--jobs N]\n");
        return 2;
    }
    try {
        Run(a);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "lumora-course-gen: %s\n", e.what());
        return 1;
    }
    return 0;
}
