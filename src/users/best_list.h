#pragma once
// The best-scores list: every user's total from their points file, among ten
// fixed names, sorted by total with equal totals keeping their order.
#include <cstdint>
#include <string>
#include <vector>

namespace lumora {

class UserList;

struct BestEntry {
    std::string name;
    std::int32_t total = 0;
};

// The users that have a folder and a points file, in list order, then the ten
// fixed names; not yet sorted.
std::vector<BestEntry> BuildBestList(const UserList& users, const std::string& userDataFolder);

// Sorts by total, largest first; equal totals keep their order.
void SortBestList(std::vector<BestEntry>& list);

// The 1-based position of the last entry whose trimmed name equals the name,
// or -1.
int BestListRank(const std::vector<BestEntry>& list, const std::string& currentUserName);

// The course-relative sound for a rank: t1 for the first, t2 for the second
// and third, the menu prompt m24 for any other.
std::string RankSoundName(int rank);

// How many entries the list paints at most.
inline constexpr int kBestListPaintedRows = 10;

} // namespace lumora
