// The interlaced dissolve between two views of one scene.
#include "shell/interlace.h"

namespace orb {

void copyInterlacedRows(raster::Canvas& frame, const raster::Canvas& target, int spacing, int width,
                        int height)
{
    if (spacing < 1)
        return;
    for (int b = 0; b <= height / spacing; ++b) {
        // The rectangle from (0, (b+1) spacing) to (width, (b+1) spacing - 1): its corners put in
        // order, the one row just above (b+1) spacing.
        const long long y = static_cast<long long>(b + 1) * spacing;
        if (y - 1 >= height)
            break;
        const raster::Rect row{0, static_cast<int>(y), width, static_cast<int>(y) - 1};
        frame.copyRect(row, target, row);
    }
}

}  // namespace orb
