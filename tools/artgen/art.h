#pragma once
// The artwork of the client: every resource picture and window bitmap drawn
// from code, so that the pictures can be made again identically.

#include <QImage>
#include <QRgb>
#include <string_view>

namespace vantry::artgen {

// The colour of the table felt, over which soft picture edges are blended.
inline constexpr QRgb kFeltMatte = 0xff1e6b3c;

// Draws the resource picture with this id at the given size.
QImage DrawResourcePicture(int id, int width, int height);

// Draws the window bitmap with this name at the given size.
QImage DrawWindowBitmap(std::string_view name, int width, int height);

}  // namespace vantry::artgen
