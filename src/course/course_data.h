#pragma once
// The course as the program holds it after start-up: the folders, the text
// tables and the steering tables. It is loaded once and only read after that;
// what changes while the program runs (the learner, the settings, the lesson
// being played, the points) is the session's (users/session.h).
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace lumora {

enum class Colour { Black, White };

struct TopicRow {
    std::string FolderName;
    int ListLeft = 0;
    int ListTop = 0;
    int ListAlign = 0;
    int IconOffset = 0;
    Colour ListColour = Colour::Black;
    int DescLeft = 0;
    int DescTop = 0;
    Colour DescColour = Colour::Black;
};

struct InstructionEntry {
    int number = 0;
    std::string text;
};

inline constexpr int kLayoutPairs = 8;

struct SteeringRow {
    std::string TopicFolder;
    std::string Content;
    int Code = 0;
    std::string Background;
    std::string Title;
    std::string Spare;
    int LayoutCount = 0;
    // Pair k (1..8) is at index k - 1.
    std::array<int, kLayoutPairs> LayoutX{};
    std::array<int, kLayoutPairs> LayoutY{};
    std::string Variants;
    int Line = 0; // its line in Steruj.t; an added row has its source row's
};

struct DataRow {
    std::string TopicKey;
    std::string GroupKey;
    std::string EnglishText;
    std::string Field4;
    std::string PolishText;
    std::string PictureFile;
    bool Field7 = false;
    std::string SoundFile;
    std::string Field9;
    int KindCode = 0;
    int Field11 = 0;
    std::string Field12;
    int Field13 = 0;
    std::string Field14;
    std::string Field15;
    int Line = 0; // the line of data.t the row was read from
};

struct StRecord {
    std::string StHead;
    std::string StBody;
    std::string StTail;
    int Line = 0; // the line of St.t that holds StHead; StBody is on the next
};

struct RevealEntry {
    std::string name;
    std::string value;
};

struct CourseData {
    // Table limits.
    static constexpr int kTopics = 12;
    static constexpr int kMaxTexts = 200;
    static constexpr int kMaxHints = 100;
    static constexpr int kMaxInstructions = 50;
    static constexpr int kMaxSteeringRows = 350;
    static constexpr int kMaxDataRows = 2000;
    static constexpr int kMaxStRecords = 200;
    static constexpr int kMaxRevealEntries = 100;

    // Folders, each ending in '/'. Course file names are resolved against
    // DataRoot without regard to case (DataPath). UserDataFolder is the
    // computer account's own: the settings and the voice recording.
    // UsersFolder holds the learners, "usr.t" and one folder each; empty, it
    // is UserDataFolder, as it is unless a class shares one.
    std::string DataRoot;
    std::string UserDataFolder;
    std::string UsersFolder;

    // ini.t
    int FontCharset = 0;
    std::array<TopicRow, kTopics> TopicTable{};
    std::array<std::string, kMaxTexts + 1> TextTable{}; // entries 1..200
    int TextCount = 0;
    std::array<std::string, kMaxHints + 1> HintTable{}; // entries 1..100
    int HintCount = 0;

    // Polecenia\polecenia.txt
    std::vector<InstructionEntry> InstructionTable;

    // Steruj.t, data.t, St.t, odkrywanki\idx.t. Row i of the numbered tables
    // is at index i - 1.
    std::vector<SteeringRow> SteeringTable;
    std::vector<DataRow> DataTable;
    std::array<std::optional<StRecord>, kMaxStRecords + 1> StTable{}; // records 1..200
    int StCount = 0;
    std::vector<RevealEntry> RevealIndex;

    // Text n of the text table, or "not found!" when it is empty.
    std::string GetText(int n) const;
    // Hint n of the hint table, or "not found!" when it is empty.
    std::string GetHint(int n) const;
    // The text of the instruction numbered n (the last one with that number),
    // or an empty text when there is none.
    std::string InstructionText(int n) const;
    // Full path of a course file named relative to DataRoot, Windows style.
    std::string DataPath(const std::string& relative) const;
    // Full path of a file named relative to UserDataFolder.
    std::string UserPath(const std::string& relative) const;
    // The learners' folder: UsersFolder, else UserDataFolder.
    const std::string& LearnersFolder() const;
    // Full path of a file named relative to the learners' folder.
    std::string UsersPath(const std::string& relative) const;
    // The topic row whose FolderName equals the topic exactly, if any.
    const TopicRow* FindTopic(const std::string& folder) const;

    const SteeringRow* Steering(int index) const;
    const StRecord* St(int number) const;
};

} // namespace lumora
