#include "gif_writer.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <stdexcept>

namespace vantry::artgen {
namespace {

struct ColorCount {
    std::array<int, 3> rgb;
    long count;
};

struct Box {
    std::vector<ColorCount> colors;
    long Pixels() const {
        long n = 0;
        for (const auto& c : colors)
            n += c.count;
        return n;
    }
    // The channel with the widest spread and that spread.
    std::pair<int, int> WidestChannel() const {
        int best = 0;
        int spread = -1;
        for (int ch = 0; ch < 3; ++ch) {
            int lo = 255;
            int hi = 0;
            for (const auto& c : colors) {
                lo = std::min(lo, c.rgb[ch]);
                hi = std::max(hi, c.rgb[ch]);
            }
            if (hi - lo > spread) {
                spread = hi - lo;
                best = ch;
            }
        }
        return {best, spread};
    }
    QRgb Mean() const {
        double sum[3] = {0, 0, 0};
        double n = 0;
        for (const auto& c : colors) {
            for (int ch = 0; ch < 3; ++ch)
                sum[ch] += static_cast<double>(c.rgb[ch]) * c.count;
            n += c.count;
        }
        return qRgb(static_cast<int>(sum[0] / n + 0.5), static_cast<int>(sum[1] / n + 0.5),
                    static_cast<int>(sum[2] / n + 0.5));
    }
};

std::vector<QRgb> MedianCut(const std::map<QRgb, long>& histogram, int maxColors) {
    std::vector<QRgb> palette;
    if (static_cast<int>(histogram.size()) <= maxColors) {
        for (const auto& [rgb, count] : histogram)
            palette.push_back(rgb);
        return palette;
    }
    std::vector<Box> boxes(1);
    for (const auto& [rgb, count] : histogram)
        boxes[0].colors.push_back({{qRed(rgb), qGreen(rgb), qBlue(rgb)}, count});
    while (static_cast<int>(boxes.size()) < maxColors) {
        // Split the box where a split helps most: many pixels over a wide range.
        int pick = -1;
        double score = 0;
        for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
            if (boxes[i].colors.size() < 2)
                continue;
            const double s = static_cast<double>(boxes[i].WidestChannel().second) *
                             std::sqrt(static_cast<double>(boxes[i].Pixels()));
            if (s > score) {
                score = s;
                pick = i;
            }
        }
        if (pick < 0)
            break;
        Box& box = boxes[pick];
        const int ch = box.WidestChannel().first;
        std::stable_sort(
            box.colors.begin(), box.colors.end(),
            [ch](const ColorCount& a, const ColorCount& b) { return a.rgb[ch] < b.rgb[ch]; });
        const long half = box.Pixels() / 2;
        long seen = 0;
        std::size_t cut = 1;
        for (std::size_t i = 0; i + 1 < box.colors.size(); ++i) {
            seen += box.colors[i].count;
            cut = i + 1;
            if (seen >= half)
                break;
        }
        Box upper;
        upper.colors.assign(box.colors.begin() + static_cast<long>(cut), box.colors.end());
        box.colors.resize(cut);
        boxes.push_back(std::move(upper));
    }
    for (const auto& box : boxes)
        palette.push_back(box.Mean());
    return palette;
}

int Nearest(const std::vector<QRgb>& palette, QRgb c) {
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < static_cast<int>(palette.size()); ++i) {
        const long dr = qRed(palette[i]) - qRed(c);
        const long dg = qGreen(palette[i]) - qGreen(c);
        const long db = qBlue(palette[i]) - qBlue(c);
        const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

int WriteToVector(GifFileType* gif, const GifByteType* bytes, int length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    out->insert(out->end(), bytes, bytes + length);
    return length;
}

}  // namespace

std::vector<std::uint8_t> EncodeGif(const QImage& picture, QRgb matte) {
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();

    // Flatten: every pixel is either transparent or an opaque colour.
    std::vector<QRgb> flat(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    std::vector<bool> clear(flat.size());
    std::map<QRgb, long> histogram;
    for (int y = 0; y < h; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * w + x;
            const QRgb p = row[x];
            const int a = qAlpha(p);
            if (a < 128) {
                clear[i] = true;
                continue;
            }
            auto mix = [a](int fg, int bg) { return (fg * a + bg * (255 - a) + 127) / 255; };
            flat[i] = qRgb(mix(qRed(p), qRed(matte)), mix(qGreen(p), qGreen(matte)),
                           mix(qBlue(p), qBlue(matte)));
            ++histogram[flat[i]];
        }
    }

    // Index 0 is the transparent colour; it shows the matte where a viewer
    // ignores transparency.
    std::vector<QRgb> palette = MedianCut(histogram, 255);
    std::map<QRgb, int> indexOf;
    for (const auto& [rgb, count] : histogram)
        indexOf[rgb] = Nearest(palette, rgb) + 1;
    palette.insert(palette.begin(), qRgb(qRed(matte), qGreen(matte), qBlue(matte)));

    const int bits = std::max(1, GifBitSize(static_cast<int>(palette.size())));
    std::vector<GifColorType> colors(static_cast<std::size_t>(1) << bits);
    for (std::size_t i = 0; i < palette.size(); ++i)
        colors[i] = {static_cast<GifByteType>(qRed(palette[i])),
                     static_cast<GifByteType>(qGreen(palette[i])),
                     static_cast<GifByteType>(qBlue(palette[i]))};

    std::vector<std::uint8_t> out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, WriteToVector, &error);
    if (!gif)
        throw std::runtime_error("giflib cannot open an encoder");
    EGifSetGifVersion(gif, true);
    ColorMapObject* map = GifMakeMapObject(static_cast<int>(colors.size()), colors.data());
    bool ok = map && EGifPutScreenDesc(gif, w, h, bits, 0, map) == GIF_OK;
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSAL_UNSPECIFIED;
    control.UserInputFlag = false;
    control.DelayTime = 0;
    control.TransparentColor = 0;
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    ok = ok && EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_OK;
    ok = ok && EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) == GIF_OK;
    std::vector<GifPixelType> line(static_cast<std::size_t>(w));
    for (int y = 0; ok && y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * w + x;
            line[static_cast<std::size_t>(x)] =
                clear[i] ? 0 : static_cast<GifPixelType>(indexOf[flat[i]]);
        }
        ok = EGifPutLine(gif, line.data(), w) == GIF_OK;
    }
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &error) != GIF_OK || !ok)
        throw std::runtime_error("giflib failed to write a picture");
    return out;
}

}  // namespace vantry::artgen
