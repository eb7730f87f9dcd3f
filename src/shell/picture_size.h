// The size at which the simulation windows show their pictures: a window of client W x H works
// on a picture of (W / s) x (H / s) and shows it enlarged by s.
#pragma once

#include <optional>
#include <string_view>

namespace picture {

// The choices of the picture-size menu.
enum class Size { P100, P150, P200, P300, Automatic };

// A scale is held in halves, so that 150 % stays exact: 2 is 100 %, 3 is 150 %, 4 is 200 %,
// 6 is 300 %.
constexpr int kOne = 2;

// The smallest picture that Automatic accepts.
constexpr int kAutomaticMinWidth = 780;
constexpr int kAutomaticMinHeight = 480;

// The extent of the picture for a client extent at a scale: client / s, truncated.
constexpr int pictureExtent(int client, int halves) { return client * kOne / halves; }

// The largest of 300 %, 200 %, 150 % and 100 % whose picture is at least 780 x 480 for a client
// of w x h; 100 % when none is.
int automaticHalves(int w, int h);

// The scale a choice gives for a client of w x h.
int halvesFor(Size size, int w, int h);

// How a choice is written in the settings file ("100", "150", "200", "300", "auto"), and read
// back: nothing for any other text.
std::string_view name(Size size);
std::optional<Size> parse(std::string_view text);

}  // namespace picture
