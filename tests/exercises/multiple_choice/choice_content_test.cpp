#include "exercises/multiple_choice/choice_content.h"
#include "platform/random.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

ChoiceContent Parse(const std::string& body) {
    auto parsed = ParseChoiceContent(body);
    if (auto* error = std::get_if<std::string>(&parsed)) {
        ADD_FAILURE() << *error;
        return {};
    }
    return std::get<ChoiceContent>(parsed);
}

std::string ParseError(const std::string& body) {
    auto parsed = ParseChoiceContent(body);
    return std::holds_alternative<std::string>(parsed) ? std::get<std::string>(parsed) : "";
}

TEST(ChoiceContent, QuestionsAnswersAndTheRightMark) {
    const auto c = Parse("Q1#Where is Tom?=T_At home=At school=In the park#"
                         "Who <b>sings</b>?=T_Ann=Bob=T_Eve#");
    ASSERT_EQ(c.questions.size(), 2u);
    EXPECT_EQ(c.questions[0].options,
              (std::vector<std::string>{"Where is Tom?", "At home", "At school", "In the park"}));
    EXPECT_EQ(c.questions[0].right, 1);
    // With two marks the last one wins; both lose the mark.
    EXPECT_EQ(c.questions[1].options,
              (std::vector<std::string>{"Who <b>sings</b>?", "Ann", "Bob", "Eve"}));
    EXPECT_EQ(c.questions[1].right, 3);
    EXPECT_EQ(c.answerTotal, 6);
    // A question text that starts with the mark loses it and stays the question.
    const auto stem = Parse("Q1#T_Tom is at home?=Yes=T_No#");
    EXPECT_EQ(stem.questions[0].options,
              (std::vector<std::string>{"Tom is at home?", "Yes", "No"}));
    EXPECT_EQ(stem.questions[0].right, 2);
}

TEST(ChoiceContent, FaultyContentIsRefused) {
    struct Case {
        std::string body;
        std::string error;
    };
    const Case cases[] = {
        {"Q1#Stem=T_only#", "Question 1: it needs at least two answers."},
        {"Q1#Stem=a=T_b#Stem=a=b#", "Question 2: no answer is marked \"T_\"."},
        {"Q1#T_Stem=a=b#", "Question 1: no answer is marked \"T_\"."},
        {"Q1#Stem=a=b=c=d=T_e#", "Question 1: it has more than 4 answers."},
        {"Q1#Stem=a=T_b", "Question 1: it does not end with \"#\"."},
        {"Q1#", "The exercise has no questions."},
        {"Q1#" +
             [] {
                 std::string s;
                 for (int i = 0; i < 12; ++i) {
                     s += "S=T_a=b#";
                 }
                 return s;
             }(),
         "More than 11 questions."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseError(c.body), c.error) << c.body;
    }
}

TEST(ChoiceContent, ShuffleKeepsTheStemAndFollowsTheRightAnswer) {
    FixRandomSeed(3);
    for (int round = 0; round < 20; ++round) {
        auto c = Parse("Q1#Stem=T_right=w1=w2#Two=w=T_r#");
        ShuffleAnswers(c);
        for (const auto& q : c.questions) {
            EXPECT_TRUE(q.options[0] == "Stem" || q.options[0] == "Two");
            EXPECT_TRUE(q.options[static_cast<std::size_t>(q.right)] == "right" ||
                        q.options[static_cast<std::size_t>(q.right)] == "r");
        }
    }
    ReleaseRandomSeed();
}

TEST(ChoiceContent, SeededShuffleGivesItsGoldenOrder) {
    FixRandomSeed(11);
    auto c = Parse("Q1#S=a=b=c=T_d#Two=T_x=y#");
    ShuffleAnswers(c);
    ReleaseRandomSeed();
    EXPECT_EQ(c.questions[0].options, (std::vector<std::string>{"S", "c", "b", "d", "a"}));
    EXPECT_EQ(c.questions[0].right, 3);
    // Four exchanges of the only two answers leave them as written.
    EXPECT_EQ(c.questions[1].options, (std::vector<std::string>{"Two", "x", "y"}));
    EXPECT_EQ(c.questions[1].right, 1);
}

TEST(ChoiceState, PointsFollowTheNumberOfQuestions) {
    const auto one = Parse("Q1#S=a=T_b#");
    ChoiceState single(one);
    single.Choose(0, 2);
    single.Mark();
    EXPECT_EQ(single.Right(), 1);
    EXPECT_EQ(single.Points(), 20);

    const auto three = Parse("Q1#S=T_a=b#S=a=T_b#S=T_a=b#");
    ChoiceState state(three);
    state.Choose(0, 1);
    state.Choose(1, 2);
    state.Choose(2, 2);
    state.Mark();
    EXPECT_EQ(state.Right(), 2);
    EXPECT_EQ(state.WrongCount(), 1);
    EXPECT_EQ(state.Points(), 10);
    EXPECT_EQ(state.Actions(), 3);
}

TEST(ChoiceState, LeavingBeforeMarkingScoresNothing) {
    const auto c = Parse("Q1#S=T_a=b#S=T_a=b#");
    ChoiceState state(c);
    state.Choose(0, 1);
    EXPECT_EQ(state.Right(), 0);
    EXPECT_EQ(state.WrongCount(), 0);
    EXPECT_EQ(state.Points(), 0);
}

TEST(ChoiceState, ChoosingMovesTheSelectionAndMarkingLocksIt) {
    const auto c = Parse("Q1#S=T_a=b=c#S=a=T_b#S=T_a=b#");
    ChoiceState state(c);
    state.Choose(0, 2);
    state.Choose(0, 3);
    state.Choose(0, 3);
    EXPECT_FALSE(state.Selected(0, 2));
    EXPECT_TRUE(state.Selected(0, 3));
    state.Choose(1, 2);
    state.Mark();
    // Wrong choice crossed, right answer ticked.
    EXPECT_TRUE(state.Wrong(0, 3));
    EXPECT_TRUE(state.Selected(0, 1));
    // Answered right: ticked, nothing crossed.
    EXPECT_TRUE(state.Selected(1, 2));
    EXPECT_FALSE(state.Wrong(1, 1));
    // Unanswered: only the right answer shows as chosen.
    EXPECT_TRUE(state.Selected(2, 1));
    EXPECT_FALSE(state.Selected(2, 2));
    EXPECT_FALSE(state.Wrong(2, 2));
    EXPECT_EQ(state.WrongCount(), 2);
    state.Choose(2, 2);
    EXPECT_FALSE(state.Selected(2, 2));
    EXPECT_EQ(state.Actions(), 4);
}

} // namespace
} // namespace lumora
