// The learner's points file pkt.txt: read (a damaged one copied aside), the
// lessons of a small course filled in, points recorded and written back.
#include "fuzz_support.h"
#include "platform/text_file.h"
#include "users/points_table.h"

#include <filesystem>

using namespace lumora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::Bytes(data, size);
    // A fresh folder each time, so the damaged copies of earlier inputs do not
    // pile up.
    const std::string folder = fuzz::ScratchFolder() + "user/";
    std::filesystem::remove_all(folder);
    fuzz::WriteScratchFile(std::string("user\\") + kPointsFile, bytes);

    CourseData course = fuzz::ScratchCourse();
    for (int i = 1; i <= 3; ++i) {
        SteeringRow row;
        row.Content = "lekcja" + std::to_string(i);
        row.Code = i;
        course.SteeringTable.push_back(row);
    }
    PointsTable table;
    const PointsLoad load = table.LoadPoints(folder);
    if (load.error) {
        return 0;
    }
    table.FillFromSteering(course);
    fuzz::Require(table.Count() >= 3, "a lesson of the course has no row");
    // The file's own rows stay as they are, so the lesson may have no row.
    table.Apply("lekcja2", 2, 7);
    table.Total();
    for (int i = -1; i <= table.Count() + 1; ++i) {
        table.IsDone(i);
    }
    fuzz::Require(!table.SavePoints(folder), "the points could not be written");
    // What is written is a sound points file that keeps every whole record.
    const auto saved = ReadFileBytes(folder + kPointsFile);
    fuzz::Require(saved.has_value(), "the points file is gone");
    fuzz::Require(PointsFileFaults(*saved).empty(), "the written points file is damaged");
    fuzz::Require(saved->size() >= bytes.size() / kPointsRecordSize * kPointsRecordSize,
                  "records lost on writing");
    return 0;
}
