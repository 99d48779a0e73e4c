#pragma once
// The course the screenshots show: the demo course's tables, with sample
// texts where it has none yet, and its pictures copied into a temporary
// course folder (stand-ins drawn for those it lacks), including the button
// strips of the shared picture list and the pictures of one topic's
// sentence lessons.
#include "shell/standalone_run.h"

#include <QTemporaryDir>

#include <string>

namespace lumora::shots {

// The topic whose sentence lessons the sentence screen shots show.
inline constexpr const char* kSentenceTopic = "kuchnia";

class SampleCourse {
  public:
    // Fills the run's course with the sample course.
    SampleCourse(StandaloneRun& run, const std::string& demoRoot);

    bool Ready() const { return ready_; }

  private:
    void LoadTables();
    void FillMissingTexts();
    bool MakePictures();
    bool MakeSentencePictures();
    bool MakeButtonStrips();
    // Copies the demo course's file, or draws a stand-in with make.
    template <class Make> bool Provide(const std::string& relative, Make make);

    StandaloneRun& run_;
    std::string demoRoot_;
    QTemporaryDir dir_;
    std::string root_;
    bool ready_ = false;
};

} // namespace lumora::shots
