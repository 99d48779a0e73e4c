#include "palette.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <vector>

namespace coursegen {

namespace {

struct Colour {
    int c[3];
    quint32 count;
    QRgb rgb;
};

struct Box {
    std::vector<Colour> colours;
    int axis = 0;
    double score = 0;

    void Measure() {
        int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
        double population = 0;
        for (const auto& col : colours) {
            for (int k = 0; k < 3; ++k) {
                lo[k] = std::min(lo[k], col.c[k]);
                hi[k] = std::max(hi[k], col.c[k]);
            }
            population += col.count;
        }
        axis = 0;
        for (int k = 1; k < 3; ++k) {
            if (hi[k] - lo[k] > hi[axis] - lo[axis]) {
                axis = k;
            }
        }
        // Big ranges and many pixels are split first: that is where a
        // shared colour would show most.
        score = colours.size() < 2 ? 0 : (hi[axis] - lo[axis]) * std::sqrt(population);
    }

    QRgb Mean() const {
        double sum[3] = {0, 0, 0}, n = 0;
        for (const auto& col : colours) {
            for (int k = 0; k < 3; ++k) {
                sum[k] += double(col.c[k]) * col.count;
            }
            n += col.count;
        }
        return qRgb(int(std::lround(sum[0] / n)), int(std::lround(sum[1] / n)),
                    int(std::lround(sum[2] / n)));
    }
};

std::vector<QRgb> MedianCut(std::vector<Colour> colours) {
    std::vector<Box> boxes(1);
    boxes[0].colours = std::move(colours);
    boxes[0].Measure();
    while (boxes.size() < 256) {
        auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
            return a.score < b.score;
        });
        if (widest->score <= 0) {
            break;
        }
        Box& box = *widest;
        const int axis = box.axis;
        std::sort(box.colours.begin(), box.colours.end(), [axis](const Colour& a, const Colour& b) {
            return a.c[axis] != b.c[axis] ? a.c[axis] < b.c[axis] : a.rgb < b.rgb;
        });
        double total = 0;
        for (const auto& col : box.colours) {
            total += col.count;
        }
        double run = 0;
        std::size_t cut = 1;
        for (; cut < box.colours.size() - 1; ++cut) {
            run += box.colours[cut - 1].count;
            if (run >= total / 2) {
                break;
            }
        }
        Box upper;
        upper.colours.assign(box.colours.begin() + std::ptrdiff_t(cut), box.colours.end());
        box.colours.resize(cut);
        box.Measure();
        upper.Measure();
        boxes.push_back(std::move(upper));
    }
    std::vector<QRgb> palette;
    for (const auto& b : boxes) {
        palette.push_back(b.Mean());
    }
    return palette;
}

int Nearest(const std::vector<QRgb>& palette, QRgb c) {
    int best = 0;
    long bestDistance = -1;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const long dr = qRed(palette[i]) - qRed(c);
        const long dg = qGreen(palette[i]) - qGreen(c);
        const long db = qBlue(palette[i]) - qBlue(c);
        // The eye is most sensitive to green, least to blue.
        const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = int(i);
        }
    }
    return best;
}

} // namespace

QImage ToIndexed(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    std::unordered_map<QRgb, quint32> histogram;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            ++histogram[row[x] | 0xff000000u];
        }
    }
    std::vector<Colour> colours;
    colours.reserve(histogram.size());
    for (const auto& [c, n] : histogram) {
        colours.push_back({{qRed(c), qGreen(c), qBlue(c)}, n, c});
    }
    std::sort(colours.begin(), colours.end(),
              [](const Colour& a, const Colour& b) { return a.rgb < b.rgb; });

    std::vector<QRgb> palette;
    std::unordered_map<QRgb, int> index;
    if (colours.size() <= 256) {
        for (const auto& col : colours) {
            index[col.rgb] = int(palette.size());
            palette.push_back(col.rgb);
        }
    } else {
        palette = MedianCut(colours);
        for (const auto& col : colours) {
            index[col.rgb] = Nearest(palette, col.rgb);
        }
    }

    QImage out(rgb.size(), QImage::Format_Indexed8);
    out.setColorTable(QList<QRgb>(palette.begin(), palette.end()));
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* dst = out.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            dst[x] = uchar(index[src[x] | 0xff000000u]);
        }
    }
    return out;
}

} // namespace coursegen
