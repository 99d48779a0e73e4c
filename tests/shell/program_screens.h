#pragma once
// The program over a small course written by the test: its screens made as at
// start-up, with the players, the pauses and the messages recorded.
#include "fake_media_player.h"
#include "platform/blocking_wait.h"
#include "platform/message_box.h"
#include "screen_course.h"
#include "shell/screen_roster.h"
#include "sound/sound_service.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lumora::test {

class ProgramScreens : public ScreenCourse {
  protected:
    ProgramScreens() : sound(mainPlayer, sidePlayer) {
        previousWait = SetBlockingWaitHook([this](int ms) { waits.push_back(ms); });
        WriteCourse();
    }
    ~ProgramScreens() override {
        screens.reset();
        SetBlockingWaitHook(previousWait);
    }

    void WriteCourse() {
        std::vector<std::string> texts, hints;
        for (int n = 1; n <= 16; ++n) {
            texts.push_back(std::to_string(n) + "==text " + std::to_string(n));
        }
        texts.push_back("*** hinty");
        for (int n = 1; n <= 67; ++n) {
            hints.push_back(std::to_string(n) + "==hint " + std::to_string(n));
        }
        hints.push_back("*** end");
        builder.Write("ini.t", IniText(texts, hints));
        builder.Write("Steruj.t", "miejsca=m_1=30==Words==28,60=11=\n"
                                  "miejsca=zd=1==Sentences====\n"
                                  "miejsca=1=35==The story====\n"
                                  "miejsca=2=36==Drag====\n");
        WritePicture("gfx/logowanie.bmp", 246, 187);
        WritePicture("gfx/nowy_user.bmp", 280, 106);
        WritePicture("gfx/polecenie.bmp", 448, 225);
        WritePicture("gfx/topten_tlo.bmp", 800, 600);
        WritePicture("Gfx/main.bmp", 800, 600);
        WritePicture("tla/menu/miejsca.bmp", 800, 600);
        // The player of these tests never reads the sounds; they only exist.
        for (const char* sound : {"l", "e", "t1", "t2", "menu/m23", "menu/m24", "menu/m3"}) {
            builder.Folder().WriteBytes("course/polecenia/" + std::string(sound) + ".wav", "x");
        }
        for (int k = 1; k <= 60; ++k) {
            WritePicture("menu_but/m_on_mouse_" + std::to_string(k) + ".bmp", 83, 83);
        }
    }

    void Start() {
        MessageRecorder quiet; // the test course has no button strips
        screens = CreateScreens({builder.DataRoot(), builder.UserFolder(), true, {}}, nullptr,
                                SoundParts{sound, recording});
    }

    // The topic screen on "miejsca", shown and painted once (the first paint
    // records its click areas), with no lesson started yet.
    TSecondForm& PaintedPlacesTopic() {
        Start();
        Lesson().CurrentTopic = "miejsca";
        Lesson().CurrentRow = 0;
        TSecondForm& topic = *screens->SecondForm;
        ShowAndWait(topic);
        topic.PaintBox1->grab();
        return topic;
    }

    void WriteUsers(const std::string& text) { builder.Folder().WriteText("user/usr.t", text); }

    // The last file the main player was asked to play, relative to the course.
    std::string LastPlayed() const {
        if (mainPlayer.plays.empty()) {
            return "";
        }
        return mainPlayer.plays.back().substr(builder.DataRoot().size());
    }

    // The course and the session of the program's run.
    const CourseData& Loaded() const { return *screens->Course; }
    Session& Run() const { return screens->RunSession; }
    LessonState& Lesson() const { return screens->RunSession.lesson; }

    FakeMediaPlayer mainPlayer;
    FakeMediaPlayer sidePlayer;
    SoundService sound;
    FakeRecorder recorder;
    Recording recording{recorder, mainPlayer};
    std::function<void(int)> previousWait;
    std::vector<int> waits;
    std::unique_ptr<ScreenRoster> screens;
};

} // namespace lumora::test
