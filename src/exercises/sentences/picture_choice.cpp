#include "picture_choice.h"

#include "platform/random.h"
#include "platform/text_helpers.h"

namespace lumora {
namespace {

const DataRow& SelectedRow(const CourseData& course, const LessonState& lesson,
                           std::size_t position) {
    static const DataRow kNoRow;
    if (position >= lesson.SelectedRows.size()) {
        return kNoRow;
    }
    const int number = lesson.SelectedRows[position];
    if (number < 1 || number > static_cast<int>(course.DataTable.size())) {
        return kNoRow;
    }
    return course.DataTable[static_cast<std::size_t>(number - 1)];
}

std::string PictureOf(const CourseData& course, const LessonState& lesson, std::size_t position) {
    return SentencePicturePath(course, lesson, SelectedRow(course, lesson, position).PictureFile);
}

// A selected row whose picture is not in use; after the redraws are used up,
// the first selected row, and the author hears about it.
std::string DrawDistractor(const CourseData& course, const LessonState& lesson,
                           const PictureMemory& memory, ChoiceRound& round) {
    const int count = lesson.SelectedCount();
    std::string path = PictureOf(course, lesson, static_cast<std::size_t>(Random(count)));
    for (int redraw = 0; redraw < kDistractorRedraws && memory.InUse(path); ++redraw) {
        path = PictureOf(course, lesson, static_cast<std::size_t>(Random(count)));
    }
    if (memory.InUse(path)) {
        round.messages.push_back(kNoDistractor);
        path = PictureOf(course, lesson, 0);
    }
    return path;
}

} // namespace

std::string SentencePicturePath(const CourseData& course, const LessonState& lesson,
                                const std::string& file) {
    return course.DataPath("obrazki\\" + lesson.CurrentTopic + "\\zd\\" + file);
}

std::vector<std::string> SplitAlternatives(const std::string& field12) {
    std::vector<std::string> parts;
    const std::string list = Trim(field12);
    if (list.empty()) {
        return parts;
    }
    std::size_t start = 0;
    while (true) {
        const auto slash = list.find('/', start);
        parts.push_back(Trim(list.substr(start, slash - start)));
        if (slash == std::string::npos) {
            return parts;
        }
        start = slash + 1;
    }
}

void PictureMemory::NewRound() {
    previous_ = round_;
    round_.fill({});
}

void PictureMemory::Clear() {
    round_.fill({});
    previous_.fill({});
}

void PictureMemory::SetRound(std::size_t slot, const std::string& path) {
    round_.at(slot) = LowerCase(path);
}

void PictureMemory::SetPrevious(std::size_t slot, const std::string& path) {
    previous_.at(slot) = LowerCase(path);
}

bool PictureMemory::InUse(const std::string& path) const {
    const std::string lower = LowerCase(path);
    for (std::size_t i = 0; i < kSlots; ++i) {
        if (round_[i] == lower || previous_[i] == lower) {
            return true;
        }
    }
    return false;
}

ChoiceRound DrawChoiceRound(const CourseData& course, const LessonState& lesson,
                            std::size_t current, int n, int expected, PictureMemory& memory) {
    ChoiceRound round;
    const std::string own = PictureOf(course, lesson, current);
    const auto alternatives = SplitAlternatives(SelectedRow(course, lesson, current).Field12);
    // The next sentence's picture must not give its answer away now.
    const bool hasNext = current + 1 < lesson.SelectedRows.size();
    memory.SetPrevious(4, hasNext ? PictureOf(course, lesson, current + 1) : std::string());
    memory.SetRound(4, own);
    std::size_t nextAlternative = 0;
    for (int slot = 1; slot <= n; ++slot) {
        const auto s = static_cast<std::size_t>(slot - 1);
        std::string path;
        if (slot == expected) {
            path = own;
            memory.SetRound(s, path);
        } else if (nextAlternative < alternatives.size()) {
            path = SentencePicturePath(course, lesson, alternatives[nextAlternative++]);
        } else {
            // No alternatives, or fewer than the other slots: draw the rest.
            path = DrawDistractor(course, lesson, memory, round);
            memory.SetRound(s, path);
        }
        round.pictures.push_back(path);
    }
    return round;
}

} // namespace lumora
