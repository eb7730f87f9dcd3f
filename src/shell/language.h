// Language files, the user's locale and the choice of the language at start-up.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace language {

constexpr int kFileLines = 280;
constexpr int kMenuMarkerLine = 82;
constexpr std::size_t kMaxFileBytes = 1 << 20;    // a larger file is not a language file
constexpr std::size_t kMaxPathChars = 250;        // a chosen path is kept cut to this

// Whether the path's extension (from the last "." after the last "\", "/" or ":") is exactly ".lng".
bool hasLanguageExtension(std::string_view path);

// The file-name part of a path (after the last "\", "/" or ":").
std::string fileNamePart(std::string_view path);

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or code points above
// U+10FFFF).
bool isUtf8(std::string_view bytes);
// Windows-1252 bytes as UTF-8; the five bytes the code page leaves undefined become U+0081,
// U+008D, U+008F, U+0090 and U+009D.
std::string fromWindows1252(std::string_view bytes);
// The bytes as they are when they are valid UTF-8, else read as Windows-1252.
std::string textToUtf8(std::string_view bytes);

// Splits a file's bytes into lines as a user expects of a text file today: CRLF or LF ends a line,
// a final line break ends the last line and does not start another; bytes that are valid UTF-8
// (a leading byte-order mark dropped) are read as UTF-8, any others as Windows-1252. Each line is
// cut to 100 characters.
std::vector<std::string> splitLines(std::string_view bytes);

enum class Result { Valid, Malformed, Missing };

// Reads a language file: Missing when it cannot be opened; Malformed when it is empty, binary
// (holds a NUL byte), larger than 1 MiB, not 280 lines long or line 82 is not "menu"; Valid
// otherwise, with its lines. `lines` is replaced only when the file is valid. A path that is no
// regular file, or a file that opens but cannot be read, counts as Missing.
Result readFile(const std::string& path, std::vector<std::string>& lines);
// The same checks on bytes already read.
Result parse(std::string_view bytes, std::vector<std::string>& lines);

// Copies a valid file's lines into the tables: lines 83..88 into MenuTexts row 55 (slots 0..5),
// 89..143 into MenuTexts rows 0..54, 145..184 into CaptionTexts rows 0..39 and 186..279 into
// HintTexts rows 0..93, all in slot 4. Anything but 280 lines copies nothing.
void copyIntoTables(const std::vector<std::string>& lines);

// The slot that a Windows locale identifier selects (e.g. 0x0410 -> 0, 0x0C07 -> 5), or nothing.
std::optional<std::uint8_t> slotForLocale(int localeId);

// The language at start-up.
struct StartChoice {
    bool configRead = false;          // the configuration file was read
    std::uint8_t storedLanguage = 1;  // its language byte
    int localeId = 0;                 // the user's locale
    bool fileValid = true;            // no stored language file was found malformed
    bool customLoaded = false;        // a stored language file was loaded into slot 4
    std::array<bool, 6> defaults{};   // default-language flags by slot
};
// Starts from 1; the stored byte replaces it if the configuration was read, the locale's slot
// replaces that if the locale has one; then, when fileValid, each checked default in the order
// 2, 1, 0, 3, 5, 4 (so the last of them wins). Slot 4 is used, stored or default, only when
// customLoaded: without its file every text would be empty.
std::uint8_t chooseStartLanguage(const StartChoice& c);

}  // namespace language
