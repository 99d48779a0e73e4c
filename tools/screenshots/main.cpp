// lumora-screenshots OUTDIR: renders the program's screens, filled with sample
// content, to PNG files, so they can be looked at on a machine without a
// display.
#include "course/startup_loading.h"
#include "platform/ui/fonts.h"
#include "platform/ui/hints.h"
#include "sample_course.h"
#include "screen_shots.h"
#include "sound/media_holder.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: lumora-screenshots OUTDIR\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // Messages (a missing picture, say) go to standard error, never to a box.
    lumora::InstallFontSubstitutions();
    lumora::InstallHintStyle();
    const std::string outDir = argv[1];
    if (!QDir().mkpath(QString::fromStdString(outDir))) {
        std::fprintf(stderr, "lumora-screenshots: cannot make %s\n", outDir.c_str());
        return 1;
    }
    lumora::MediaHolder media;
    lumora::StandaloneRun run(media.Service(), media.Recorder());
    const lumora::shots::SampleCourse course(run, lumora::ChooseDataRoot(""));
    if (!course.Ready()) {
        std::fprintf(stderr, "lumora-screenshots: the sample course could not be made\n");
        return 1;
    }
    return lumora::shots::RenderScreenShots(run, outDir) == 0 ? 0 : 1;
}
