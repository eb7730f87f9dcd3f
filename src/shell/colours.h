// The system colours that the program's windows and pictures share.
#pragma once

#include "raster/canvas.h"

namespace orb {

// The system's button-face colour: a window's background before anything is drawn, and the face
// of what a picture draws in it (a table top).
constexpr raster::Color kButtonFace = raster::rgb(240, 240, 240);

// The named colours that the pictures draw with, by the names the windows use for them. A
// window's unit takes them all with `using namespace orb::palette;`.
namespace palette {

constexpr raster::Color kBlack = raster::rgb(0, 0, 0);
constexpr raster::Color kWhite = raster::rgb(255, 255, 255);
constexpr raster::Color kRed = raster::rgb(255, 0, 0);
constexpr raster::Color kDarkRed = raster::rgb(128, 0, 0);
constexpr raster::Color kYellow = raster::rgb(255, 255, 0);
constexpr raster::Color kCyan = raster::rgb(0, 255, 255);
constexpr raster::Color kAqua = kCyan;
constexpr raster::Color kSilver = raster::rgb(192, 192, 192);
constexpr raster::Color kLightGrey = kSilver;
constexpr raster::Color kGrey = raster::rgb(128, 128, 128);
constexpr raster::Color kBlue = raster::rgb(0, 0, 255);
constexpr raster::Color kNavy = raster::rgb(0, 0, 128);
constexpr raster::Color kGreen = raster::rgb(0, 255, 0);
constexpr raster::Color kLime = kGreen;
constexpr raster::Color kDarkGreen = raster::rgb(0, 128, 0);
constexpr raster::Color kTeal = raster::rgb(0, 128, 128);
constexpr raster::Color kFuchsia = raster::rgb(255, 0, 255);

}  // namespace palette

}  // namespace orb
