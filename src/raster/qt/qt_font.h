// The canvas's text rasteriser backed by Qt's font engine (aliased "DejaVu Sans").
#pragma once

namespace raster::qt {

// Installs the Qt font engine as the canvas's FontEngine (once; later calls do nothing). Needs
// a QGuiApplication (or QApplication) to exist while text is drawn or measured.
void installFontEngine();

}  // namespace raster::qt
