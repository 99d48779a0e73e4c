#include "sentence_text.h"

#include "platform/text_helpers.h"

#include <algorithm>

namespace lumora {
namespace {

bool IsMarkToken(char ch) {
    return std::string_view("%,<>@^").find(ch) != std::string_view::npos;
}

void AddFault(GapSentence& s, GapFault fault) {
    if (std::find(s.faults.begin(), s.faults.end(), fault) == s.faults.end()) {
        s.faults.push_back(fault);
    }
}

// Marks every "<" and ">" that does not make one of the first three gaps.
std::vector<bool> UnusableMarks(const std::vector<std::string>& tokens, GapSentence& s) {
    std::vector<bool> drop(tokens.size(), false);
    constexpr std::size_t kNoGap = static_cast<std::size_t>(-1);
    std::size_t open = kNoGap;
    int gaps = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i] == "<") {
            if (open != kNoGap) {
                drop[open] = true;
                AddFault(s, GapFault::UnclosedGap);
            }
            open = i;
        } else if (tokens[i] == ">") {
            if (open == kNoGap) {
                drop[i] = true;
                AddFault(s, GapFault::StrayClose);
            } else if (++gaps > kMaxGaps) {
                drop[open] = drop[i] = true;
                AddFault(s, GapFault::TooManyGaps);
            }
            open = kNoGap;
        }
    }
    if (open != kNoGap) {
        drop[open] = true;
        AddFault(s, GapFault::UnclosedGap);
    }
    return drop;
}

} // namespace

std::vector<std::string> SplitSentenceTokens(std::string_view text) {
    std::vector<std::string> tokens;
    std::string run;
    const auto endRun = [&] {
        if (!run.empty()) {
            tokens.push_back(run);
            run.clear();
        }
    };
    for (char ch : text) {
        if (ch == ' ') {
            endRun();
        } else if (IsMarkToken(ch)) {
            endRun();
            tokens.emplace_back(1, ch);
        } else {
            run += ch;
        }
    }
    endRun();
    return tokens;
}

std::string GapFaultText(GapFault fault) {
    switch (fault) {
    case GapFault::TooManyTokens:
        return "more than " + std::to_string(kMaxSentenceTokens) +
               " words and marks; the rest of the sentence is not shown";
    case GapFault::TooManyGaps:
        return "more than three gaps; the words of the later gaps are shown as text";
    case GapFault::UnclosedGap:
        return "a \"<\" without its \">\"; the words after it are shown as text";
    case GapFault::StrayClose:
        return "a \">\" without its \"<\"; it is left out";
    case GapFault::NoGap:
        return "no gap marked with \"<\" and \">\"; the learner is asked to type \"wyraz\"";
    }
    return {};
}

std::string GapFaultLearnerText(GapFault fault) {
    switch (fault) {
    case GapFault::TooManyTokens:
        return "więcej niż " + std::to_string(kMaxSentenceTokens) +
               " wyrazów i znaków; dalsza część zdania nie jest pokazana";
    case GapFault::TooManyGaps:
        return "więcej niż trzy luki; wyrazy dalszych luk są pokazane jako tekst";
    case GapFault::UnclosedGap:
        return "„<” bez „>”; wyrazy po nim są pokazane jako tekst";
    case GapFault::StrayClose:
        return "„>” bez „<”; pominięto go";
    case GapFault::NoGap:
        return "brak luki oznaczonej „<” i „>”";
    }
    return {};
}

GapSentence PrepareGapSentence(const std::string& english) {
    GapSentence s;
    std::string text = english;
    if (text.find('<') == std::string::npos) {
        text += kNoGapNotice;
        AddFault(s, GapFault::NoGap);
    }
    auto tokens = SplitSentenceTokens(text);
    if (tokens.size() > static_cast<std::size_t>(kMaxSentenceTokens)) {
        tokens.resize(kMaxSentenceTokens);
        AddFault(s, GapFault::TooManyTokens);
    }
    const auto drop = UnusableMarks(tokens, s);
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (!drop[i]) {
            s.tokens.push_back(std::move(tokens[i]));
        }
    }
    return s;
}

std::string SolutionText(const std::string& english) {
    return StripAngleBrackets(english);
}

} // namespace lumora
