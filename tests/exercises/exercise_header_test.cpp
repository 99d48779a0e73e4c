#include "course_builder.h"
#include "exercises/exercise_header.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(ExerciseHeader, FieldsBetweenTheHashes) {
    const auto h = SplitExerciseHeader("7#F_kot#help7.wav#Posłuchaj i wybierz.#extra#");
    ASSERT_TRUE(h);
    EXPECT_EQ(h->MediaName, "F_kot");
    EXPECT_EQ(h->HelpSound, "help7.wav");
    EXPECT_EQ(h->InstructionText, "Posłuchaj i wybierz.");
    EXPECT_TRUE(SplitExerciseHeader("7#a##x#"));
    EXPECT_FALSE(SplitExerciseHeader("7#a#b#c"));
}

TEST(ExerciseHeader, FilmMarkLooksOnlyForTheFilm) {
    test::CourseBuilder b;
    b.Folder().WriteBytes("course/Teksty_wav/kot.wav", "RIFF");
    b.Folder().WriteBytes("course/Teksty_wav/Pies.MPG", "film");
    const CourseData c = b.Load();
    const auto recording = FindExerciseMedia(c, "kot");
    EXPECT_FALSE(recording.FilmMode);
    EXPECT_EQ(recording.ExerciseMedia, b.DataRoot() + "Teksty_wav/kot.wav");
    const auto filmOnlyRecorded = FindExerciseMedia(c, "F_kot");
    EXPECT_TRUE(filmOnlyRecorded.FilmMode);
    EXPECT_EQ(filmOnlyRecorded.ExerciseMedia, "");
    const auto film = FindExerciseMedia(c, "F_pies");
    EXPECT_TRUE(film.FilmMode);
    EXPECT_EQ(film.ExerciseMedia, b.DataRoot() + "Teksty_wav/Pies.MPG");
    EXPECT_EQ(film.StillPicture, b.DataRoot() + "Teksty_wav/pies.bmp");
    EXPECT_EQ(FindExerciseMedia(c, "").ExerciseMedia, "");
}

TEST(ExerciseHeader, HelpSoundAndStoryRecord) {
    test::CourseBuilder b;
    const CourseData c = b.Load();
    EXPECT_EQ(HelpSoundPath(c, {"m", "  ", "t"}), "");
    EXPECT_EQ(HelpSoundPath(c, {"m", "h.wav", "t"}), b.DataRoot() + "Polecenia/rozumienie/h.wav");
    std::string fault;
    EXPECT_NE(StoryRecord(c, "1", fault), nullptr);
    EXPECT_EQ(StoryRecord(c, "5", fault), nullptr);
    EXPECT_EQ(fault, "the course has no such record.");
    EXPECT_EQ(StoryRecord(c, "x", fault), nullptr);
    EXPECT_EQ(fault, "'x' is not a valid integer value");
}

} // namespace
} // namespace lumora
