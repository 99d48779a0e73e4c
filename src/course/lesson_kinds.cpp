#include "lesson_kinds.h"

#include <array>

namespace lumora {
namespace {

using S = TopicSection;
using P = ListPlace;

constexpr std::array kKinds{
    LessonKind{kVocabularyCode, S::Vocabulary, true, P::TitleAndIcon, 53, "Aa", true},
    LessonKind{kPictureChoiceCode, S::Vocabulary, false, P::BesideLast, 54, "ABC", true},
    LessonKind{kTypingDrillCode, S::Vocabulary, false, P::BesideLast, 55, "A_", true},
    LessonKind{kFitsPictureCode, S::Sentences, true, P::TitleAndIcon, 56, "1", true},
    LessonKind{kTwoPicturesCode, S::Sentences, true, P::TitleAndIcon, 57, "2", true},
    LessonKind{kThreePicturesCode, S::Sentences, true, P::TitleAndIcon, 58, "3", true},
    LessonKind{kFourPicturesCode, S::Sentences, true, P::TitleAndIcon, 59, "4", true},
    LessonKind{kGapSentenceCode, S::Sentences, true, P::BesideLast, 60, "_ _", true},
    LessonKind{kMultipleChoiceCode, S::Story, true, P::StoryLine, 63, "?", false},
    LessonKind{kDragAndDropCode, S::Story, true, P::StoryLine, 64, "<>", false},
    LessonKind{kTypingCode, S::Story, true, P::StoryLine, 65, "ab_", false},
    LessonKind{kDefinitionsCode, S::Story, true, P::DefinitionsLine, 66, "=", false},
    LessonKind{kTrueFalseCode, S::Story, true, P::StoryLine, 67, "T/F", false},
    LessonKind{kWordSearchCode, S::Various, true, P::TitleOnly, 0, "", false},
    LessonKind{kRevealCode, S::Various, true, P::TitleAndIcon, 61, "[#]", false},
    LessonKind{kCrosswordCode, S::Various, true, P::TitleAndIcon, 62, "+", false},
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

std::string_view SectionName(TopicSection section) {
    switch (section) {
    case TopicSection::Vocabulary:
        return "Vocabulary";
    case TopicSection::Sentences:
        return "Sentences";
    case TopicSection::Story:
        return "Story";
    case TopicSection::Various:
        return "Various";
    case TopicSection::None:
        break;
    }
    return {};
}

bool IsStoryCode(int code) {
    return code >= kMultipleChoiceCode && code <= kTrueFalseCode;
}

} // namespace lumora
