#pragma once
// Every lesson code the program refers to by name. A code is the number in
// a lesson's row of the steering table; the lesson-kind table says how each
// is listed and the exercise catalogue which screen opens it.

namespace lumora {

// The sentence exercises: does the sentence fit the picture (yes or no),
// which of two, three or four pictures it fits, and the gaps to fill in.
inline constexpr int kFitsPictureCode = 1;
inline constexpr int kTwoPicturesCode = 2;
inline constexpr int kThreePicturesCode = 3;
inline constexpr int kFourPicturesCode = 4;
inline constexpr int kGapSentenceCode = 9;
// Codes listed as sentence lessons that no screen opens.
inline constexpr int kFirstUnopenedSentenceCode = 5;
inline constexpr int kLastUnopenedSentenceCode = 8;

// The vocabulary presentation and the two drills its row may add.
inline constexpr int kVocabularyCode = 30;
inline constexpr int kPictureChoiceCode = 31;
inline constexpr int kTypingDrillCode = 32;

inline constexpr int kMultipleChoiceCode = 35;
inline constexpr int kDragAndDropCode = 36;
inline constexpr int kTypingCode = 37;
inline constexpr int kDefinitionsCode = 38;
inline constexpr int kTrueFalseCode = 39;
inline constexpr int kWordSearchCode = 40;
inline constexpr int kRevealCode = 41;
inline constexpr int kCrosswordCode = 42;

// Codes 1 to 4: the sentence is judged against pictures.
constexpr bool IsPictureSentenceCode(int code) {
    return code >= kFitsPictureCode && code <= kFourPicturesCode;
}

// The codes the sentence screen opens.
constexpr bool IsSentenceCode(int code) {
    return IsPictureSentenceCode(code) || code == kGapSentenceCode;
}

} // namespace lumora
