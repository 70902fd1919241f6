#pragma once
// What pictures the client carries: every resource picture by id with its
// size, and the bitmaps stored with the windows by name. The renderer holds
// the picture data; the logic only needs to know what exists.

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace vantry::table {

struct PictureSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

// All resource picture ids, ascending.
const std::vector<int>& ResourcePictureIds();

// The size of a resource picture, or nothing when there is no picture with that id.
std::optional<PictureSize> ResourcePictureSize(int id);

struct WindowBitmap {
    std::string_view name;
    int width;
    int height;
};

// The bitmaps stored with the windows: table backgrounds, bars, clock, skin,
// markers and dialog backgrounds.
std::span<const WindowBitmap> WindowBitmaps();

}  // namespace vantry::table
