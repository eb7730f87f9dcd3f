// The configuration record "Orbicola.cfg": its byte layout, and reading and writing it safely.
#include "shell/config.h"
#include "shell/texts.h"

#include "shell/language.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#if __has_include(<unistd.h>)
#include <unistd.h>
#endif

namespace config {

namespace {

// Offsets of the record's fields.
constexpr std::size_t kHintsByte = 0;
constexpr std::size_t kLanguageByte = 1;
constexpr std::size_t kPathLengthByte = 2;
constexpr std::size_t kPathStart = 3;
constexpr std::size_t kDefaultsStart = kPathStart + kPathBytes;  // 203
constexpr std::uint8_t kLastSlot = 5;

// The order in which the start-up applies the default-language flags; the last set one wins.
constexpr std::array<std::size_t, 6> kDefaultOrder{2, 1, 0, 3, 5, 4};

std::filesystem::path fromUtf8(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace

std::string cutToBytes(const std::string& utf8, std::size_t n)
{
    if (utf8.size() <= n)
        return utf8;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t len = texts::utf8CharLength(utf8, pos);
        if (pos + len > n)
            break;
        pos += len;
    }
    return utf8.substr(0, pos);
}

Record encode(const Settings& settings)
{
    Record r{};
    r[kHintsByte] = settings.showHints ? 1 : 0;
    r[kLanguageByte] = settings.language;
    const std::string path = cutToBytes(settings.path, kPathBytes);
    r[kPathLengthByte] = static_cast<std::uint8_t>(path.size());
    for (std::size_t i = 0; i < path.size(); ++i)
        r[kPathStart + i] = static_cast<std::uint8_t>(path[i]);
    for (std::size_t s = 0; s < settings.defaults.size(); ++s)
        r[kDefaultsStart + s] = settings.defaults[s] ? 1 : 0;
    return r;
}

std::optional<Settings> decode(std::span<const std::uint8_t> bytes, const Settings& initial)
{
    if (bytes.size() != kRecordSize)
        return std::nullopt;
    Settings s = initial;
    if (bytes[kHintsByte] <= 1)
        s.showHints = bytes[kHintsByte] == 1;
    if (bytes[kLanguageByte] <= kLastSlot)
        s.language = bytes[kLanguageByte];
    if (bytes[kPathLengthByte] <= kPathBytes) {
        std::string raw;
        for (std::size_t i = 0; i < bytes[kPathLengthByte]; ++i) {
            const auto b = bytes[kPathStart + i];
            if (b == 0)  // no path holds a NUL: it ends there
                break;
            raw.push_back(static_cast<char>(b));
        }
        // A path written by an older program in the Windows code page is read as such.
        s.path = cutToBytes(language::textToUtf8(raw), kPathBytes);
    }
    for (std::size_t slot = 0; slot < s.defaults.size(); ++slot)
        if (bytes[kDefaultsStart + slot] <= 1)
            s.defaults[slot] = bytes[kDefaultsStart + slot] == 1;
    // At most one default may be set; of several, keep the one the start-up would apply.
    std::optional<std::size_t> winner;
    int count = 0;
    for (std::size_t slot : kDefaultOrder)
        if (s.defaults[slot]) {
            winner = slot;
            ++count;
        }
    if (count > 1) {
        s.defaults.fill(false);
        s.defaults[*winner] = true;
    }
    return s;
}

std::optional<Settings> readFile(const std::string& fileName, const Settings& initial)
{
    std::error_code ec;
    const auto path = fromUtf8(fileName);
    if (!std::filesystem::is_regular_file(path, ec))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    // One byte more than a record shows a file that is too long.
    std::array<char, kRecordSize + 1> buffer{};
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    if (in.bad() || in.gcount() != static_cast<std::streamsize>(kRecordSize))
        return std::nullopt;
    Record r{};
    for (std::size_t i = 0; i < kRecordSize; ++i)
        r[i] = static_cast<std::uint8_t>(buffer[i]);
    return decode(r, initial);
}

bool writeFile(const std::string& fileName, const Settings& settings)
{
    const auto target = fromUtf8(fileName);
    auto temp = target;
    temp += ".tmp";
    const Record r = encode(settings);

    std::FILE* f = std::fopen(temp.string().c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(r.data(), 1, r.size(), f) == r.size();
    ok = std::fflush(f) == 0 && ok;
#if __has_include(<unistd.h>)
    // On disk before it replaces the old file, so a crash cannot leave an empty record behind.
    ok = ::fsync(::fileno(f)) == 0 && ok;
#endif
    ok = std::fclose(f) == 0 && ok;

    std::error_code ec;
    if (ok) {
        std::filesystem::rename(temp, target, ec);
        ok = !ec;
    }
    if (!ok)
        std::filesystem::remove(temp, ec);
    return ok;
}

bool changed(const Settings& inMemory, bool showHints, const std::string& currentPath,
             const std::array<bool, 6>& defaults)
{
    return inMemory.showHints != showHints || inMemory.path != currentPath ||
           inMemory.defaults != defaults;
}

}  // namespace config
