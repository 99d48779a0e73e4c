// The program as a learner meets it, over a small course written by the test:
// the screens created at start-up, the login, the main menu, the topic screen
// and the best scores.
#include "course/display_check.h"
#include "elements/button_strips.h"
#include "fake_media_player.h"
#include "platform/blocking_wait.h"
#include "platform/message_box.h"
#include "platform/text_file.h"
#include "platform/ui/recording_canvas.h"
#include "program_screens.h"
#include "shell/screen_roster.h"
#include "sound/sound_service.h"
#include "users/points_table.h"
#include "users/user_registry.h"

#include <QCoreApplication>
#include <QImage>
#include <QScrollBar>

namespace lumora {
namespace {

using test::ProgramScreens;

TEST_F(ProgramScreens, StartupCreatesTheScreensInOrderAndLoadsTheCourse) {
    Start();
    EXPECT_EQ(screens->CreationOrder,
              (std::vector<std::string>{"TForm1",       "TForm2",          "TPrezentacjaForm",
                                        "TForm5",       "TPseudo_Form",    "TCW_Wpisywanie1Form",
                                        "TC_DDForm",    "TSecondForm",     "TWynik_Form",
                                        "TForm9",       "TForm10",         "TForm20",
                                        "TTopFiveForm", "TC_MC_Form",      "TInformacjaForm",
                                        "TPodkladForm", "TOdkrywanieForm", "TKrzyzowkaForm",
                                        "TC_DefForm",   "TC_TF_Form",      "TQuestionForm",
                                        "TOpcjeForm"}));
    for (int code : {1, 2, 3, 4, 9, 30, 31, 32, 35, 36, 37, 38, 39, 40, 41, 42}) {
        EXPECT_NE(screens->Lessons.OpenerOf(code), nullptr) << code;
    }
    EXPECT_EQ(Loaded().SteeringTable.size(), 7u);
    EXPECT_EQ(Loaded().DataRoot, builder.DataRoot());
    // Screens made after the main menu read their hints from the loaded course.
    EXPECT_EQ(screens->Form1->TopicPictures[2]->toolTip(), QStringLiteral("hint 3"));
    EXPECT_EQ(screens->Form9->B_OK->toolTip(), QStringLiteral("hint 30"));
    EXPECT_EQ(screens->SecondForm->btn_polecenie->toolTip(), QStringLiteral("hint 50"));
}

// Start-up makes every screen but fills a lesson screen only when it is first
// opened, and decodes a button strip only when a shown screen draws it.
TEST_F(ProgramScreens, ScreensAreFilledAndTheirButtonsDecodedWhenFirstNeeded) {
    builder.Folder().MakeFolder("course/btn");
    for (const char* file : kButtonStripFiles) {
        std::string name = file;
        name.replace(0, 4, "btn/");
        WritePicture(name, 66, 33);
    }
    Start();
    const TMyImageList& strips = MyImageList1();
    ASSERT_EQ(strips.Count(), static_cast<int>(kButtonStripFiles.size()));
    for (int i = 0; i < strips.Count(); ++i) {
        EXPECT_FALSE(strips.Decoded(i)) << kButtonStripFiles[static_cast<std::size_t>(i)];
    }
    ASSERT_EQ(screens->Lessons.All().size(), 10u);
    for (const auto& screen : screens->Lessons.All()) {
        EXPECT_FALSE(screen->ControlsMade()) << screen->objectName().toStdString();
    }

    // The login draws its new-user and end buttons; the lesson buttons wait.
    test::ShowAndWait(*screens->Form9);
    screens->Form9->grab();
    EXPECT_TRUE(strips.Decoded(6));
    EXPECT_TRUE(strips.Decoded(5));
    EXPECT_FALSE(strips.Decoded(0));
    EXPECT_FALSE(strips.Decoded(2));

    // Opening multiple choice fills that screen alone, and only once.
    const auto& lessons = screens->Lessons.All();
    const auto found = std::find_if(lessons.begin(), lessons.end(), [](const auto& screen) {
        return screen->objectName() == QStringLiteral("TC_MC_Form");
    });
    ASSERT_NE(found, lessons.end());
    LessonScreen& choice = **found;
    const auto& rows = Loaded().SteeringTable;
    const int story = static_cast<int>(
        std::find_if(rows.begin(), rows.end(), [](const auto& row) { return row.Code == 35; }) -
        rows.begin() + 1);
    MessageRecorder messages;
    screens->Lessons.Start(Loaded(), Lesson(), story);
    ASSERT_TRUE(choice.ControlsMade());
    TTransparentButton* exit = choice.btn_exit;
    screens->Lessons.Start(Loaded(), Lesson(), story);
    EXPECT_EQ(choice.btn_exit, exit);
    for (const auto& screen : lessons) {
        EXPECT_EQ(screen->ControlsMade(), screen.get() == &choice)
            << screen->objectName().toStdString();
    }
}

// Once the main menu is up, the lesson screens still empty are filled while
// the program waits for the learner, one at a time.
TEST_F(ProgramScreens, LessonScreensAreFilledWhenTheProgramIsIdle) {
    Start();
    MakeLessonControlsWhenIdle(*screens);
    EXPECT_FALSE(screens->Lessons.All().front()->ControlsMade());
    QCoreApplication::processEvents();
    EXPECT_EQ(std::count_if(screens->Lessons.All().begin(), screens->Lessons.All().end(),
                            [](const auto& screen) { return screen->ControlsMade(); }),
              1);
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
    }
    for (const auto& screen : screens->Lessons.All()) {
        EXPECT_TRUE(screen->ControlsMade()) << screen->objectName().toStdString();
    }
}

TEST_F(ProgramScreens, AnEmptyUserListLeavesOnlyNewUserAndEnd) {
    Start();
    test::ShowAndWait(*screens->Form9);
    EXPECT_EQ(screens->Form9->ComboBox1->Count(), 0);
    EXPECT_FALSE(screens->Form9->B_OK->isVisible());
    test::PressKey(*screens->Form9, Qt::Key_Return);
    EXPECT_FALSE(screens->Form9->LoggedIn());
    EXPECT_TRUE(screens->Form9->isVisible());
    EXPECT_EQ(LastPlayed(), "polecenia/l.wav");
    test::PressKey(*screens->Form9, Qt::Key_Escape);
    EXPECT_TRUE(screens->Form9->EndRequested());
    EXPECT_FALSE(screens->Form9->isVisible());
}

TEST_F(ProgramScreens, CreatingEveAfterAnnAndBobLogsInAsTheThirdUser) {
    builder.Folder().WriteBytes("course/polecenia/l.wav", "x");
    WriteUsers("1=Ann\n2=Bob\n");
    Start();
    test::ShowAndWait(*screens->Form9);
    ASSERT_EQ(screens->Form9->ComboBox1->Count(), 2);
    TForm10& newUser = *screens->Form10;
    TInformacjaForm& info = *screens->InformacjaForm;
    test::WhenIdle([&] {
        test::WhenIdle([&] { test::PressKey(info, Qt::Key_Escape); });
        newUser.Edit1->SetText("Eve");
        test::PressKey(newUser, Qt::Key_Return);
    });
    screens->Form9->Button1Click();
    EXPECT_EQ(builder.Folder().ReadBytes("user/usr.t"), "1=Ann\r\n2=Bob\r\n3=Eve\r\n");
    EXPECT_EQ(info.HelpText, "text 8 <br> <br> text 9 <br> text 10 <br> text 11 <br> text 12");
    EXPECT_TRUE(screens->Form9->LoggedIn());
    EXPECT_EQ(Run().CurrentUserName, "Eve");
    EXPECT_EQ(Run().CurrentUserFolder, builder.UserFolder() + "3/");
    EXPECT_EQ(builder.Folder().ReadBytes("user/3/pkt.txt").size(), 7 * 44u);
    EXPECT_EQ(LastPlayed(), "polecenia/menu/m23.wav");
}

TEST_F(ProgramScreens, ATakenNameIsRefusedAndNothingIsStored) {
    WriteUsers("1=Ann\n");
    Start();
    TForm10& newUser = *screens->Form10;
    test::WhenIdle([&] {
        test::WhenIdle([&] { test::PressKey(*screens->Form20, Qt::Key_Escape); });
        newUser.Edit1->SetText(" ANN ");
        test::PressKey(newUser, Qt::Key_Return);
        EXPECT_TRUE(newUser.isVisible());
        EXPECT_EQ(newUser.Edit1->Text(), "");
        EXPECT_FALSE(newUser.B_OK->isVisible());
        test::PressKey(newUser, Qt::Key_Escape);
    });
    newUser.ShowModal();
    EXPECT_EQ(screens->Form20->Label1->Caption(), kDuplicateUserMessage);
    EXPECT_EQ(builder.Folder().ReadBytes("user/usr.t"), "1=Ann\r\n");
    EXPECT_EQ(screens->Users.Count(), 1);
}

TEST_F(ProgramScreens, ANameWithACharacterWindows1250LacksIsRefusedAsTyped) {
    WriteUsers("1=Ann\n");
    Start();
    TForm10& newUser = *screens->Form10;
    test::WhenIdle([&] {
        test::WhenIdle([&] { test::PressKey(*screens->Form20, Qt::Key_Escape); });
        newUser.Edit1->SetText("Muñoz");
        test::PressKey(newUser, Qt::Key_Return);
        EXPECT_TRUE(newUser.isVisible());
        EXPECT_EQ(newUser.Edit1->Text(), "Muñoz");
        EXPECT_TRUE(newUser.B_OK->isVisible());
        test::PressKey(newUser, Qt::Key_Escape);
    });
    newUser.ShowModal();
    EXPECT_EQ(screens->Form20->Label1->Caption(), UnwritableCharacterMessage("ñ"));
    EXPECT_EQ(builder.Folder().ReadBytes("user/usr.t"), "1=Ann\r\n");
}

TEST_F(ProgramScreens, TheArrowKeysChooseInTheLoginListLikeAClick) {
    WriteUsers("1=Ann\n2=\n3=Cid\n");
    Start();
    TForm9& login = *screens->Form9;
    test::ShowAndWait(login);
    login.ComboBox1->setFocus();
    ASSERT_TRUE(login.B_OK->isVisible());
    test::PressKey(login, Qt::Key_Up);
    EXPECT_EQ(login.ComboBox1->ItemIndex(), 1);
    EXPECT_FALSE(login.B_OK->isVisible()) << "an entry without a name";
    test::PressKey(login, Qt::Key_Return);
    EXPECT_FALSE(login.LoggedIn());
    EXPECT_FALSE(PathExists(builder.UserFolder() + "2"));
    test::PressKey(login, Qt::Key_Up);
    EXPECT_TRUE(login.B_OK->isVisible());
    test::PressKey(login, Qt::Key_Return);
    EXPECT_TRUE(login.LoggedIn());
    EXPECT_EQ(Run().CurrentUserName, "Ann");
}

TEST_F(ProgramScreens, TheLoginPreselectsTheLastUserOfTheFile) {
    WriteUsers("4=Ann\n9=Bob\n2=Cid\n");
    Start();
    test::ShowAndWait(*screens->Form9);
    EXPECT_EQ(screens->Form9->ComboBox1->ItemIndex(), 2);
    EXPECT_TRUE(screens->Form9->B_OK->isVisible());
    test::PressKey(*screens->Form9, Qt::Key_Return);
    EXPECT_EQ(Run().CurrentUserName, "Cid");
    EXPECT_EQ(Run().CurrentUserFolder, builder.UserFolder() + "2/");
}

// The longest name the new-user box takes, in its widest letters.
const std::string kLongestName(17, 'W');

TEST_F(ProgramScreens, TheLongestNameFitsTheLoginListWithoutScrolling) {
    WriteUsers("1=Ann\n2=" + kLongestName + "\n");
    Start();
    test::ShowAndWait(*screens->Form9);
    const ListBox& list = *screens->Form9->ComboBox1;
    EXPECT_EQ(list.horizontalScrollBar()->maximum(), 0);
    EXPECT_FALSE(list.horizontalScrollBar()->isVisible());
    EXPECT_EQ(list.Item(1), kLongestName); // cut only where it is shown
    EXPECT_EQ(list.item(1)->toolTip().toStdString(), kLongestName);
    EXPECT_TRUE(list.item(0)->toolTip().isEmpty());
    test::PressKey(*screens->Form9, Qt::Key_Return);
    EXPECT_EQ(Run().CurrentUserName, kLongestName);
}

TEST_F(ProgramScreens, ALongNameOnTheBestScoresStopsShortOfItsPoints) {
    WriteUsers("1=" + kLongestName + "\n");
    builder.Folder().WriteBytes("user/1/pkt.txt", EncodePointsRecord({"m_1", 30, 5000, true}));
    Start();
    test::ShowAndWait(*screens->TopFiveForm);
    RecordingCanvas canvas(262, 249, 12);
    screens->TopFiveForm->PaintBox1Paint(canvas);
    ASSERT_GE(canvas.Texts.size(), 3u);
    const auto& name = canvas.Texts[1];
    EXPECT_EQ(name.text, std::string(12, 'W') + "…");
    EXPECT_LT(name.x + canvas.TextWidth(name.text), canvas.Texts[2].x);
    EXPECT_EQ(canvas.Texts[2].text, "5000");
    EXPECT_EQ(canvas.Texts[4].text, "Brian"); // short names stay whole
}

TEST_F(ProgramScreens, TheGeographyPictureOpensPlaces) {
    Start();
    TForm1& menu = *screens->Form1;
    test::ShowAndWait(menu);
    test::MouseClick(menu, {133 + 40, 122 + 40});
    EXPECT_EQ(Lesson().CurrentTopic, "miejsca");
    EXPECT_TRUE(screens->SecondForm->isVisible());
    EXPECT_EQ(screens->SecondForm->TopicLessons(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(LastPlayed(), "polecenia/menu/m3.wav");
}

TEST_F(ProgramScreens, StillPreparationOrTheIntroAnimation) {
    Start();
    TForm1& menu = *screens->Form1;
    test::ShowAndWait(menu);
    menu.PicturesReady = false;
    waits.clear();
    Run().settings.AnimMenu = 0;
    menu.FormActivate();
    EXPECT_TRUE(waits.empty());
    for (int t = 1; t <= kMenuTopics; ++t) {
        EXPECT_EQ(menu.FrameShown(t), FirstFrame(t));
    }
    menu.PicturesReady = false;
    Run().settings.AnimMenu = 1;
    menu.FormActivate();
    EXPECT_EQ(waits, std::vector<int>(12, 90));
    menu.FormActivate(); // later activations change nothing
    EXPECT_EQ(waits.size(), 12u);
    menu.TopicMouseEnter(6);
    EXPECT_EQ(menu.FrameShown(6), 30);
    EXPECT_EQ(std::vector<int>(waits.begin() + 12, waits.end()), std::vector<int>(5, 40));
}

TEST_F(ProgramScreens, EscapeKeepsTheMenuPicturesTheExitButtonResetsThem) {
    Start();
    TForm1& menu = *screens->Form1;
    test::ShowAndWait(menu);
    menu.FormActivate();
    menu.TopicMouseEnter(6);
    menu.TopicClick(3);
    TSecondForm& topic = *screens->SecondForm;
    test::PressKey(topic, Qt::Key_Escape);
    EXPECT_FALSE(topic.isVisible());
    EXPECT_EQ(menu.FrameShown(6), 30);
    menu.TopicClick(3);
    test::MouseClick(*topic.btn_exit, {10, 10});
    EXPECT_FALSE(topic.isVisible());
    EXPECT_EQ(menu.FrameShown(6), 26);
}

TEST_F(ProgramScreens, TheTopicListStartsTheLessonUnderTheMouse) {
    TSecondForm& topic = PaintedPlacesTopic();
    ASSERT_EQ(topic.HitAreas().size(), 7u);
    const TopicHitArea& drag = topic.HitAreas()[6];
    EXPECT_EQ(drag.code, 36);
    topic.PaintBox1MouseMove(drag.left + 5, drag.top + 5);
    EXPECT_TRUE(topic.lbl_opis->isVisible());
    EXPECT_EQ(topic.lbl_opis->Caption(), "hint 64");
    topic.PaintBox1MouseMove(drag.right + 50, drag.top + 5);
    EXPECT_FALSE(topic.lbl_opis->isVisible());
    MessageRecorder messages; // the test course has no content for the lesson
    topic.PaintBox1MouseDown(drag.left + 5, drag.top + 5);
    EXPECT_EQ(Lesson().CurrentRow, 7);
    Lesson().CurrentRow = 0;
    topic.PaintBox1MouseDown(drag.right + 50, drag.top + 5);
    EXPECT_EQ(Lesson().CurrentRow, 0);
}

// The screen shows one topic after another; a click that comes before the
// new list is painted must not start a lesson of the topic shown before.
TEST_F(ProgramScreens, AClickBeforeTheListIsPaintedStartsNothingOfTheTopicBefore) {
    TSecondForm& topic = PaintedPlacesTopic();
    ASSERT_EQ(topic.HitAreas().size(), 7u);
    const TopicHitArea drag = topic.HitAreas()[6];
    topic.btn_exitClick();

    Lesson().CurrentTopic = "kuchnia"; // no lessons
    topic.Show();
    topic.PaintBox1MouseDown(drag.left + 5, drag.top + 5);
    EXPECT_EQ(Lesson().CurrentRow, 0);
    topic.PaintBox1->grab();
    EXPECT_TRUE(topic.HitAreas().empty());
}

TEST_F(ProgramScreens, ALessonKindWithoutAScreenSaysSoInsteadOfNothing) {
    Start();
    Lesson().CurrentTopic = "miejsca";
    // Every kind of the course has its screen; a topic screen without them
    // stands for a course with a kind this version has no screen for.
    const LessonScreens none;
    TSecondForm topic(*screens->Context, none);
    test::ShowAndWait(topic);
    topic.PaintBox1->grab();
    ASSERT_EQ(topic.HitAreas().size(), 7u);
    MessageRecorder messages;
    Lesson().CurrentRow = 0;
    // Words with their two drills, then the sentence lesson.
    const TopicHitArea& sentences = topic.HitAreas()[3];
    topic.PaintBox1MouseDown(sentences.left + 5, sentences.top + 5);
    EXPECT_EQ(messages.Messages(),
              std::vector<std::string>{"Ćwiczenie „hint 56” nie jest jeszcze dostępne w tej "
                                       "wersji kursu. Wybierz inne ćwiczenie."});
    EXPECT_EQ(Lesson().CurrentRow, 0); // nothing was started
    // A kind without a description is named by its lesson's title.
    EXPECT_EQ(LessonNotReadyMessage(Loaded(), 6, 40),
              "Ćwiczenie „The story” nie jest jeszcze dostępne w tej wersji kursu. Wybierz inne "
              "ćwiczenie.");
    EXPECT_EQ(LessonNotReadyMessage(Loaded(), 99, 40),
              "To ćwiczenie nie jest jeszcze dostępne w tej wersji kursu. Wybierz inne ćwiczenie.");
}

TEST_F(ProgramScreens, BestScoresPaintTenRowsAndSpeakTheRank) {
    WriteUsers("1=Eve\n");
    builder.Folder().WriteBytes("user/1/pkt.txt", EncodePointsRecord({"m_1", 30, 4000, true}));
    Start();
    Run().CurrentUserName = "Eve";
    test::ShowAndWait(*screens->TopFiveForm);
    EXPECT_EQ(screens->TopFiveForm->CurrentRank(), 1);
    EXPECT_EQ(LastPlayed(), "polecenia/t1.wav");
    RecordingCanvas canvas(262, 249);
    screens->TopFiveForm->PaintBox1Paint(canvas);
    ASSERT_EQ(canvas.Texts.size(), 30u); // ten rows of number, name and total
    EXPECT_EQ(canvas.Texts[1].text, "Eve");
    EXPECT_EQ(canvas.Texts[1].font.size, 14);
    EXPECT_EQ(canvas.Texts[4].text, "Brian");
    EXPECT_EQ(canvas.Texts[4].font.size, 12);
    EXPECT_EQ(canvas.Texts[27].text, "10.");
    EXPECT_EQ(canvas.Texts[27].y, 216);
    EXPECT_EQ(canvas.Texts[28].text, "Jennifer");
}

TEST_F(ProgramScreens, TheExitQuestion) {
    Start();
    TForm1& menu = *screens->Form1;
    test::ShowAndWait(menu);
    test::WhenIdle([&] { test::PressKey(*screens->QuestionForm, Qt::Key_Escape); });
    menu.k_koniecClick();
    EXPECT_TRUE(menu.isVisible());
    EXPECT_FALSE(menu.EndConfirmed());
    EXPECT_EQ(screens->QuestionForm->Label1->Caption(), "text 3");
    test::WhenIdle([&] { test::PressKey(*screens->QuestionForm, Qt::Key_Return); });
    menu.k_koniecClick();
    EXPECT_TRUE(menu.EndConfirmed());
    EXPECT_FALSE(menu.isVisible());
    EXPECT_EQ(LastPlayed(), "polecenia/e.wav");
    EXPECT_TRUE(mainPlayer.last_wait);
}

TEST(DisplayCheck, DevicePixels) {
    EXPECT_TRUE(CheckDisplay(800, 600).large);
    EXPECT_FALSE(CheckDisplay(799, 600).large);
    EXPECT_FALSE(CheckDisplay(800, 599).large);
}

} // namespace
} // namespace lumora
