// Declarations shared by the picture generator's drawing units.
#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace artwork {

// A glyph drawn on a 16 x 16 design grid; `scale` is device pixels per grid unit (1 or 2).
using GlyphPainter = std::function<void(class QPainter&, double scale)>;

struct Glyph {
    QString name;  // file name without extension, e.g. "07" or "eviden"
    GlyphPainter paint;
};

// The 40 glyphs of the shared image list, in index order.
std::vector<Glyph> imageListGlyphs();

// The speed-button glyphs that single windows use.
std::vector<Glyph> buttonGlyphs();

// Renders one glyph at 16 * scale pixels square on a transparent background.
QImage renderGlyph(const Glyph& glyph, int scale);

// How the globe is seen and lit.
struct GlobeView {
    double centreLon = 0.0;  // degrees east of the point under the viewer
    double centreLat = 0.0;  // degrees north of the point under the viewer
    double roll = 0.0;       // degrees the north pole leans to the right
    double lightX = -0.6;    // direction towards the light in view space:
    double lightY = 0.45;    // x right, y up, z towards the viewer
    double lightZ = 0.66;
    double haloWidth = 0.05; // thickness of the glow around the limb, in radii
};

// Draws a shaded globe of radius `radius` centred at (cx, cy) over `target`
// (premultiplied ARGB), blending over what is there already.
void paintGlobe(QImage& target, double cx, double cy, double radius, const GlobeView& view);

// The pictures of the start screen and the window icon.
QImage logoPicture();
QImage earthPicture();
QImage iconPicture();

}  // namespace artwork
