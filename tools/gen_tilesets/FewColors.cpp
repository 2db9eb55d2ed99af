#include "FewColors.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>

namespace tilesets {

namespace {

struct Colour {
    QRgb rgb;
    double weight;  // square root of the pixel count, so small details keep their colours
};

struct Centre {
    double r = 0, g = 0, b = 0;
};

// Rough perceptual weights: the eye is most sensitive to green, least to blue.
double Distance(double r1, double g1, double b1, double r2, double g2, double b2) {
    const double dr = r1 - r2, dg = g1 - g2, db = b1 - b2;
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

int Channel(QRgb c, int axis) {
    return axis == 0 ? qRed(c) : (axis == 1 ? qGreen(c) : qBlue(c));
}

// Median cut: split the box with the widest spread of colours at its pixel-weighted median
// until there are enough boxes; the mean of each box seeds the refinement below.
std::vector<Centre> MedianCut(std::vector<Colour> colours, int wanted) {
    struct Box {
        size_t begin, end;
    };
    std::vector<Box> boxes{{0, colours.size()}};
    auto spread = [&](const Box& box, int* axis) {
        int best = -1;
        for (int a = 0; a < 3; ++a) {
            int lo = 255, hi = 0;
            for (size_t i = box.begin; i < box.end; ++i) {
                lo = std::min(lo, Channel(colours[i].rgb, a));
                hi = std::max(hi, Channel(colours[i].rgb, a));
            }
            if (hi - lo > best) {
                best = hi - lo;
                *axis = a;
            }
        }
        return best;
    };
    while (static_cast<int>(boxes.size()) < wanted) {
        int pick = -1, axis = 0, widest = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            int a = 0;
            const int s = spread(boxes[i], &a);
            if (boxes[i].end - boxes[i].begin > 1 && s > widest) {
                widest = s;
                pick = static_cast<int>(i);
                axis = a;
            }
        }
        if (pick < 0)
            break;  // every box holds a single colour
        Box& box = boxes[pick];
        std::sort(colours.begin() + box.begin, colours.begin() + box.end,
                  [axis](const Colour& x, const Colour& y) {
                      return Channel(x.rgb, axis) < Channel(y.rgb, axis);
                  });
        double total = 0;
        for (size_t i = box.begin; i < box.end; ++i)
            total += colours[i].weight;
        double seen = 0;
        size_t cut = box.begin + 1;
        for (size_t i = box.begin; i < box.end - 1; ++i) {
            seen += colours[i].weight;
            cut = i + 1;
            if (2 * seen >= total)
                break;
        }
        const Box upper{cut, box.end};
        box.end = cut;
        boxes.push_back(upper);
    }
    std::vector<Centre> centres;
    for (const Box& box : boxes) {
        Centre c;
        double n = 0;
        for (size_t i = box.begin; i < box.end; ++i) {
            const double w = colours[i].weight;
            c.r += w * qRed(colours[i].rgb);
            c.g += w * qGreen(colours[i].rgb);
            c.b += w * qBlue(colours[i].rgb);
            n += w;
        }
        centres.push_back({c.r / n, c.g / n, c.b / n});
    }
    return centres;
}

size_t Nearest(const std::vector<Centre>& centres, QRgb c) {
    size_t best = 0;
    double bestDistance = std::numeric_limits<double>::max();
    for (size_t i = 0; i < centres.size(); ++i) {
        const double d =
            Distance(qRed(c), qGreen(c), qBlue(c), centres[i].r, centres[i].g, centres[i].b);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

// A few rounds of k-means pull the boxes' means towards the colours that matter most.
void Refine(const std::vector<Colour>& colours, std::vector<Centre>& centres) {
    for (int round = 0; round < 8; ++round) {
        std::vector<Centre> sum(centres.size());
        std::vector<double> weight(centres.size(), 0);
        for (const Colour& c : colours) {
            const size_t i = Nearest(centres, c.rgb);
            sum[i].r += c.weight * qRed(c.rgb);
            sum[i].g += c.weight * qGreen(c.rgb);
            sum[i].b += c.weight * qBlue(c.rgb);
            weight[i] += c.weight;
        }
        for (size_t i = 0; i < centres.size(); ++i) {
            if (weight[i] > 0) {
                centres[i] = {sum[i].r / weight[i], sum[i].g / weight[i], sum[i].b / weight[i]};
            }
        }
    }
}

}  // namespace

int ColourDistance(QRgb a, QRgb b) {
    return static_cast<int>(Distance(qRed(a), qGreen(a), qBlue(a), qRed(b), qGreen(b), qBlue(b)));
}

QImage ToFewColors(const QImage& picture, const std::vector<QRgb>& keep) {
    const QImage src = picture.convertToFormat(QImage::Format_RGB32);
    std::unordered_map<QRgb, long> histogram;
    for (int y = 0; y < src.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        for (int x = 0; x < src.width(); ++x)
            ++histogram[line[x] | 0xff000000u];
    }

    QList<QRgb> palette;
    std::unordered_map<QRgb, int> index;
    for (QRgb k : keep) {
        index[k | 0xff000000u] = static_cast<int>(palette.size());
        palette.push_back(k | 0xff000000u);
    }
    std::vector<Colour> rest;
    for (const auto& [rgb, count] : histogram) {
        if (!index.count(rgb))
            rest.push_back({rgb, std::sqrt(double(count))});
    }
    // A fixed order keeps the palette the same from run to run.
    std::sort(rest.begin(), rest.end(),
              [](const Colour& x, const Colour& y) { return x.rgb < y.rgb; });
    const int free = 256 - static_cast<int>(palette.size());
    std::vector<Centre> centres;
    if (static_cast<int>(rest.size()) <= free) {
        for (const Colour& c : rest)
            centres.push_back({double(qRed(c.rgb)), double(qGreen(c.rgb)), double(qBlue(c.rgb))});
    } else {
        centres = MedianCut(rest, free);
        Refine(rest, centres);
    }
    const int first = static_cast<int>(palette.size());
    for (const Centre& c : centres) {
        QRgb rgb = qRgb(qRound(c.r), qRound(c.g), qRound(c.b));
        if (rgb == qRgb(0, 0, 0))
            rgb = qRgb(1, 1, 1);  // pure black means "nothing here"
        palette.push_back(rgb);
    }
    for (const Colour& c : rest)
        index[c.rgb] = first + static_cast<int>(Nearest(centres, c.rgb));

    QImage out(src.size(), QImage::Format_Indexed8);
    out.setColorTable(palette);
    for (int y = 0; y < src.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        uchar* dst = out.scanLine(y);
        for (int x = 0; x < src.width(); ++x)
            dst[x] = static_cast<uchar>(index[line[x] | 0xff000000u]);
    }
    return out;
}

}  // namespace tilesets
