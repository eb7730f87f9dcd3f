// Tests of language files, their encodings and line breaks, the locale table and the start-up language.
#include "shell/globals.h"
#include "shell/language.h"
#include "shell/texts.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using language::Result;

// A well-formed file's lines: "line N", with the marker on line 82.
std::vector<std::string> goodLines(int count = language::kFileLines)
{
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i)
        lines.push_back(i == 82 ? "menu" : "line " + std::to_string(i));
    return lines;
}

std::string join(const std::vector<std::string>& lines, const std::string& eol, bool finalBreak = true)
{
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        out += lines[i];
        if (i + 1 < lines.size() || finalBreak)
            out += eol;
    }
    return out;
}

std::string repeat(const std::string& piece, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

class LanguageTablesTest : public ::testing::Test {
protected:
    void SetUp() override { texts::resetTables(); }
    void TearDown() override { texts::resetTables(); }
};

TEST(LanguageFile, LineCountAndMarker)
{
    std::vector<std::string> lines;
    EXPECT_EQ(language::parse(join(goodLines(), "\n"), lines), Result::Valid);
    ASSERT_EQ(lines.size(), 280u);
    EXPECT_EQ(lines[0], "line 0");
    EXPECT_EQ(lines[279], "line 279");

    EXPECT_EQ(language::parse(join(goodLines(279), "\n"), lines), Result::Malformed);
    EXPECT_EQ(language::parse(join(goodLines(281), "\n"), lines), Result::Malformed);
    auto wrong = goodLines();
    wrong[82] = "Menu";
    EXPECT_EQ(language::parse(join(wrong, "\n"), lines), Result::Malformed);
    wrong[82] = "menu ";
    EXPECT_EQ(language::parse(join(wrong, "\n"), lines), Result::Malformed);
    wrong[82] = "menu";
    wrong[81] = "menu";
    wrong[83] = "x";
    EXPECT_EQ(language::parse(join(wrong, "\n"), lines), Result::Valid);
}

TEST(LanguageFile, LineBreaks)
{
    std::vector<std::string> lf, crlf, bare;
    EXPECT_EQ(language::parse(join(goodLines(), "\n"), lf), Result::Valid);
    EXPECT_EQ(language::parse(join(goodLines(), "\r\n"), crlf), Result::Valid);
    EXPECT_EQ(language::parse(join(goodLines(), "\r\n", false), bare), Result::Valid);
    EXPECT_EQ(crlf, lf);
    EXPECT_EQ(bare, lf);
    // A break after the final one starts an empty 281st line.
    std::vector<std::string> extra;
    EXPECT_EQ(language::parse(join(goodLines(), "\n") + "\n", extra), Result::Malformed);

    using V = std::vector<std::string>;
    EXPECT_EQ(language::splitLines(""), V{});
    EXPECT_EQ(language::splitLines("a\n\n"), (V{"a", ""}));
    EXPECT_EQ(language::splitLines("a\rb\r\nc"), (V{"a\rb", "c"}));  // a lone CR ends no line
}

TEST(LanguageFile, EmptyBinaryAndHugeFilesAreMalformed)
{
    std::vector<std::string> lines{"kept"};
    EXPECT_EQ(language::parse("", lines), Result::Malformed);
    std::string binary = join(goodLines(), "\n");
    binary[10] = '\0';
    EXPECT_EQ(language::parse(binary, lines), Result::Malformed);
    auto huge = goodLines();
    huge[0] = std::string(language::kMaxFileBytes, 'x');
    EXPECT_EQ(language::parse(join(huge, "\n"), lines), Result::Malformed);
    // Nothing of a malformed file replaces what was read before.
    EXPECT_EQ(lines, std::vector<std::string>{"kept"});
}

TEST(LanguageFile, Utf8AndWindows1252)
{
    auto utf8 = goodLines();
    utf8[83] = "fran\xC3\xA7" "ais \xE2\x82\xAC";
    std::vector<std::string> lines;
    ASSERT_EQ(language::parse(join(utf8, "\r\n"), lines), Result::Valid);
    EXPECT_EQ(lines[83], "fran\xC3\xA7" "ais \xE2\x82\xAC");

    // A byte-order mark is dropped.
    ASSERT_EQ(language::parse("\xEF\xBB\xBF" + join(goodLines(), "\n"), lines), Result::Valid);
    EXPECT_EQ(lines[0], "line 0");

    auto cp = goodLines();
    cp[83] = "fran\xE7" "ais \x80";
    cp[84] = "Espa\xF1ol \x93x\x94 \x9F \x81\x8D\x8F\x90\x9D";
    ASSERT_EQ(language::parse(join(cp, "\n"), lines), Result::Valid);
    EXPECT_EQ(lines[83], "fran\xC3\xA7" "ais \xE2\x82\xAC");
    EXPECT_EQ(lines[84], "Espa\xC3\xB1ol \xE2\x80\x9Cx\xE2\x80\x9D \xC5\xB8 "
                         "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");

    // One stray byte makes the whole file Windows-1252, UTF-8 look-alikes included.
    cp[85] = "\xC3\xA9";
    ASSERT_EQ(language::parse(join(cp, "\n"), lines), Result::Valid);
    EXPECT_EQ(lines[85], "\xC3\x83\xC2\xA9");
}

TEST(LanguageFile, LinesAreCutToOneHundredCharacters)
{
    auto utf8 = goodLines();
    utf8[90] = repeat("\xC3\xA9", 150);
    std::vector<std::string> lines;
    ASSERT_EQ(language::parse(join(utf8, "\n"), lines), Result::Valid);
    EXPECT_EQ(lines[90], repeat("\xC3\xA9", 100));
    auto cp = goodLines();
    cp[90] = std::string(150, '\xE9');
    cp[91] = std::string(101, 'a') + '\xE9';
    ASSERT_EQ(language::parse(join(cp, "\n"), lines), Result::Valid);
    EXPECT_EQ(lines[90], repeat("\xC3\xA9", 100));
    EXPECT_EQ(lines[91], std::string(100, 'a'));
}

TEST(LanguageFile, Utf8Check)
{
    EXPECT_TRUE(language::isUtf8("plain \xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8C\x8D"));
    EXPECT_FALSE(language::isUtf8("\xC0\x80"));          // overlong NUL
    EXPECT_FALSE(language::isUtf8("\xE0\x80\xAF"));      // overlong "/"
    EXPECT_FALSE(language::isUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(language::isUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
    EXPECT_FALSE(language::isUtf8("\xC3"));              // cut short
    EXPECT_FALSE(language::isUtf8("\xA9"));              // stray continuation
}

TEST(LanguageFile, ReadFromDisk)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const fs::path folder(dir.path().toStdString());
    const std::string path = (folder / "fran\xC3\xA7" "ais.lng").string();
    {
        std::ofstream out(fs::path(std::u8string(path.begin(), path.end())), std::ios::binary);
        out << join(goodLines(), "\r\n");
    }
    std::vector<std::string> lines{"kept"};
    EXPECT_EQ(language::readFile((folder / "none.lng").string(), lines), Result::Missing);
    EXPECT_EQ(language::readFile(folder.string(), lines), Result::Missing);
    EXPECT_EQ(lines, std::vector<std::string>{"kept"});
    EXPECT_EQ(language::readFile(path, lines), Result::Valid);
    EXPECT_EQ(lines, goodLines());
}

TEST(LanguageFile, PathParts)
{
    EXPECT_TRUE(language::hasLanguageExtension("C:\\lingue\\de.lng"));
    EXPECT_TRUE(language::hasLanguageExtension("/home/u/x.y.lng"));
    EXPECT_FALSE(language::hasLanguageExtension("de.LNG"));
    EXPECT_FALSE(language::hasLanguageExtension("lingue.lng\\de"));
    EXPECT_FALSE(language::hasLanguageExtension(""));
    EXPECT_EQ(language::fileNamePart("C:\\lingue\\de.lng"), "de.lng");
    EXPECT_EQ(language::fileNamePart("/home/u/de.lng"), "de.lng");
    EXPECT_EQ(language::fileNamePart("c:de.lng"), "de.lng");
}

TEST_F(LanguageTablesTest, CopyFillsTheCustomSlot)
{
    const std::string italianRow0 = texts::MenuTexts.text(0, texts::Italian);
    const std::string germanHint0 = texts::HintTexts.text(0, texts::German);
    const auto lines = goodLines();
    language::copyIntoTables(lines);
    for (int slot = 0; slot < 6; ++slot)
        EXPECT_EQ(texts::MenuTexts.text(55, slot), "line " + std::to_string(83 + slot));
    EXPECT_EQ(texts::MenuTexts.text(0, texts::Custom), "line 89");
    EXPECT_EQ(texts::MenuTexts.text(54, texts::Custom), "line 143");
    EXPECT_EQ(texts::MenuTexts.text(56, texts::Custom), "&Elliptical orbits");   // not in the file
    EXPECT_EQ(texts::CaptionTexts.text(0, texts::Custom), "line 145");
    EXPECT_EQ(texts::CaptionTexts.text(39, texts::Custom), "line 184");
    EXPECT_EQ(texts::HintTexts.text(0, texts::Custom), "line 186");
    EXPECT_EQ(texts::HintTexts.text(93, texts::Custom), "line 279");
    EXPECT_EQ(texts::MenuTexts.text(0, texts::Italian), italianRow0);
    EXPECT_EQ(texts::HintTexts.text(0, texts::German), germanHint0);
}

TEST_F(LanguageTablesTest, CopyOfAWrongSizeListCopiesNothing)
{
    language::copyIntoTables(goodLines(279));
    EXPECT_EQ(texts::MenuTexts.text(55, texts::Italian), "");
    EXPECT_EQ(texts::MenuTexts.text(0, texts::Custom), "");
    EXPECT_EQ(texts::HintTexts.text(93, texts::Custom), "");
}

TEST(Locale, TableOfIdentifiers)
{
    EXPECT_EQ(language::slotForLocale(0x0410), 0);
    EXPECT_EQ(language::slotForLocale(0x0810), 0);
    EXPECT_EQ(language::slotForLocale(0x0409), 1);
    EXPECT_EQ(language::slotForLocale(0x1C09), 1);
    EXPECT_EQ(language::slotForLocale(0x040C), 2);
    EXPECT_EQ(language::slotForLocale(0x140C), 2);
    EXPECT_EQ(language::slotForLocale(0x040A), 3);
    EXPECT_EQ(language::slotForLocale(0x500A), 3);
    EXPECT_EQ(language::slotForLocale(0x0407), 5);
    EXPECT_EQ(language::slotForLocale(0x0C07), 5);
    EXPECT_EQ(language::slotForLocale(0x1407), 5);
    EXPECT_FALSE(language::slotForLocale(0x0411));  // Japanese
    EXPECT_FALSE(language::slotForLocale(0x2009));  // English, Jamaica
    EXPECT_FALSE(language::slotForLocale(0x540A));
    EXPECT_FALSE(language::slotForLocale(0));
}

TEST(StartLanguage, StoredByteLocaleAndDefault)
{
    language::StartChoice c;
    EXPECT_EQ(language::chooseStartLanguage(c), 1);  // nothing read, unknown locale
    c.storedLanguage = 3;
    EXPECT_EQ(language::chooseStartLanguage(c), 1);  // the byte counts only when read
    c.configRead = true;
    EXPECT_EQ(language::chooseStartLanguage(c), 3);  // neither locale nor default applies
    c.localeId = 0x0407;
    EXPECT_EQ(language::chooseStartLanguage(c), 5);  // German system, no default
    c.defaults[2] = true;
    EXPECT_EQ(language::chooseStartLanguage(c), 2);  // the default overrides the locale
    c.fileValid = false;
    EXPECT_EQ(language::chooseStartLanguage(c), 5);  // not after a malformed file
    c.fileValid = true;
    c.defaults[0] = true;
    EXPECT_EQ(language::chooseStartLanguage(c), 0);  // Italian is tested after French
}

TEST(StartLanguage, CustomSlotOnlyWithItsFile)
{
    language::StartChoice c;
    c.configRead = true;
    c.storedLanguage = 2;
    c.defaults[4] = true;
    EXPECT_EQ(language::chooseStartLanguage(c), 2);  // default 4, file not loaded
    c.localeId = 0x0C07;
    EXPECT_EQ(language::chooseStartLanguage(c), 5);
    c.customLoaded = true;
    EXPECT_EQ(language::chooseStartLanguage(c), 4);

    language::StartChoice s;
    s.configRead = true;
    s.storedLanguage = 4;
    EXPECT_EQ(language::chooseStartLanguage(s), 1);  // stored 4, file not loaded
    s.customLoaded = true;
    EXPECT_EQ(language::chooseStartLanguage(s), 4);
    s.defaults[5] = true;
    EXPECT_EQ(language::chooseStartLanguage(s), 5);
}

}  // namespace
