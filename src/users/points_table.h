#pragma once
// The learner's points file "pkt.txt": one 44-byte record per lesson of the
// course, with the best points reached and whether the lesson was finished.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

struct CourseData;
struct ReadFailure;

struct PointsRow {
    std::string Name; // the lesson's Content key, at most 30 characters
    std::int32_t Number = 0;
    std::int32_t Points = 0;
    bool Done = false;
};

inline constexpr std::size_t kPointsRecordSize = 44;
inline constexpr std::size_t kPointsNameLength = 30;
inline constexpr const char* kPointsFile = "pkt.txt";
// Held beside the points file while it is read and while it is saved.
inline constexpr const char* kPointsLockSuffix = ".lock";
inline constexpr const char* kPointsNotFoundMessage = "Dodaj punkty: Nie odnaleziono cwiczenia!";

// One record as stored; the name is written in Windows-1250.
std::string EncodePointsRecord(const PointsRow& row);
// Decodes one record from exactly 44 bytes. A damaged record is read for what
// it still holds: a done byte other than 0 reads as done, a name length over
// 30 reads the 30 characters a record holds; number and points are kept.
PointsRow DecodePointsRecord(std::string_view bytes);
// Every whole record of a file's bytes, up to `limit` records, each read as
// DecodePointsRecord reads it: the rows the program loads.
std::vector<PointsRow> DecodePointsFile(std::string_view bytes, std::size_t limit);

// One thing wrong with a points file.
struct PointsFault {
    enum class Kind {
        Torn,       // the file ends inside this record; value: its bytes there
        DoneByte,   // value: the done byte, neither 0 nor 1
        NameLength, // value: the name length byte, over 30
    };
    Kind kind;
    std::size_t record; // 1-based
    int value;
};

// What is wrong with a points file's bytes, in record order; empty for a
// sound file.
std::vector<PointsFault> PointsFileFaults(std::string_view bytes);
// A fault for a course author, in English, with how the program reads it.
std::string DescribePointsFault(const PointsFault& fault);

// What loading a points file found.
struct PointsLoad {
    // The file exists but cannot be read, or is damaged and no copy of it
    // could be kept: nothing was loaded and the file must not be rewritten.
    std::optional<std::string> error;
    // The file was damaged: what was wrong and where the copy of it is kept.
    std::optional<std::string> damage;
};

class PointsTable {
  public:
    static constexpr int kMaxRows = 350;

    // Reads folder + "pkt.txt" (up to 350 records; any further records are
    // kept and written back); an absent file gives an empty table. A damaged
    // file (a torn last record, records with a bad done byte or name length)
    // is copied aside first, and its records are loaded as DecodePointsRecord
    // reads them. Records of all zeros (no name, no number, no points, not
    // done) are left as gaps that FillFromSteering fills.
    PointsLoad LoadPoints(const std::string& userFolder);

    // One row per steering row: its Content cut to 30 characters, its Code,
    // no points, not done.
    void InitPointsFromSteering(const CourseData& course);

    // Gives the rows the file did not hold, and the records of all zeros,
    // the steering row of the same index, as InitPointsFromSteering does, so
    // that every lesson of the course can record its points.
    void FillFromSteering(const CourseData& course);

    // Rewrites folder + "pkt.txt" with every row of the table (never fewer
    // records than were read).
    std::optional<std::string> SavePoints(const std::string& userFolder) const;

    // Saves the table as SavePoints does, after reading the file again under
    // the lock beside it: for every record of the same lesson in the same
    // place, the better points and the done mark of either are kept, and the
    // records the file holds beyond the table are taken in. So a learner
    // logged in on two computers at once never loses a result. The table
    // becomes what was saved.
    std::optional<std::string> MergeAndSave(const std::string& userFolder);

    // Keeps the better of the stored and the new points and marks done, for
    // every row of that lesson key and code. False when no row matched.
    bool Apply(const std::string& name, int number, int points);

    // The sum of all points.
    std::int32_t Total() const;

    const std::vector<PointsRow>& Rows() const { return rows_; }
    int Count() const { return static_cast<int>(rows_.size()); }
    // The done flag of steering row `index` (1-based); false beyond the table.
    bool IsDone(int index) const;

  private:
    void MergeRows(const std::vector<PointsRow>& stored);

    std::vector<PointsRow> rows_;
    std::vector<std::size_t> gaps_; // rows of all-zero records, to be filled
    std::string beyond_;            // the records after the 350th, as read
};

// Whether a points file's bytes are whole records.
bool IsWholePointsFile(std::string_view bytes);

// A points file's bytes, read as a file that another computer may be
// replacing (ReadFileBytesPatiently): a torn file is read again before it is
// taken as damaged.
std::optional<std::string> ReadPointsFile(const std::string& path, ReadFailure* failure = nullptr);

// The total of a points file's records, read as the program reads them;
// nothing when it does not exist or cannot be read.
std::optional<std::int32_t> PointsFileTotal(const std::string& path);

} // namespace lumora
