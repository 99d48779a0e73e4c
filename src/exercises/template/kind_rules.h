#pragma once
// <The kind's content as St.t holds it, and what the learner's answers earn.>
// Rules only: no Qt Widgets header, so lumora-check links them too.
#include "exercises/common/lesson_step.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace lumora {

struct KindContent {
    std::vector<std::string> items;
};

// The content of a St.t record, or the text of what is wrong with it.
std::variant<KindContent, std::string> ParseKindContent(std::string_view body);

// The learner's answers to one content, and the score they earn.
class KindState {
  public:
    explicit KindState(const KindContent& content);

    LessonStep Answer(int item, std::string_view answer);
    LessonScore Score() const;
};

} // namespace lumora
