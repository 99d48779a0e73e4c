#include "crossword.h"

#include "platform/cp1250.h"
#include "platform/path_resolver.h"
#include "platform/text_file.h"
#include "platform/text_helpers.h"

#include <cerrno>
#include <cstring>

namespace lumora {

std::variant<Crossword, LoadFault> Crossword::Open(const CourseData& course,
                                                   const std::string& topic) {
    auto list = ReadCrosswordList(course, topic);
    if (auto* fault = std::get_if<LoadFault>(&list)) {
        return *fault;
    }
    auto made = FromList(std::get<CrosswordList>(list));
    if (auto* crossword = std::get_if<Crossword>(&made)) {
        for (const auto& row : crossword->rows_) {
            const std::string path = course.DataPath(row.picture);
            if (!FileExists(path)) {
                return LoadFault{ToSlashes(row.picture), 0,
                                 "Cannot open file \"" + path + "\". " + std::strerror(ENOENT)};
            }
        }
    }
    return made;
}

std::variant<Crossword, LoadFault> Crossword::FromList(const CrosswordList& list) {
    std::vector<int> words = DrawCrosswordWords(list.lines);
    if (words.empty()) {
        return LoadFault{list.file, 0, "The list holds no word of 4 to 12 letters."};
    }
    Crossword c;
    const int n = static_cast<int>(words.size());
    ShuffleCrosswordRows(words);
    const std::vector<int> places = PlaceCrosswordPictures(n);
    for (int k = 1; k <= n; ++k) {
        const CrosswordLine& line = list.lines[static_cast<std::size_t>(words[k - 1])];
        CrosswordRow row;
        row.word = line.word;
        row.picture = list.folder + line.picture;
        const ScreenPlace place = kCrosswordPicturePlaces[static_cast<std::size_t>(places[k - 1])];
        row.pictureLeft = place.left;
        row.pictureTop = place.top;
        row.squares = CrosswordRowGeometry(n, k, line.length);
        c.rows_.push_back(std::move(row));
    }
    c.Activate(1);
    return c;
}

int Crossword::InputLeft() const {
    return active_ == 0 ? 0 : Row(active_).squares.left + 1 + kSquare * count_;
}

int Crossword::InputTop() const {
    return active_ == 0 ? 0 : Row(active_).squares.top + 2;
}

void Crossword::Activate(int k) {
    if (k < 1 || k > RowCount() || Row(k).solved) {
        return;
    }
    if (active_ > 0 && !Active().solved) {
        Active().typed.clear();
    }
    active_ = k;
    count_ = 0;
    inputVisible_ = true;
    Active().typed.clear();
}

LessonStep Crossword::TypeLetter(char32_t ch) {
    const bool letter = (ch >= U'A' && ch <= U'Z') || (ch >= U'a' && ch <= U'z');
    if (!letter || !Typing()) {
        return {};
    }
    ++count_;
    Active().typed += LowerAZ(std::string(1, static_cast<char>(ch)));
    if (count_ < static_cast<int>(Utf8Length(Active().word))) {
        return {};
    }
    return Judge();
}

LessonStep Crossword::Judge() {
    inputVisible_ = false;
    if (Active().typed != LowerAZ(Active().word)) {
        ++wrong_;
        Activate(active_); // a new try: the squares are erased
        return LessonStep::Playing({VerdictCue(false, false)});
    }
    Active().solved = true;
    ++solved_;
    if (AllSolved()) {
        LessonStep last = LessonStep::Playing({VerdictCue(true, true)});
        last.finished = true;
        return last;
    }
    Activate(UnsolvedFrom(1));
    return LessonStep::Playing({VerdictCue(true, true)});
}

void Crossword::Backspace() {
    if (!Typing() || count_ == 0) {
        return;
    }
    --count_;
    Active().typed.pop_back();
}

int Crossword::UnsolvedFrom(int step) const {
    const int n = RowCount();
    int k = active_;
    for (int i = 0; i < n; ++i) {
        k = (k - 1 + step + n) % n + 1;
        if (!Row(k).solved) {
            return k;
        }
    }
    return active_;
}

void Crossword::NextRow() {
    if (Typing() && !AllSolved()) {
        Activate(UnsolvedFrom(1));
    }
}

void Crossword::PreviousRow() {
    if (Typing() && !AllSolved()) {
        Activate(UnsolvedFrom(-1));
    }
}

LessonScore Crossword::Result() const {
    return {Points(), solved_, wrong_, solved_ + wrong_, RowCount()};
}

} // namespace lumora
