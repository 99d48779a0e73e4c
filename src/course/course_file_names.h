#pragma once
// The names of the files a course holds, relative to its folder and written
// the Windows way, as the program opens them. The demo-course generator and
// the screenshot tool make and read the same files under these names.
namespace lumora {

// Tables read at start-up.
inline constexpr const char* kIniFile = "ini.t";
inline constexpr const char* kInstructionsFile = "Polecenia\\polecenia.txt";
inline constexpr const char* kSteeringFile = "Steruj.t";
inline constexpr const char* kDataFile = "data.t";
inline constexpr const char* kStFile = "St.t";
inline constexpr const char* kRevealIndexFile = "odkrywanki\\idx.t";

// Settings kept in the learner's data folder.
inline constexpr const char* kUserSettingsFile = "ini_hdd.t";

// Backgrounds of the screens and boxes.
inline constexpr const char* kBlankBackground = "gfx\\blank_tlo.bmp";
inline constexpr const char* kResultBoxPicture = "gfx\\statystyka.bmp";
inline constexpr const char* kInformationPicture = "gfx\\polecenie.bmp";
inline constexpr const char* kQuestionPicture = "gfx\\question1.bmp";
inline constexpr const char* kMessagePicture = "gfx\\informacja.bmp";
inline constexpr const char* kLoginPicture = "gfx\\logowanie.bmp";
inline constexpr const char* kNewUserPicture = "gfx\\nowy_user.bmp";
inline constexpr const char* kBestScoresPicture = "gfx\\topten_tlo.bmp";

} // namespace lumora
