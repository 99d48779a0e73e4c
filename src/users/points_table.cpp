#include "points_table.h"

#include "course/course_data.h"
#include "platform/cp1250.h"
#include "platform/message_box.h"
#include "platform/path_resolver.h"
#include "platform/text_file.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace lumora {
namespace {

constexpr std::size_t kNumberOffset = 32;
constexpr std::size_t kPointsOffset = 36;
constexpr std::size_t kDoneOffset = 40;

void PutInt32(std::string& out, std::size_t offset, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (int b = 0; b < 4; ++b) {
        out[offset + static_cast<std::size_t>(b)] = static_cast<char>((u >> (8 * b)) & 0xFF);
    }
}

std::int32_t GetInt32(std::string_view in, std::size_t offset) {
    std::uint32_t u = 0;
    for (int b = 0; b < 4; ++b) {
        u |= std::uint32_t(static_cast<unsigned char>(in[offset + static_cast<std::size_t>(b)]))
             << (8 * b);
    }
    return static_cast<std::int32_t>(u);
}

// The key as it is stored: its first 30 characters.
std::string StoredName(const std::string& name) {
    return Utf8Prefix(name, kPointsNameLength);
}

std::int32_t Clamp32(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

} // namespace

std::string EncodePointsRecord(const PointsRow& row) {
    std::string out(kPointsRecordSize, '\0');
    const std::string name = Utf8ToCp1250(row.Name).substr(0, kPointsNameLength);
    out[0] = static_cast<char>(name.size());
    std::memcpy(out.data() + 1, name.data(), name.size());
    PutInt32(out, kNumberOffset, row.Number);
    PutInt32(out, kPointsOffset, row.Points);
    out[kDoneOffset] = row.Done ? 1 : 0;
    return out;
}

PointsRow DecodePointsRecord(std::string_view bytes) {
    PointsRow row;
    const std::size_t length =
        std::min<std::size_t>(static_cast<unsigned char>(bytes[0]), kPointsNameLength);
    row.Name = Cp1250ToUtf8(bytes.substr(1, length));
    row.Number = GetInt32(bytes, kNumberOffset);
    row.Points = GetInt32(bytes, kPointsOffset);
    row.Done = bytes[kDoneOffset] != 0;
    return row;
}

std::vector<PointsRow> DecodePointsFile(std::string_view bytes, std::size_t limit) {
    std::vector<PointsRow> rows;
    for (std::size_t at = 0; at + kPointsRecordSize <= bytes.size() && rows.size() < limit;
         at += kPointsRecordSize) {
        rows.push_back(DecodePointsRecord(bytes.substr(at, kPointsRecordSize)));
    }
    return rows;
}

std::optional<std::string> PointsTable::LoadPoints(const std::string& userFolder) {
    rows_.clear();
    const std::string path = ResolvePath(userFolder, kPointsFile);
    if (!FileExists(path)) {
        return std::nullopt;
    }
    const auto bytes = ReadFileBytes(path);
    if (!bytes) {
        return "Cannot read file \"" + path + "\".";
    }
    rows_ = DecodePointsFile(*bytes, kMaxRows);
    return std::nullopt;
}

void PointsTable::InitPointsFromSteering(const CourseData& course) {
    rows_.clear();
    for (const auto& s : course.SteeringTable) {
        rows_.push_back({StoredName(s.Content), s.Code, 0, false});
    }
}

std::optional<std::string> PointsTable::SavePoints(const std::string& userFolder,
                                                   std::size_t steeringRows) const {
    std::string bytes;
    bytes.reserve(steeringRows * kPointsRecordSize);
    for (std::size_t i = 0; i < steeringRows; ++i) {
        bytes += EncodePointsRecord(i < rows_.size() ? rows_[i] : PointsRow{});
    }
    return WriteFileAtomic(ResolvePath(userFolder, kPointsFile), bytes);
}

bool PointsTable::Apply(const std::string& name, int number, int points) {
    // Rows hold the key cut to 30 characters, so the key is cut the same way;
    // otherwise a lesson with a longer key could never record its points.
    const std::string key = StoredName(name);
    bool matched = false;
    for (auto& row : rows_) {
        if (row.Name == key && row.Number == number) {
            row.Points = std::max(row.Points, static_cast<std::int32_t>(points));
            row.Done = true;
            matched = true;
        }
    }
    return matched;
}

std::int32_t PointsTable::Total() const {
    std::int64_t sum = 0;
    for (const auto& row : rows_) {
        sum += row.Points;
    }
    return Clamp32(sum);
}

bool PointsTable::IsDone(int index) const {
    return index >= 1 && index <= Count() && rows_[static_cast<std::size_t>(index - 1)].Done;
}

PointsTable& CurrentPoints() {
    static PointsTable table;
    return table;
}

void AddPoints(const CourseData& course, PointsTable& table, const std::string& name, int number,
               int points) {
    if (!table.Apply(name, number, points)) {
        ShowMessage(kPointsNotFoundMessage);
    }
    if (auto error = table.SavePoints(course.CurrentUserFolder, course.SteeringTable.size())) {
        ShowMessage(*error);
    }
}

void AddPoints(const std::string& name, int number, int points) {
    AddPoints(Course(), CurrentPoints(), name, number, points);
}

std::optional<std::int32_t> PointsFileTotal(const std::string& path) {
    const auto bytes = ReadFileBytes(path);
    if (!bytes) {
        return std::nullopt;
    }
    std::int64_t sum = 0;
    for (const auto& row : DecodePointsFile(*bytes, std::numeric_limits<std::size_t>::max())) {
        sum += row.Points;
    }
    return Clamp32(sum);
}

} // namespace lumora
