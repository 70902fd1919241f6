#pragma once
// Writes a picture as a GIF89a with one transparent colour.

#include <QImage>
#include <QRgb>
#include <cstdint>
#include <vector>

namespace vantry::artgen {

// Pixels less than half opaque become the transparent colour; the others are
// blended over `matte` (the colour the picture is usually shown on) so that
// soft edges stay smooth. The palette is chosen by median cut, which depends
// only on the pixels: the same picture always gives the same bytes.
std::vector<std::uint8_t> EncodeGif(const QImage& picture, QRgb matte);

}  // namespace vantry::artgen
