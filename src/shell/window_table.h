// The table of the program's 31 simulation windows: flag, class, menu item, texts, help and timer.
#pragma once

#include <span>
#include <string_view>

namespace orb {

struct WindowInfo {
    int flag;                    // index in WindowClosedFlags
    std::string_view className;  // e.g. "Tondep"
    std::string_view unit;       // e.g. "primarie"
    std::string_view menuItem;   // e.g. "D1"; empty for a window that no menu item opens
    int captionRow;              // CaptionTexts row of the caption; -1: keeps its design caption
    int helpContext;             // help button
    int f1Context;               // the form's own context, used by the help key
    std::string_view timerName;  // "tempo" or "cadenza"
    bool timerOnAtDesign;
    int timerDesignInterval;     // milliseconds
    std::string_view speedBar;   // "cadenza", "velo", "andamento"; empty: none
    std::string_view helpButton; // "guida" or "aiuto"
};

// All 31 windows, in flag order.
std::span<const WindowInfo> windowTable();
// The row of a class or a menu item; nullptr when there is none.
const WindowInfo* findWindowByClass(std::string_view className);
const WindowInfo* findWindowByMenu(std::string_view menuItem);

}  // namespace orb
