#include "lesson_kinds.h"

#include <array>

namespace lumora {
namespace {

using S = TopicSection;
using P = ListPlace;

constexpr std::array kKinds{
    LessonKind{30, S::Vocabulary, true, P::TitleAndIcon, 53, "Aa", true},
    LessonKind{31, S::Vocabulary, false, P::BesideLast, 54, "ABC", true},
    LessonKind{32, S::Vocabulary, false, P::BesideLast, 55, "A_", true},
    LessonKind{1, S::Sentences, true, P::TitleAndIcon, 56, "1", true},
    LessonKind{2, S::Sentences, true, P::TitleAndIcon, 57, "2", true},
    LessonKind{3, S::Sentences, true, P::TitleAndIcon, 58, "3", true},
    LessonKind{4, S::Sentences, true, P::TitleAndIcon, 59, "4", true},
    LessonKind{9, S::Sentences, true, P::BesideLast, 60, "_ _", true},
    LessonKind{35, S::Story, true, P::StoryLine, 63, "?", false},
    LessonKind{36, S::Story, true, P::StoryLine, 64, "<>", false},
    LessonKind{37, S::Story, true, P::StoryLine, 65, "ab_", false},
    LessonKind{38, S::Story, true, P::DefinitionsLine, 66, "=", false},
    LessonKind{39, S::Story, true, P::StoryLine, 67, "T/F", false},
    LessonKind{40, S::Various, true, P::TitleOnly, 0, "", false},
    LessonKind{41, S::Various, true, P::TitleAndIcon, 61, "[#]", false},
    LessonKind{42, S::Various, true, P::TitleAndIcon, 62, "+", false},
};

} // namespace

const LessonKind& LessonKindOf(int code) {
    for (const LessonKind& kind : kKinds) {
        if (kind.code == code) {
            return kind;
        }
    }
    static const LessonKind unknown{};
    return unknown;
}

bool IsStoryCode(int code) {
    return code >= kMultipleChoiceCode && code <= kTrueFalseCode;
}

} // namespace lumora
