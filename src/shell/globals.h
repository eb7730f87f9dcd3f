// The program-wide state that the main window and every simulation window share.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace globals {

constexpr int kWindows = 31;

// Language slot of every text table (0 Italian, 1 English, 2 French, 3 Spanish, 4 custom,
// 5 German); a window reads it when it is created.
extern std::uint8_t LanguageIndex;
// One entry per simulation window, true while the window is closed.
extern std::array<bool, kWindows> WindowClosedFlags;
// State of the menu item that shows the tool-bar buttons' hints.
extern bool ShowHints;
// The default-language radio items, at most one true.
extern std::array<bool, 6> DefaultLanguageFlags;
// The frame's client area minus 4, fixed when the frame is maximized.
extern int ChildAreaWidth;
extern int ChildAreaHeight;
// Sizes of tool panels and their controls.
extern int BarHeight;
extern int ControlHeight;
extern int ControlInset;
// Bits per pixel of the screen, read once at start.
extern int ColourDepth;
// The chosen language file (UTF-8, at most 250 characters), and whether it was found malformed.
extern std::string LanguageFilePath;
extern bool LanguageFileValid;
// The lines of the language file last read (the information window shows them in slot 4).
extern std::vector<std::string> LanguageStrings;

// Puts every value back to what it is when the program starts.
void reset();

}  // namespace globals
