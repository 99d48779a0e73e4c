#include "topic_list_layout.h"

#include "lesson_kinds.h"

#include <array>

namespace lumora {
namespace {

// The heading of each TopicSection (none for None).
const std::array<const char*, 5> kHeadings{"", kHeadingVocabulary, kHeadingSentences, kHeadingStory,
                                           kHeadingVarious};

// Walks the lessons once, keeping the pen position and which headings have
// been drawn, as the list is painted top to bottom.
class ListPainter {
  public:
    ListPainter(const TopicListStyle& style, const MeasureText& width, const MeasureText& height)
        : style_(style), width_(width), height_(height), colour_(style.listColour) {}

    void Lesson(int row, const SteeringRow& r, bool done) {
        Headings(r.Code);
        Body(r, done);
        out_.hitAreas.push_back({x_, y_, x_ + kIconWidth, y_ + kLessonLineHeight, row, r.Code});
        y_ += kLessonLineHeight;
    }

    TopicListLayout Take() { return std::move(out_); }

  private:
    void Headings(int c) {
        const LessonKind& kind = LessonKindOf(c);
        if (!kind.headsSection || headed_[static_cast<int>(kind.section)]) {
            return;
        }
        headed_[static_cast<int>(kind.section)] = true;
        if (kind.section == TopicSection::Story) {
            storyStart_ = true; // the first story lesson draws its title
        }
        Heading(kHeadings[static_cast<int>(kind.section)]);
    }

    void Heading(const std::string& text) {
        y_ += 7;
        colour_ = kBlack;
        x_ = style_.align == 2 ? style_.width - width_(text, true) : 1;
        out_.items.push_back({TopicListItem::Kind::Heading, text, x_, y_, true, colour_, 0, false});
        y_ += height_(text, true);
        bold_ = false;
    }

    void Body(const SteeringRow& r, bool done) {
        switch (LessonKindOf(r.Code).place) {
        case ListPlace::TitleAndIcon:
            Title(r.Title);
            x_ = style_.iconOffset;
            break;
        case ListPlace::BesideLast:
            y_ -= kLessonLineHeight;
            break;
        case ListPlace::StoryLine:
            SharedLine(r.Title, storyStart_);
            break;
        case ListPlace::DefinitionsLine:
            SharedLine(r.Title, definitionsStart_);
            break;
        case ListPlace::TitleOnly:
            TitleOnly(r.Title, done);
            return;
        }
        StepRight();
        out_.items.push_back({TopicListItem::Kind::Icon, "", x_, y_, false, colour_, r.Code, done});
    }

    // Story lessons after the first of their kind share its line.
    void SharedLine(const std::string& title, bool& first) {
        if (first) {
            Title(title);
            if (style_.align == 1 || style_.align == 2) {
                x_ = style_.iconOffset;
            }
            first = false;
        } else {
            y_ -= kLessonLineHeight;
        }
    }

    void TitleOnly(const std::string& title, bool done) {
        TitlePosition(title);
        out_.items.push_back({TopicListItem::Kind::Title, title, x_, y_, bold_,
                              done ? kDoneGreen : colour_, 0, false});
    }

    void Title(const std::string& title) {
        TitlePosition(title);
        out_.items.push_back({TopicListItem::Kind::Title, title, x_, y_, bold_, colour_, 0, false});
    }

    void TitlePosition(const std::string& title) {
        if (style_.align == 1) {
            x_ = 1;
        } else if (style_.align == 2) {
            x_ = style_.width - width_(title, bold_);
        }
    }

    void StepRight() {
        if (style_.align == 1 || style_.align == 2) {
            x_ += kIconStep;
        }
    }

    const TopicListStyle& style_;
    const MeasureText& width_;
    const MeasureText& height_;
    TopicListLayout out_;
    Rgb colour_;
    int x_ = 0;
    int y_ = -4;
    // The list's font is bold until the first heading has been drawn.
    bool bold_ = true;
    // Which section headings are drawn, by TopicSection.
    std::array<bool, 5> headed_{};
    bool storyStart_ = false;
    bool definitionsStart_ = true;
};

} // namespace

Rgb ToRgb(Colour c) {
    return c == Colour::White ? kWhite : kBlack;
}

std::vector<int> TopicLessons(const CourseData& course, const std::string& topic) {
    std::vector<int> rows;
    for (std::size_t i = 0; i < course.SteeringTable.size(); ++i) {
        if (course.SteeringTable[i].TopicFolder == topic) {
            if (static_cast<int>(rows.size()) == kMaxTopicLessons) {
                break;
            }
            rows.push_back(static_cast<int>(i + 1));
        }
    }
    return rows;
}

TopicListStyle TopicStyle(const CourseData& course, const std::string& topic,
                          TopicListStyle previous) {
    TopicListStyle style = previous;
    style.align = 1;
    if (const TopicRow* row = course.FindTopic(topic)) {
        style.align = row->ListAlign;
        style.listColour = ToRgb(row->ListColour);
        style.iconOffset = row->IconOffset;
    }
    return style;
}

TopicListLayout LayOutTopicList(const CourseData& course, const std::vector<int>& lessons,
                                const TopicListStyle& style, const MeasureText& width,
                                const MeasureText& height, const LessonDone& done) {
    ListPainter painter(style, width, height);
    for (int row : lessons) {
        if (const SteeringRow* r = course.Steering(row)) {
            painter.Lesson(row, *r, done(row));
        }
    }
    return painter.Take();
}

const TopicHitArea* HitTest(const std::vector<TopicHitArea>& areas, int x, int y) {
    for (const auto& a : areas) {
        if (x >= a.left && x <= a.right && y >= a.top && y <= a.bottom) {
            return &a;
        }
    }
    return nullptr;
}

} // namespace lumora
