#include "result_comment.h"

#include "platform/random.h"

namespace lumora {
namespace {

// n / d rounded half to even, for d > 0.
long long RoundHalfEven(long long n, long long d) {
    long long q = n / d;
    long long r = n % d;
    if (r < 0) { // floor division
        --q;
        r += d;
    }
    if (2 * r > d || (2 * r == d && q % 2 != 0)) {
        ++q;
    }
    return q;
}

// "q" + set + "_" + a number drawn from 1 to count.
std::string Drawn(int set, int count) {
    return "q" + std::to_string(set) + "_" + std::to_string(Random(count) + 1);
}

// The praise for 90 and more: comment 10 only after a perfect result.
std::string TopComment(int score) {
    int n = Random(12) + 1;
    if (n == 10 && score != 100) {
        n = 12;
    }
    return "q1_" + std::to_string(n);
}

std::string CommentForScore(int score) {
    if (score < 0 || score > 100) {
        return {};
    }
    if (score <= 5) {
        return Drawn(5, 6);
    }
    if (score <= 49) {
        return Drawn(4, 9);
    }
    if (score <= 69) {
        return Drawn(3, 6);
    }
    if (score <= 89) {
        return Drawn(2, 8);
    }
    return TopComment(score);
}

} // namespace

int ResultScore(int correct, int wrong, int items) {
    const long long d = static_cast<long long>(wrong) + items;
    if (d <= 0) {
        return 0;
    }
    return static_cast<int>(RoundHalfEven(static_cast<long long>(correct) * 100, d));
}

std::string ChooseResultComment(int correct, int wrong, int answered, int items) {
    if (answered <= 0) {
        return {};
    }
    const int score = ResultScore(correct, wrong, items);
    if (answered == 1) {
        if (score == 100) {
            return Drawn(1, 12);
        }
        return Random(10) < 6 ? "q6_1" : "q6_2";
    }
    return CommentForScore(score);
}

std::string ResultBackgroundName(int correct, int wrong, int items) {
    const int score = ResultScore(correct, wrong, items);
    if (score > 100 || score < 50) {
        return kPlainResultBackground;
    }
    const int medal = score >= 90 ? 1 : (score >= 70 ? 2 : 3);
    return "gfx\\statystyka" + std::to_string(medal) + ".bmp";
}

} // namespace lumora
