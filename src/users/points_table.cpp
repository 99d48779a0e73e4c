#include "points_table.h"

#include "course/course_data.h"
#include "course/user_file_message.h"
#include "platform/cp1250.h"
#include "platform/file_lock.h"
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

std::vector<PointsFault> PointsFileFaults(std::string_view bytes) {
    std::vector<PointsFault> faults;
    std::size_t record = 1;
    for (std::size_t at = 0; at + kPointsRecordSize <= bytes.size();
         at += kPointsRecordSize, ++record) {
        const auto length = static_cast<unsigned char>(bytes[at]);
        const auto done = static_cast<unsigned char>(bytes[at + kDoneOffset]);
        if (done > 1) {
            faults.push_back({PointsFault::Kind::DoneByte, record, done});
        }
        if (length > kPointsNameLength) {
            faults.push_back({PointsFault::Kind::NameLength, record, length});
        }
    }
    if (const std::size_t over = bytes.size() % kPointsRecordSize; over != 0) {
        faults.push_back({PointsFault::Kind::Torn, record, static_cast<int>(over)});
    }
    return faults;
}

std::string DescribePointsFault(const PointsFault& fault) {
    const std::string record = std::to_string(fault.record);
    const std::string value = std::to_string(fault.value);
    switch (fault.kind) {
    case PointsFault::Kind::Torn:
        return "the file ends inside record " + record + " (" + value + " of its " +
               std::to_string(kPointsRecordSize) + " bytes)";
    case PointsFault::Kind::DoneByte:
        return "record " + record + ": the done byte is " + value + "; it is read as done";
    case PointsFault::Kind::NameLength:
        return "record " + record + ": the name length is " + value +
               "; the name is read as its first " + std::to_string(kPointsNameLength) +
               " characters";
    }
    return {};
}

namespace {

// Saves the bytes of a damaged points file beside it under a name not yet
// taken; returns that name, or nothing when no copy could be written.
std::optional<std::string> KeepDamagedCopy(const std::string& path, std::string_view bytes) {
    constexpr int kTries = 100;
    for (int n = 1; n <= kTries; ++n) {
        const std::string copy = path + ".damaged" + (n == 1 ? "" : "." + std::to_string(n));
        if (PathExists(copy)) {
            continue;
        }
        if (WriteFileAtomic(copy, bytes)) {
            return std::nullopt;
        }
        return copy;
    }
    return std::nullopt;
}

// The file as the learner knows it: the learner's folder and its name.
std::string ShownName(const std::string& path) {
    return LastComponent(ParentFolder(path)) + "/" + LastComponent(path);
}

// What is wrong with a points file, for the learner.
std::string DamageSummary(const std::vector<PointsFault>& faults) {
    std::size_t bad = 0;
    std::size_t last = 0;
    std::string torn;
    for (const PointsFault& f : faults) {
        if (f.kind == PointsFault::Kind::Torn) {
            torn = "urwany w rekordzie " + std::to_string(f.record);
        } else if (f.record != last) {
            last = f.record;
            ++bad;
        }
    }
    std::string text = bad == 0 ? "" : "liczba błędnych rekordów: " + std::to_string(bad);
    if (!torn.empty()) {
        text += (text.empty() ? "" : "; ") + torn;
    }
    return text;
}

bool IsZeroRow(const PointsRow& row) {
    return row.Name.empty() && row.Number == 0 && row.Points == 0 && !row.Done;
}

PointsRow SteeringPoints(const SteeringRow& s) {
    return {StoredName(s.Content), s.Code, 0, false};
}

} // namespace

PointsLoad PointsTable::LoadPoints(const std::string& userFolder) {
    rows_.clear();
    gaps_.clear();
    beyond_.clear();
    const std::string path = ResolvePath(userFolder, kPointsFile);
    // Under the lock, so that the temporary file of another copy's save is
    // never taken for a stale one. A folder that cannot hold the lock is
    // still read.
    const FileLock lock(path + kPointsLockSuffix);
    RemoveStaleTemporaries(path);
    ReadFailure failure;
    const auto bytes = ReadPointsFile(path, &failure);
    if (!bytes) {
        if (failure.missing) {
            return {};
        }
        return {UserFileMessage("Nie można odczytać pliku punktów " + ShownName(path) + ": " +
                                    failure.reason + ".",
                                path),
                std::nullopt};
    }
    PointsLoad result;
    if (const auto faults = PointsFileFaults(*bytes); !faults.empty()) {
        const std::string what =
            "Plik punktów " + ShownName(path) + " był uszkodzony (" + DamageSummary(faults) + ")";
        const auto copy = KeepDamagedCopy(path, *bytes);
        if (!copy) {
            return {UserFileMessage(what + ", a jego kopii nie udało się zachować, więc zostaje "
                                           "nietknięty.",
                                    path),
                    std::nullopt};
        }
        result.damage = UserFileMessage(what +
                                            ". Odczytano z niego wszystko, co się dało; kopia "
                                            "uszkodzonego pliku została zachowana jako " +
                                            ShownName(*copy) + ".",
                                        path);
    }
    rows_ = DecodePointsFile(*bytes, static_cast<std::size_t>(kMaxRows));
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (IsZeroRow(rows_[i])) {
            gaps_.push_back(i);
        }
    }
    // The records past the table's end are written back as read, a damaged
    // one as it is read.
    const std::string_view rest = std::string_view(*bytes).substr(
        std::min(bytes->size(), static_cast<std::size_t>(kMaxRows) * kPointsRecordSize));
    for (std::size_t at = 0; at + kPointsRecordSize <= rest.size(); at += kPointsRecordSize) {
        const std::string_view record = rest.substr(at, kPointsRecordSize);
        beyond_ += PointsFileFaults(record).empty()
                       ? std::string(record)
                       : EncodePointsRecord(DecodePointsRecord(record));
    }
    return result;
}

void PointsTable::InitPointsFromSteering(const CourseData& course) {
    rows_.clear();
    gaps_.clear();
    FillFromSteering(course);
}

void PointsTable::FillFromSteering(const CourseData& course) {
    const auto& steering = course.SteeringTable;
    for (std::size_t i : gaps_) {
        if (i < steering.size()) {
            rows_[i] = SteeringPoints(steering[i]);
        }
    }
    gaps_.clear();
    for (std::size_t i = rows_.size();
         i < steering.size() && i < static_cast<std::size_t>(kMaxRows); ++i) {
        rows_.push_back(SteeringPoints(steering[i]));
    }
}

std::optional<std::string> PointsTable::SavePoints(const std::string& userFolder) const {
    std::string bytes;
    bytes.reserve(rows_.size() * kPointsRecordSize + beyond_.size());
    for (const auto& row : rows_) {
        bytes += EncodePointsRecord(row);
    }
    bytes += beyond_;
    return WriteFileAtomic(ResolvePath(userFolder, kPointsFile), bytes);
}

std::optional<std::string> PointsTable::MergeAndSave(const std::string& userFolder) {
    const std::string path = ResolvePath(userFolder, kPointsFile);
    // Without the lock (a folder that cannot hold it) the merge still keeps
    // all but a save made in the same instant, which beats losing this one.
    const FileLock lock(path + kPointsLockSuffix);
    // A damaged file's records count as LoadPoints reads them; its copy was
    // kept when it was loaded.
    if (const auto bytes = ReadPointsFile(path)) {
        MergeRows(DecodePointsFile(*bytes, static_cast<std::size_t>(kMaxRows)));
    }
    return SavePoints(userFolder);
}

void PointsTable::MergeRows(const std::vector<PointsRow>& stored) {
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (i >= rows_.size()) {
            rows_.push_back(stored[i]);
            continue;
        }
        PointsRow& row = rows_[i];
        // A record of another lesson at this place (a course changed in
        // between) is not mixed with ours; ours is the course this copy runs.
        if (row.Name == stored[i].Name && row.Number == stored[i].Number) {
            row.Points = std::max(row.Points, stored[i].Points);
            row.Done = row.Done || stored[i].Done;
        }
    }
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

bool IsWholePointsFile(std::string_view bytes) {
    return bytes.size() % kPointsRecordSize == 0;
}

std::optional<std::string> ReadPointsFile(const std::string& path, ReadFailure* failure) {
    return ReadFileBytesPatiently(path, IsWholePointsFile, failure);
}

std::optional<std::int32_t> PointsFileTotal(const std::string& path) {
    const auto bytes = ReadPointsFile(path);
    if (!bytes) {
        return std::nullopt;
    }
    std::int64_t sum = 0;
    for (const PointsRow& row : DecodePointsFile(*bytes, std::numeric_limits<std::size_t>::max())) {
        sum += row.Points;
    }
    return Clamp32(sum);
}

} // namespace lumora
