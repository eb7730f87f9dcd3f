// The program-wide state that the main window and every simulation window share.
#include "shell/globals.h"

namespace globals {

std::uint8_t LanguageIndex = 1;
std::array<bool, kWindows> WindowClosedFlags = [] {
    std::array<bool, kWindows> a{};
    a.fill(true);
    return a;
}();
bool ShowHints = false;
std::array<bool, 6> DefaultLanguageFlags{};
int ChildAreaWidth = 1916;
int ChildAreaHeight = 1000;
int BarHeight = 26;
int ControlHeight = 17;
int ControlInset = 4;
int ColourDepth = 32;
std::string LanguageFilePath;
bool LanguageFileValid = true;
std::vector<std::string> LanguageStrings;

void reset()
{
    LanguageIndex = 1;
    WindowClosedFlags.fill(true);
    ShowHints = false;
    DefaultLanguageFlags.fill(false);
    ChildAreaWidth = 1916;
    ChildAreaHeight = 1000;
    BarHeight = 26;
    ControlHeight = 17;
    ControlInset = 4;
    ColourDepth = 32;
    LanguageFilePath.clear();
    LanguageFileValid = true;
    LanguageStrings.clear();
}

}  // namespace globals
