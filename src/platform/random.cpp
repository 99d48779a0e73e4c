#include "random.h"

#include <chrono>
#include <random>

namespace lumora {
namespace {

struct GeneratorState {
    std::mt19937 engine{5489u};
    bool fixed = false;
};

GeneratorState& State() {
    static GeneratorState state;
    return state;
}

} // namespace

int Random(int n) {
    if (n <= 1) {
        return 0;
    }
    std::uniform_int_distribution<int> dist(0, n - 1);
    return dist(State().engine);
}

void Randomize() {
    if (State().fixed) {
        return;
    }
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    State().engine.seed(static_cast<std::uint32_t>(now ^ (now >> 32)));
}

void FixRandomSeed(std::uint32_t seed) {
    State().engine.seed(seed);
    State().fixed = true;
}

void ReleaseRandomSeed() {
    State().fixed = false;
}

std::int64_t TickCount() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace lumora
