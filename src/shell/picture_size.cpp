// The size at which the simulation windows show their pictures.
#include "shell/picture_size.h"

namespace picture {

int automaticHalves(int w, int h)
{
    for (int halves : {6, 4, 3})
        if (pictureExtent(w, halves) >= kAutomaticMinWidth && pictureExtent(h, halves) >= kAutomaticMinHeight)
            return halves;
    return kOne;
}

int halvesFor(Size size, int w, int h)
{
    switch (size) {
    case Size::P100: return 2;
    case Size::P150: return 3;
    case Size::P200: return 4;
    case Size::P300: return 6;
    case Size::Automatic: return automaticHalves(w, h);
    }
    return kOne;
}

namespace {
struct Named {
    Size size;
    std::string_view name;
};
constexpr Named kNames[] = {{Size::P100, "100"}, {Size::P150, "150"}, {Size::P200, "200"},
                            {Size::P300, "300"}, {Size::Automatic, "auto"}};
}  // namespace

std::string_view name(Size size)
{
    for (const Named& n : kNames)
        if (n.size == size)
            return n.name;
    return "100";
}

std::optional<Size> parse(std::string_view text)
{
    for (const Named& n : kNames)
        if (n.name == text)
            return n.size;
    return std::nullopt;
}

}  // namespace picture
