// The reveal game's picture index odkrywanki\idx.t, its draw and the
// picture names it gives.
#include "course/course_loaders.h"
#include "course/reveal_index.h"
#include "fuzz_support.h"

using namespace lumora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteScratchFile(kRevealIndexFile, fuzz::Bytes(data, size));
    CourseData course = fuzz::ScratchCourse();
    LoadReport report = fuzz::CheckingReport();
    LoadRevealIndex(course, report);
    const int count = static_cast<int>(course.RevealIndex.size());
    fuzz::Require(count <= CourseData::kMaxRevealEntries, "more entries than the table holds");
    // Every entry is drawn once before any is drawn again.
    RevealDraw draw;
    for (int i = 0; i <= count; ++i) {
        const int pick = NextRevealPick(course, draw);
        fuzz::Require(pick >= (count == 0 ? 0 : 1) && pick <= count, "a pick outside the index");
        if (pick > 0) {
            course.DataPath("odkrywanki\\" +
                            course.RevealIndex[static_cast<std::size_t>(pick - 1)].name);
        }
    }
    return 0;
}
