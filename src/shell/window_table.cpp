// The table of the program's 31 simulation windows.
#include "shell/window_table.h"

#include <array>

namespace orb {

namespace {
// flag, class, unit, menu, caption, help, F1, timer, on at design, interval, speed bar, help button
constexpr std::array<WindowInfo, 31> kWindows{{
    {0, "Tcammin", "camsole", "G5", 21, 135, 135, "tempo", false, 10, "cadenza", "guida"},
    {1, "Tfcen", "centrali", "H1", 23, 141, 141, "tempo", true, 15, "cadenza", "guida"},
    {2, "Tcenfuga", "centrifuga", "E1", 7, 111, 111, "tempo", false, 1, "cadenza", "guida"},
    {3, "Tduec", "corpi", "H2", 24, 142, 142, "tempo", false, 15, "cadenza", "guida"},
    {4, "Tdop", "doppler", "I32", 31, 151, 151, "tempo", true, 15, "cadenza", "guida"},
    {5, "Tepice1", "epicentro1", "D6", 6, 106, 106, "tempo", true, 5, "cadenza", "guida"},
    {6, "Tfaslun", "fasilun", "F2", 15, 122, 122, "tempo", true, 5, "cadenza", "guida"},
    {7, "Tferre", "ferrel", "E2", 8, 112, 303, "tempo", true, 5, "cadenza", "aiuto"},
    {8, "Tpendol", "foucault", "E3", 9, 113, 304, "tempo", true, 5, "cadenza", "aiuto"},
    {9, "Tcaduta", "gravi", "E4", 10, 114, 114, "tempo", false, 5, "cadenza", "guida"},
    {10, "Tondel", "love", "D3", 3, 103, 103, "tempo", false, 5, "cadenza", "guida"},
    {11, "Tbotmagne", "magvar", "I1", 28, 153, 153, "cadenza", true, 2, "velo", "guida"},
    {12, "Tmarea", "maree", "F3", 16, 123, 123, "tempo", true, 5, "cadenza", "guida"},
    {13, "Tmotlun", "motilunar", "F1", 14, 121, 121, "tempo", false, 5, "cadenza", "guida"},
    {14, "Toscilla", "oscillazioneb", "D5", 5, 105, 105, "tempo", false, 5, "cadenza", "guida"},
    {15, "Tvarpeso", "peso", "E5", 11, 115, 115, "tempo", true, 5, "", "guida"},
    {16, "Tkuno", "pkeplero", "G1", 17, 131, 131, "tempo", true, 5, "cadenza", "guida"},
    {17, "Tprecter", "preces", "H3", 25, 143, 143, "cadenza", true, 5, "velo", "guida"},
    {18, "Tondep", "primarie", "D1", 1, 101, 101, "tempo", false, 5, "cadenza", "guida"},
    {19, "Tonder", "raylei", "D4", 4, 104, 104, "tempo", false, 5, "cadenza", "guida"},
    {20, "Tondes", "secondarie", "D2", 2, 102, 102, "tempo", false, 5, "cadenza", "guida"},
    {21, "Tdopsimul", "simuldopbis", "I31", 30, 152, 401, "tempo", false, 10, "andamento", "guida"},
    {22, "Tkdue", "skeplero", "G2", 18, 132, 132, "tempo", true, 15, "cadenza", "guida"},
    {23, "Ttema", "temame", "G4", 20, 134, 134, "tempo", false, 15, "cadenza", "guida"},
    {24, "Tktres", "tkeplero", "G3", 19, 133, 405, "tempo", true, 15, "cadenza", "aiuto"},
    {25, "Tspins", "trottola", "H4", 26, 144, 144, "cadenza", true, 1, "velo", "guida"},
    {26, "Tunflusso", "flussol", "G6", 22, 136, 202, "cadenza", false, 2, "velo", "aiuto"},
    {27, "Tespanduni", "espansione", "H5", 27, 145, 601, "cadenza", true, 2, "velo", "aiuto"},
    {28, "Tmomento", "duecorpiellit", "H6", -1, 700, 700, "cadenza", false, 2, "velo", "aiuto"},
    {29, "Tciclon", "ciclone", "E6", 13, 116, 401, "cadenza", false, 2, "velo", "aiuto"},
    {30, "Tsconcavo", "specparafronti", "I2", 29, 154, 301, "tempo", true, 10, "andamento", "guida"},
}};
}  // namespace

std::span<const WindowInfo> windowTable() { return kWindows; }

const WindowInfo* findWindowByClass(std::string_view className)
{
    for (const auto& w : kWindows)
        if (w.className == className)
            return &w;
    return nullptr;
}

const WindowInfo* findWindowByMenu(std::string_view menuItem)
{
    if (menuItem.empty())
        return nullptr;
    for (const auto& w : kWindows)
        if (w.menuItem == menuItem)
            return &w;
    return nullptr;
}

}  // namespace orb
