// Text tables: storing a text within its character limit and looking it up by language slot.
#include "shell/texts.h"

#include "shell/globals.h"

#include <utility>

namespace texts {

std::size_t utf8CharLength(std::string_view utf8, std::size_t pos)
{
    const auto lead = static_cast<unsigned char>(utf8[pos]);
    std::size_t len = 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        len = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        len = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        len = 4;
    if (pos + len > utf8.size())
        return 1;
    for (std::size_t k = 1; k < len; ++k)
        if ((static_cast<unsigned char>(utf8[pos + k]) & 0xC0) != 0x80)
            return 1;
    return len;
}

namespace {

const std::string& emptyText()
{
    static const std::string empty;
    return empty;
}

}  // namespace

std::string cutToChars(std::string_view utf8, std::size_t n)
{
    std::size_t pos = 0;
    for (std::size_t chars = 0; chars < n && pos < utf8.size(); ++chars)
        pos += utf8CharLength(utf8, pos);
    return std::string(utf8.substr(0, pos));
}

std::size_t countChars(std::string_view utf8)
{
    std::size_t chars = 0;
    for (std::size_t pos = 0; pos < utf8.size(); pos += utf8CharLength(utf8, pos))
        ++chars;
    return chars;
}

std::string_view shortHint(std::string_view hint)
{
    return hint.substr(0, hint.find('|'));
}

std::string_view longHint(std::string_view hint)
{
    const std::size_t bar = hint.find('|');
    return bar == std::string_view::npos ? hint : hint.substr(bar + 1);
}

TextTable::TextTable(std::size_t maxChars, std::initializer_list<Row> rows, Writable writable)
    : TextTable(maxChars, std::vector<Row>(rows), writable)
{
}

TextTable::TextTable(std::size_t maxChars, std::vector<Row> rows, Writable writable)
    : maxChars_(maxChars), writable_(writable), builtIn_(std::move(rows))
{
    reset();
}

const std::string& TextTable::text(int row, int slot) const
{
    if (row < 0 || row >= rows() || slot < 0 || slot >= kSlots)
        return emptyText();
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(slot)];
}

const std::string& TextTable::operator[](int row) const
{
    return text(row, globals::LanguageIndex);
}

bool TextTable::writable(int row, int slot) const
{
    if (row < 0 || row >= rows() || slot < 0 || slot >= kSlots)
        return false;
    return (writable_.customSlot && slot == Custom) || row == writable_.allSlotsRow;
}

bool TextTable::set(int row, int slot, std::string_view utf8)
{
    if (!writable(row, slot))
        return false;
    rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(slot)] = cutToChars(utf8, maxChars_);
    return true;
}

void TextTable::reset()
{
    rows_.assign(builtIn_.size(), {});
    for (std::size_t r = 0; r < builtIn_.size(); ++r)
        for (std::size_t s = 0; s < kSlots; ++s) {
            const char* builtIn = builtIn_[r][s];
            rows_[r][s] = builtIn ? cutToChars(builtIn, maxChars_) : std::string();
        }
}

void resetTables()
{
    HintTexts.reset();
    CaptionTexts.reset();
    MenuTexts.reset();
    InfoTexts.reset();
}

}  // namespace texts
