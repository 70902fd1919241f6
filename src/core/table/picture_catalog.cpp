#include "table/picture_catalog.h"

#include <array>
#include <map>

namespace vantry::table {
namespace {

// A fan of n face-down cards grows evenly from the size of one card to the
// size of the widest fan of its set.
PictureSize FanSize(int n, int count, PictureSize one, PictureSize widest) {
    const int steps = count - 1;
    const int k = n - 1;
    return {one.width + ((widest.width - one.width) * k * 2 + steps) / (2 * steps),
            one.height + ((widest.height - one.height) * k * 2 + steps) / (2 * steps)};
}

std::map<int, PictureSize> MakeCatalog() {
    std::map<int, PictureSize> sizes;
    auto range = [&](int first, int last, PictureSize size) {
        for (int id = first; id <= last; ++id)
            sizes[id] = size;
    };
    // Card faces: four suits of thirteen ranks, then the two jokers.
    for (int suit = 0; suit < 4; ++suit)
        range(16 * suit + 3, 16 * suit + 15, {92, 122});
    range(16, 17, {92, 122});
    sizes[18] = {78, 103};  // card back
    for (int n = 1; n <= 6; ++n)
        sizes[129 + n] = FanSize(n, 6, {78, 103}, {142, 123});
    range(150, 151, {48, 30});
    range(152, 169, {55, 31});
    range(170, 173, {64, 26});  // OK, cancel
    range(174, 175, {66, 27});  // off, on
    range(176, 177, {70, 29});  // blue, green background
    range(178, 186, {66, 38});
    range(187, 192, {62, 25});
    sizes[232] = {131, 102};
    sizes[235] = {129, 100};
    sizes[238] = {129, 100};
    range(240, 259, {85, 90});
    sizes[241] = {87, 92};
    for (int n = 1; n <= 20; ++n)
        sizes[259 + n] = FanSize(n, 20, {78, 103}, {230, 169});
    range(280, 282, {70, 29});
    range(283, 300, {43, 24});
    range(301, 354, {72, 95});
    range(360, 362, {70, 29});
    range(430, 453, {66, 38});
    // Declaration bubbles: three shapes of each word.
    for (int word = 0; word < 13; ++word) {
        sizes[470 + 3 * word] = {93, 116};
        sizes[471 + 3 * word] = {130, 102};
        sizes[472 + 3 * word] = {215, 141};
    }
    range(516, 519, {57, 13});
    range(600, 601, {55, 31});
    return sizes;
}

const std::map<int, PictureSize>& Catalog() {
    static const std::map<int, PictureSize> catalog = MakeCatalog();
    return catalog;
}

constexpr std::array kWindowBitmaps{
    WindowBitmap{"table", 1024, 768},        WindowBitmap{"table-small", 800, 600},
    WindowBitmap{"table-green", 1024, 768},  WindowBitmap{"table-blue", 1024, 768},
    WindowBitmap{"top-bar", 1024, 96},       WindowBitmap{"bottom-bar", 1024, 117},
    WindowBitmap{"clock", 81, 38},           WindowBitmap{"skin", 46, 220},
    WindowBitmap{"close-normal", 24, 16},    WindowBitmap{"close-hover", 24, 16},
    WindowBitmap{"close-pressed", 24, 16},   WindowBitmap{"minimize-normal", 24, 16},
    WindowBitmap{"minimize-hover", 24, 16},  WindowBitmap{"minimize-pressed", 24, 16},
    WindowBitmap{"marker", 40, 40},          WindowBitmap{"room-panel", 394, 39},
    WindowBitmap{"declare-panel", 153, 121}, WindowBitmap{"no-speak", 81, 77},
    WindowBitmap{"wealth", 48, 48},          WindowBitmap{"shuffle", 180, 40},
    WindowBitmap{"dialog-exit", 300, 150},   WindowBitmap{"dialog-other-exit", 300, 150},
    WindowBitmap{"dialog-sound", 221, 331},  WindowBitmap{"dialog-notice", 178, 63},
    WindowBitmap{"dialog-score", 639, 480},  WindowBitmap{"dialog-hero", 655, 454},
    WindowBitmap{"dialog-reply", 319, 180},  WindowBitmap{"dialog-talk", 319, 181},
    WindowBitmap{"dialog-info", 200, 230},
};

}  // namespace

const std::vector<int>& ResourcePictureIds() {
    static const std::vector<int> ids = [] {
        std::vector<int> all;
        for (const auto& [id, size] : Catalog())
            all.push_back(id);
        return all;
    }();
    return ids;
}

std::optional<PictureSize> ResourcePictureSize(int id) {
    const auto& catalog = Catalog();
    const auto it = catalog.find(id);
    if (it == catalog.end())
        return std::nullopt;
    return it->second;
}

std::span<const WindowBitmap> WindowBitmaps() {
    return kWindowBitmaps;
}

}  // namespace vantry::table
