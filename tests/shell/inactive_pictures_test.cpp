// A window that is not active keeps its surface, and its large sets of frames, packed or freed:
// it holds far fewer bytes, shows the same picture, and its frames come back unchanged.
#include <functional>
#include <optional>

#include "earthquakes/oscillazioneb.h"
#include "earthquakes/primarie.h"
#include "misc/simuldopbis.h"
#include "rotation/ciclone.h"
#include "shell/picture_size.h"
#include "window_test.h"

namespace {

struct FrameSet {
    const char* window;
    std::function<std::vector<const raster::Bitmap*>()> frames;
    std::optional<picture::Size> zoom = std::nullopt;
};

void PrintTo(const FrameSet& f, std::ostream* os) { *os << f.window; }

std::vector<const raster::Bitmap*> loop(orb::FrameLoop& l)
{
    std::vector<const raster::Bitmap*> list(static_cast<std::size_t>(l.count()));
    for (int i = 0; i < l.count(); ++i)
        list[static_cast<std::size_t>(i)] = &l[i];
    return list;
}

// Each frame's pixels, row after row.
std::vector<std::vector<std::uint32_t>> copy(const std::vector<const raster::Bitmap*>& frames)
{
    std::vector<std::vector<std::uint32_t>> pixels;
    for (const raster::Bitmap* f : frames)   // a frame's rows lie one after the other
        pixels.emplace_back(f->canvas().bits(), f->canvas().bits() + f->width() * f->height());
    return pixels;
}

class InactivePictures : public WindowTest, public ::testing::WithParamInterface<FrameSet> {
protected:
    InactivePictures()
    {
        options.size = QSize(640, 420);
        options.zoom = GetParam().zoom;
    }
    // The window's client as the user sees it (without the frame, which shows the activation).
    QImage shownClient()
    {
        const QPoint at = w().parentWidget() ? w().mapTo(w().parentWidget(), QPoint(0, 0)) : QPoint(0, 0);
        return w().grabShown().copy(QRect(at, w().size()));
    }
};

TEST_P(InactivePictures, ComeBackUnchangedAndShowTheSamePicture)
{
    const FrameSet& set = GetParam();
    ASSERT_EQ(run(QStringLiteral("open %1 tick 7").arg(QLatin1String(set.window))), 0);
    const auto before = copy(set.frames());
    ASSERT_FALSE(before.empty());
    const std::size_t activeBytes = w().bitmapBytes();
    const QImage shownActive = shownClient();

    ASSERT_EQ(run(QStringLiteral("deactivate")), 0);
    EXPECT_TRUE(w().surfacePacked());
    EXPECT_LT(w().bitmapBytes(), activeBytes / 4);
    EXPECT_TRUE(shownClient() == shownActive);   // painted from the packed surface
    EXPECT_TRUE(w().surfacePacked());

    ASSERT_EQ(run(QStringLiteral("activate")), 0);
    EXPECT_FALSE(w().surfacePacked());
    EXPECT_TRUE(copy(set.frames()) == before) << "a frame changed";
}

INSTANTIATE_TEST_SUITE_P(
    FrameSets, InactivePictures,
    ::testing::Values(FrameSet{"Tondep", [] { return loop(primarie::state().frames); }},
                      FrameSet{"Tciclon", [] { return loop(ciclone::state().frames); }},
                      FrameSet{"Tciclon", [] { return loop(ciclone::state().frames); }, picture::Size::P200},
                      FrameSet{"Toscilla",
                               [] {
                                   std::vector<const raster::Bitmap*> list;
                                   for (const auto& byRotation : oscillazioneb::state().frames)
                                       for (const auto& byMode : byRotation)
                                           list.push_back(&byMode[0]);   // mode 1, the one drawn
                                   return list;
                               }},
                      FrameSet{"Tdopsimul", [] {
                                   std::vector<const raster::Bitmap*> list;
                                   for (const raster::Bitmap& f : simuldopbis::state().frames)
                                       list.push_back(&f);
                                   return list;
                               }}));

}  // namespace
