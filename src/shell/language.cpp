// Language files (reading, checking and copying them into the tables), locales and the start-up language.
#include "shell/language.h"

#include "shell/texts.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace language {

namespace {

// Unicode code points of Windows-1252 bytes 0x80..0x9F; the five bytes that the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) keep their own value, as C1 controls.
constexpr std::array<char32_t, 32> kCp1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        // Every code point of the table lies below U+10000.
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::size_t separatorEnd(std::string_view path)
{
    const auto sep = path.find_last_of("\\/:");
    return sep == std::string_view::npos ? 0 : sep + 1;
}

struct LocaleSlot {
    int id;
    std::uint8_t slot;
};

constexpr LocaleSlot kLocales[] = {
    {0x0410, 0}, {0x0810, 0},
    {0x0409, 1}, {0x0809, 1}, {0x0C09, 1}, {0x1009, 1}, {0x1409, 1}, {0x1809, 1}, {0x1C09, 1},
    {0x040C, 2}, {0x080C, 2}, {0x0C0C, 2}, {0x100C, 2}, {0x140C, 2},
    {0x040A, 3}, {0x080A, 3}, {0x0C0A, 3}, {0x100A, 3}, {0x140A, 3}, {0x180A, 3}, {0x1C0A, 3},
    {0x200A, 3}, {0x240A, 3}, {0x280A, 3}, {0x2C0A, 3}, {0x300A, 3}, {0x340A, 3}, {0x380A, 3},
    {0x3C0A, 3}, {0x400A, 3}, {0x440A, 3}, {0x480A, 3}, {0x4C0A, 3}, {0x500A, 3},
    {0x0407, 5}, {0x0807, 5}, {0x0C07, 5}, {0x1007, 5}, {0x1407, 5},
};

// The order in which the default-language items are tested at start-up; the last checked wins.
constexpr std::array<std::uint8_t, 6> kDefaultOrder{2, 1, 0, 3, 5, 4};

constexpr std::uint8_t kCustomSlot = 4;

}  // namespace

bool isUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    auto at = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    auto cont = [&](std::size_t k, unsigned lo = 0x80, unsigned hi = 0xBF) {
        return k < n && at(k) >= lo && at(k) <= hi;
    };
    while (i < n) {
        const unsigned b = at(i);
        if (b < 0x80) {
            i += 1;
        } else if (b >= 0xC2 && b <= 0xDF) {
            if (!cont(i + 1))
                return false;
            i += 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            // No overlong forms (E0 needs A0..BF) and no surrogates (ED needs 80..9F).
            const unsigned lo = b == 0xE0 ? 0xA0 : 0x80;
            const unsigned hi = b == 0xED ? 0x9F : 0xBF;
            if (!cont(i + 1, lo, hi) || !cont(i + 2))
                return false;
            i += 3;
        } else if (b >= 0xF0 && b <= 0xF4) {
            // Nothing overlong (F0 needs 90..BF) and nothing above U+10FFFF (F4 needs 80..8F).
            const unsigned lo = b == 0xF0 ? 0x90 : 0x80;
            const unsigned hi = b == 0xF4 ? 0x8F : 0xBF;
            if (!cont(i + 1, lo, hi) || !cont(i + 2) || !cont(i + 3))
                return false;
            i += 4;
        } else {
            return false;
        }
    }
    return true;
}

std::string fromWindows1252(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b <= 0x9F)
            appendUtf8(out, kCp1252High[b - 0x80]);
        else
            appendUtf8(out, b);  // ASCII and Latin-1 share their code points
    }
    return out;
}

std::string textToUtf8(std::string_view bytes)
{
    return isUtf8(bytes) ? std::string(bytes) : fromWindows1252(bytes);
}

bool hasLanguageExtension(std::string_view path)
{
    const std::string_view name = path.substr(separatorEnd(path));
    const auto dot = name.rfind('.');
    return dot != std::string_view::npos && name.substr(dot) == ".lng";
}

std::string fileNamePart(std::string_view path)
{
    return std::string(path.substr(separatorEnd(path)));
}

std::vector<std::string> splitLines(std::string_view bytes)
{
    std::string text;
    if (isUtf8(bytes)) {
        text = std::string(bytes);
        if (text.starts_with("\xEF\xBB\xBF"))
            text.erase(0, 3);
    } else {
        text = fromWindows1252(bytes);
    }

    std::vector<std::string> lines;
    const std::string_view all(text);
    std::size_t start = 0;
    while (start < all.size()) {
        const auto nl = all.find('\n', start);
        const std::size_t end = nl == std::string_view::npos ? all.size() : nl;
        std::string_view line = all.substr(start, end - start);
        if (nl != std::string_view::npos && line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(texts::cutToChars(line, texts::kTextChars));
        if (nl == std::string_view::npos)
            break;
        start = nl + 1;
    }
    return lines;
}

Result parse(std::string_view bytes, std::vector<std::string>& lines)
{
    if (bytes.empty() || bytes.size() > kMaxFileBytes || bytes.find('\0') != std::string_view::npos)
        return Result::Malformed;
    std::vector<std::string> read = splitLines(bytes);
    if (read.size() != static_cast<std::size_t>(kFileLines) ||
        read[static_cast<std::size_t>(kMenuMarkerLine)] != "menu")
        return Result::Malformed;
    lines = std::move(read);
    return Result::Valid;
}

Result readFile(const std::string& path, std::vector<std::string>& lines)
{
    const std::filesystem::path file(std::u8string(path.begin(), path.end()));
    std::error_code ec;
    // Directories, devices and pipes are no language files and are never opened.
    if (!std::filesystem::is_regular_file(file, ec))
        return Result::Missing;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return Result::Missing;
    // One byte past the limit is enough to know that the file is too large.
    std::string bytes(kMaxFileBytes + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad())
        return Result::Missing;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return parse(bytes, lines);
}

void copyIntoTables(const std::vector<std::string>& lines)
{
    if (lines.size() != static_cast<std::size_t>(kFileLines))
        return;
    // Lines 83..88: the language's name in each language (all six slots of the name row).
    for (int slot = 0; slot < texts::kSlots; ++slot)
        texts::MenuTexts.set(texts::kLanguageNameRow, slot, lines[static_cast<std::size_t>(83 + slot)]);
    for (int row = 0; row < 55; ++row)
        texts::MenuTexts.set(row, texts::Custom, lines[static_cast<std::size_t>(89 + row)]);
    // Lines 144 and 185 separate the sections and are not read.
    for (int row = 0; row < 40; ++row)
        texts::CaptionTexts.set(row, texts::Custom, lines[static_cast<std::size_t>(145 + row)]);
    for (int row = 0; row < 94; ++row)
        texts::HintTexts.set(row, texts::Custom, lines[static_cast<std::size_t>(186 + row)]);
}

std::optional<std::uint8_t> slotForLocale(int localeId)
{
    for (const auto& l : kLocales)
        if (l.id == localeId)
            return l.slot;
    return std::nullopt;
}

std::uint8_t chooseStartLanguage(const StartChoice& c)
{
    std::uint8_t index = 1;
    // The stored language; the custom slot only when its file was loaded again.
    if (c.configRead && c.storedLanguage <= 5 && (c.storedLanguage != kCustomSlot || c.customLoaded))
        index = c.storedLanguage;
    if (const auto slot = slotForLocale(c.localeId))
        index = *slot;
    if (c.fileValid)
        for (std::uint8_t slot : kDefaultOrder)
            // A default custom language whose file is not loaded would leave every text empty.
            if (c.defaults[slot] && (slot != kCustomSlot || c.customLoaded))
                index = slot;
    return index;
}

}  // namespace language
