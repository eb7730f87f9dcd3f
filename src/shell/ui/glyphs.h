// The shared glyphs of menus and tool bars, and the glyphs of the windows' own buttons.
#pragma once

#include <QIcon>
#include <QString>

namespace orb {

constexpr int kGlyphCount = 40;
// Glyph `index` of the shared image list (an empty icon outside 0..39).
QIcon glyph(int index);
// The glyph of a window's own button, e.g. "eviden".
QIcon buttonGlyph(const QString& name);

}  // namespace orb
