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

struct PointsRow {
    std::string Name; // the lesson's Content key, at most 30 characters
    std::int32_t Number = 0;
    std::int32_t Points = 0;
    bool Done = false;
};

inline constexpr std::size_t kPointsRecordSize = 44;
inline constexpr std::size_t kPointsNameLength = 30;
inline constexpr const char* kPointsFile = "pkt.txt";
inline constexpr const char* kPointsNotFoundMessage = "Dodaj punkty: Nie odnaleziono cwiczenia!";

// One record as stored; the name is written in Windows-1250.
std::string EncodePointsRecord(const PointsRow& row);
// Decodes one record from exactly 44 bytes.
PointsRow DecodePointsRecord(std::string_view bytes);
// Every whole record of a file's bytes, up to `limit` records.
std::vector<PointsRow> DecodePointsFile(std::string_view bytes, std::size_t limit);

class PointsTable {
  public:
    static constexpr int kMaxRows = 350;

    // Reads folder + "pkt.txt" (up to 350 records); an absent file gives an
    // empty table. Returns an error text when the file exists but cannot be read.
    std::optional<std::string> LoadPoints(const std::string& userFolder);

    // One row per steering row: its Content cut to 30 characters, its Code,
    // no points, not done.
    void InitPointsFromSteering(const CourseData& course);

    // Rewrites folder + "pkt.txt" with as many records as the course has
    // steering rows; rows the table does not hold are written as zero records.
    std::optional<std::string> SavePoints(const std::string& userFolder,
                                          std::size_t steeringRows) const;

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
    std::vector<PointsRow> rows_;
};

// The program's points table of the logged-in user.
PointsTable& CurrentPoints();

// Records the points of a lesson that was left: Apply, the message when no
// row matched, and SavePoints in every case (a write failure is shown too).
void AddPoints(const CourseData& course, PointsTable& table, const std::string& name, int number,
               int points);

// The same on the program's course and points table.
void AddPoints(const std::string& name, int number, int points);

// The total of a points file; nothing when it does not exist or cannot be read.
std::optional<std::int32_t> PointsFileTotal(const std::string& path);

} // namespace lumora
