#pragma once
// Everything the program knows about a lesson code, in one table: the section
// of the topic screen it is listed under, how it sits in the list, the hint
// that describes it, the label of its icon and whether it works on data rows.
// Which screen opens a code is the exercise catalogue's business.
#include "course/lesson_codes.h"

#include <string_view>

namespace lumora {

enum class TopicSection { None, Vocabulary, Sentences, Story, Various };

// The section's name in English ("Vocabulary" ...), for reports; empty for None.
std::string_view SectionName(TopicSection section);

// How a lesson is placed in the topic list.
enum class ListPlace {
    TitleAndIcon,    // its title, then its icon at the icon offset
    BesideLast,      // no title: its icon follows the lesson above, on that line
    StoryLine,       // the first story lesson draws its title; later ones join its line
    DefinitionsLine, // the same, but the first definitions lesson draws its own title
    TitleOnly,       // its title alone, green once done; no icon
};

struct LessonKind {
    int code = 0;
    TopicSection section = TopicSection::None;
    // Whether a lesson of this kind draws its section's heading when the
    // heading is not drawn yet (the added vocabulary rows never do).
    bool headsSection = false;
    ListPlace place = ListPlace::TitleOnly;
    int hint = 0;                // the hint describing the kind; 0 for none
    std::string_view iconLabel;  // empty: no icon
    bool selectsDataRows = true; // false: it reads St.t or its own files
};

// The kind of a code; a code the table does not know is listed by its title
// alone, has no description and selects data rows.
const LessonKind& LessonKindOf(int code);

// Whether a code is a story exercise, read from its St.t record.
bool IsStoryCode(int code);

} // namespace lumora
