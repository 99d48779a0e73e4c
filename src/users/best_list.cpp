#include "best_list.h"

#include "platform/path_resolver.h"
#include "platform/text_file.h"
#include "platform/text_helpers.h"
#include "points_table.h"
#include "user_registry.h"

#include <algorithm>

namespace lumora {
namespace {

const BestEntry kFixedEntries[] = {
    {"Brian", 4000}, {"Oscar", 3200}, {"Vivien", 2000}, {"Paul", 1800},    {"Chris", 1400},
    {"Doris", 1000}, {"John", 600},   {"Martin", 400},  {"Jennifer", 200}, {"Britney", 100},
};

} // namespace

std::vector<BestEntry> BuildBestList(const UserList& users, const std::string& userDataFolder) {
    std::vector<BestEntry> list;
    for (const auto& user : users.Entries()) {
        const std::string folder = ResolvePath(userDataFolder, std::to_string(user.Id));
        if (!DirectoryExists(folder)) {
            continue;
        }
        const std::string file = ResolvePath(folder, kPointsFile);
        if (!FileExists(file)) {
            continue;
        }
        if (const auto total = PointsFileTotal(file)) {
            list.push_back({user.Name, *total});
        }
    }
    list.insert(list.end(), std::begin(kFixedEntries), std::end(kFixedEntries));
    return list;
}

void SortBestList(std::vector<BestEntry>& list) {
    std::stable_sort(list.begin(), list.end(),
                     [](const BestEntry& a, const BestEntry& b) { return a.total > b.total; });
}

int BestListRank(const std::vector<BestEntry>& list, const std::string& currentUserName) {
    int rank = -1;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (Trim(list[i].name) == currentUserName) {
            rank = static_cast<int>(i + 1);
        }
    }
    return rank;
}

std::string RankSoundName(int rank) {
    if (rank == 1) {
        return "polecenia\\t1.wav";
    }
    if (rank == 2 || rank == 3) {
        return "polecenia\\t2.wav";
    }
    return "polecenia\\menu\\m24.wav";
}

} // namespace lumora
