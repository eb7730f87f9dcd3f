// The system colours that the program's windows and pictures share.
#pragma once

#include "raster/canvas.h"

namespace orb {

// The system's button-face colour: a window's background before anything is drawn, and the face
// of what a picture draws in it (a table top).
constexpr raster::Color kButtonFace = raster::rgb(240, 240, 240);

}  // namespace orb
