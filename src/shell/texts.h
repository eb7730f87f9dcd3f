// The program's built-in multilingual text tables and the rule for looking a text up.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace texts {

// Language slots of every table.
enum Slot : std::uint8_t { Italian = 0, English = 1, French = 2, Spanish = 3, Custom = 4, German = 5 };
constexpr int kSlots = 6;
constexpr std::size_t kTextChars = 100;   // longest text of HintTexts, CaptionTexts, MenuTexts
constexpr std::size_t kInfoChars = 65;    // longest line of InfoTexts
constexpr int kLanguageNameRow = 55;      // MenuTexts row that holds the custom language's name

// Length in bytes of the character that starts at utf8[pos]: the length of a well-formed UTF-8
// sequence, or 1 for a stray or truncated byte.
std::size_t utf8CharLength(std::string_view utf8, std::size_t pos);

// The first n characters (not bytes) of a UTF-8 string; never cuts a character in half.
// A byte that does not start a well-formed UTF-8 sequence counts as one character.
std::string cutToChars(std::string_view utf8, std::size_t n);

// Number of characters of a UTF-8 string, counted as cutToChars counts them.
std::size_t countChars(std::string_view utf8);

// The part of a hint that a tooltip shows: everything before the first "|".
std::string_view shortHint(std::string_view hint);
// The long part of a hint, which hint lines show: everything after the first "|", or the whole
// hint when it has no "|".
std::string_view longHint(std::string_view hint);

// Which stored texts of a table TextTable::set() may replace; every other text keeps its
// built-in value.
struct TableWritable {
    bool customSlot = true;  // slot 4 of every row
    int allSlotsRow = -1;    // one row whose six slots are all writable; -1 for none
};

class TextTable {
public:
    using Row = std::array<const char*, kSlots>;

    using Writable = TableWritable;

    // The table keeps the row pointers to restore its built-in texts: they must outlive it
    // (string literals do). A null pointer stands for an empty text.
    TextTable(std::size_t maxChars, std::initializer_list<Row> rows, Writable writable = {});
    TextTable(std::size_t maxChars, std::vector<Row> rows, Writable writable = {});

    int rows() const { return static_cast<int>(rows_.size()); }
    // Row r in slot s; an empty string for a row or slot out of range.
    const std::string& text(int row, int slot) const;
    // Row r in the current LanguageIndex.
    const std::string& operator[](int row) const;
    // Whether set() may store a text at row r, slot s.
    bool writable(int row, int slot) const;
    // Stores a text, cut to the table's limit, where writable() allows it; returns whether
    // it stored. Out-of-range rows and slots and read-only places are left alone.
    bool set(int row, int slot, std::string_view utf8);
    // Puts every text back to its built-in value.
    void reset();
    std::size_t maxChars() const { return maxChars_; }

private:
    std::size_t maxChars_;
    Writable writable_;
    std::vector<Row> builtIn_;
    std::vector<std::array<std::string, kSlots>> rows_;
};

extern TextTable HintTexts;     // 97 rows; rows 94..96 (the keys of the pause button and of the
                                // speed bar, the picture that cannot be saved) in English in slot 4
extern TextTable CaptionTexts;  // 40 rows
extern TextTable MenuTexts;     // 65 rows; row 55 is the custom language's name, row 56 the
                                // elliptical-orbits item, rows 57..64 the picture items (in English
                                // in slot 4)
extern TextTable InfoTexts;     // 83 lines of the information window; slot 4 stays empty

// Restores every table to its built-in contents (slot 4 and MenuTexts row 55 included).
void resetTables();

}  // namespace texts
