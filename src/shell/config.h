// The configuration record "Orbicola.cfg": four settings kept between runs in 209 raw bytes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace config {

constexpr std::size_t kRecordSize = 209;
constexpr std::size_t kPathBytes = 200;
constexpr const char* kFileName = "Orbicola.cfg";

using Record = std::array<std::uint8_t, kRecordSize>;

// The settings as the program holds them in memory (what was read, or the initial values).
struct Settings {
    bool showHints = false;
    std::uint8_t language = 0;           // language byte (0..5)
    std::string path;                    // the language file's path, UTF-8, at most 200 bytes
    std::array<bool, 6> defaults{};      // default-language flags by slot
};

// The record's bytes for some settings (the path cut to 200 bytes at a character boundary).
Record encode(const Settings& settings);

// What a file's bytes say. A file that is not exactly 209 bytes long gives nothing (as if
// missing). A byte out of its range (language above 5, path length above 200, a flag other than
// 0 or 1) is ignored: its setting keeps the value it has in `initial`. The path ends at a NUL
// byte; a path that is not valid UTF-8 is read as Windows-1252. Of several default flags set,
// only the one that the start-up would apply (the last in the order 2, 1, 0, 3, 5, 4) is kept.
std::optional<Settings> decode(std::span<const std::uint8_t> bytes, const Settings& initial);

// Reads the file; nothing when it is missing, unreadable or of the wrong size.
std::optional<Settings> readFile(const std::string& fileName, const Settings& initial);

// Writes the record through a temporary file renamed over the old one, so that an existing file is
// never left truncated. Returns false (and leaves any old file as it was) when it cannot.
bool writeFile(const std::string& fileName, const Settings& settings);

// Whether the settings at close differ from those in memory in anything but the language byte:
// the hints flag, the path (the full current path against the stored one) or the defaults.
bool changed(const Settings& inMemory, bool showHints, const std::string& currentPath,
             const std::array<bool, 6>& defaults);

// The first n bytes of a UTF-8 string, never cutting a character in half.
std::string cutToBytes(const std::string& utf8, std::size_t n);

}  // namespace config
