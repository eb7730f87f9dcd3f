// Tests of the built-in text tables: contents, character limits, lookup and the writable slots.
#include "shell/globals.h"
#include "shell/texts.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using texts::TextTable;
using Six = std::array<std::string, texts::kSlots>;

class TextTablesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        texts::resetTables();
        globals::reset();
    }
    void TearDown() override { SetUp(); }
};

void expectRow(const TextTable& table, int row, const Six& expected)
{
    for (int s = 0; s < texts::kSlots; ++s)
        EXPECT_EQ(table.text(row, s), expected[static_cast<std::size_t>(s)]) << "row " << row << ", slot " << s;
}

std::string repeat(const std::string& piece, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

// The sizes, and rows at the start, the middle and the end of each table: a row lost, doubled or
// moved, or two languages swapped, shows in one of them.
TEST_F(TextTablesTest, SizesAndRowsInEveryLanguage)
{
    EXPECT_EQ(texts::HintTexts.rows(), 97);
    EXPECT_EQ(texts::CaptionTexts.rows(), 40);
    EXPECT_EQ(texts::MenuTexts.rows(), 65);
    EXPECT_EQ(texts::InfoTexts.rows(), 83);
    EXPECT_EQ(texts::HintTexts.maxChars(), 100u);
    EXPECT_EQ(texts::InfoTexts.maxChars(), 65u);
    const auto& h = texts::HintTexts;
    expectRow(h, 0, {"pausa|", "pause|", "pause|", "pausa|", "", "Pause!"});
    expectRow(h, 14, {"antiorario", "anticlockwise", "mouvement en sens inverse des aguilles d'une montre",
                      "antihorario", "", "Bewegung im entgegen dem Uhrzeigersinn"});
    expectRow(h, 61, {"mostra/nasconde i fronti d'onda", "Show/hide wave fronts",
                      "montrer/cacher les fronts d'onde", " los frentes de onda", "", ""});
    expectRow(h, 83, {"  Gennargentu", "", "", "", "", ""});
    expectRow(h, 93, {"risultante", "resultant", "résultante", "resultante", "", ""});
    const auto& c = texts::CaptionTexts;
    expectRow(c, 0, {"Orbicola", "Orbicola", "Orbicola", "Orbicola", "", "Orbicola"});
    expectRow(c, 28,
              {"Moto di una carica in campo magnetico non uniforme (bottiglia magnetica)",
               "Motion of a point charge in non-uniform magnetic field (magnetic bottle)",
               "Mouvement d'une charge dans un champ magnétique non-homogène (bouteille magnétique)",
               "Movimiento de una carga en un campo magnético no uniforme (botella magnética)", "",
               "Bewegung eine Ladung in ein Magnetfeld noch homeogene (magnetische Flasche"});
    EXPECT_EQ(c.text(38, texts::Italian), "");   // the translation credits name no one in Italian
    EXPECT_FALSE(c.text(38, texts::German).empty());
    expectRow(c, 39, {"        (Invio)", "         (Enter)", "         (Entrée)", "         (Enter)", "",
                      "        (Enter)"});
    const auto& m = texts::MenuTexts;
    expectRow(m, 0, {"&Archivio", "&File", "&Fichier", "&Fichero", "", "&Datei"});
    expectRow(m, 14, {"   ?   ", "   ?   ", "   ?   ", "   ?   ", "   ?   ", "   ?   "});
    expectRow(m, 54, {"Lingua &predefinita", "&Default language", "Langue de &défaut", "&Idioma predefinido",
                      "", "&Voreinstellung Sprache "});
    expectRow(m, 55, {"", "", "", "", "", ""});
    expectRow(m, 56, {"Orbite &ellittiche", "&Elliptical orbits", "Orbites &elliptiques", "Órbitas &elípticas",
                      "&Elliptical orbits", "&Elliptische Bahnen"});
    expectRow(m, 57, {"&Salva immagine...", "&Save picture...", "&Enregistrer l'image...", "&Guardar imagen...",
                      "&Save picture...", "Bild &speichern..."});
}

// The rows that no language file carries (the elliptical-orbits item, the picture items, the keys'
// names, the picture that cannot be saved) keep their English texts there; every other row but
// the question mark is empty.
TEST_F(TextTablesTest, CustomSlotEmptyExceptQuestionMarkAndRowsNoLanguageFileCarries)
{
    for (const TextTable* table : {&texts::HintTexts, &texts::CaptionTexts, &texts::MenuTexts, &texts::InfoTexts}) {
        const int carried = table == &texts::HintTexts ? 94 : table == &texts::MenuTexts ? 56 : table->rows();
        for (int r = 0; r < table->rows(); ++r) {
            const std::string expected = r >= carried ? table->text(r, texts::English)
                                         : table == &texts::MenuTexts && r == 14 ? "   ?   " : "";
            EXPECT_EQ(table->text(r, texts::Custom), expected) << "row " << r;
        }
    }
}

TEST_F(TextTablesTest, LookupFollowsLanguageIndexWithoutFallback)
{
    EXPECT_EQ(texts::CaptionTexts[16], "Tides");  // the program starts in English
    const Six tides{"Maree", "Tides", "Marées", "Mareas", "", "Gezeiten"};
    for (int s = 0; s < texts::kSlots; ++s) {
        globals::LanguageIndex = static_cast<std::uint8_t>(s);
        EXPECT_EQ(texts::CaptionTexts[16], tides[static_cast<std::size_t>(s)]) << "slot " << s;
    }
    globals::LanguageIndex = texts::German;
    EXPECT_EQ(texts::HintTexts[7], "");   // empty in German, and no other language instead
    globals::LanguageIndex = 6;
    EXPECT_EQ(texts::MenuTexts[14], "");
    EXPECT_EQ(texts::HintTexts.text(-1, texts::Italian), "");
    EXPECT_EQ(texts::HintTexts.text(97, texts::Italian), "");
    EXPECT_EQ(texts::HintTexts.text(0, -1), "");
}

TEST(TextHelpers, AHintSplitsAtItsFirstBar)
{
    EXPECT_EQ(texts::shortHint("velocità di esecuzione|"), "velocità di esecuzione");
    EXPECT_EQ(texts::shortHint("clean screen"), "clean screen");
    EXPECT_EQ(texts::shortHint("a|b|c"), "a");
    EXPECT_EQ(texts::shortHint("|long"), "");
    EXPECT_EQ(texts::longHint("continua|  o premi il tasto"), "  o premi il tasto");
    EXPECT_EQ(texts::longHint("pausa|"), "");
    EXPECT_EQ(texts::longHint("Gewicht"), "Gewicht");
}

TEST(TextHelpers, CutCountsCharactersNotBytes)
{
    const std::string e = "è";       // two bytes
    const std::string euro = "€";    // three bytes
    const std::string clef = "𝄞";    // four bytes
    EXPECT_EQ(texts::cutToChars(repeat(e, 120), 100), repeat(e, 100));
    EXPECT_EQ(texts::cutToChars("x" + euro + clef + "y", 3), "x" + euro + clef);
    EXPECT_EQ(texts::cutToChars("abc", 0), "");
    EXPECT_EQ(texts::countChars(repeat(e, 7) + euro + clef), 9u);
    // A Windows-1252 "è" (0xE8), a stray continuation byte and a cut-short sequence are one
    // character each.
    const std::string ansi = "caf\xE8\x80z";
    EXPECT_EQ(texts::countChars(ansi), 6u);
    EXPECT_EQ(texts::cutToChars(ansi, 4), "caf\xE8");
    EXPECT_EQ(texts::cutToChars("ab\xC3", 3), "ab\xC3");
    EXPECT_EQ(texts::countChars("ab\xC3"), 3u);
}

TEST(TextHelpers, TableCutsTextsWhenStored)
{
    // The table keeps pointers to its built-in texts, so they must outlive it.
    const std::string ninetyNine = repeat("a", 99);
    const std::string longText = ninetyNine + "àé";
    TextTable table(texts::kTextChars, {{longText.c_str(), "", "", "", "", ""}});
    EXPECT_EQ(table.text(0, texts::Italian), ninetyNine + "à");
    EXPECT_TRUE(table.set(0, texts::Custom, repeat("ü", 150)));
    EXPECT_EQ(table.text(0, texts::Custom), repeat("ü", 100));
    const std::string longLine = repeat("ö", 70);
    TextTable note(texts::kInfoChars, {{longLine.c_str(), "", "", "", "", ""}});
    EXPECT_EQ(note.text(0, texts::Italian), repeat("ö", 65));
}

TEST_F(TextTablesTest, LanguageFileSlotsAreWritableAndReset)
{
    auto& hints = texts::HintTexts;
    EXPECT_TRUE(hints.set(93, texts::Custom, "Pause|"));
    EXPECT_EQ(hints.text(93, texts::Custom), "Pause|");
    // The built-in languages stay as they are, and nothing is written out of range.
    EXPECT_FALSE(hints.set(0, texts::Italian, "x"));
    EXPECT_FALSE(hints.set(0, texts::German, "x"));
    EXPECT_EQ(hints.text(0, texts::Italian), "pausa|");
    EXPECT_FALSE(hints.set(97, texts::Custom, "x"));
    EXPECT_FALSE(hints.set(-1, texts::Custom, "x"));
    EXPECT_FALSE(hints.set(0, 6, "x"));
    // Row 55 of the menus takes the language's name in all six slots; other rows only slot 4.
    auto& menus = texts::MenuTexts;
    const Six names{"Sardo", "Sardinian", "Sarde", "Sardo", "Sardu", "Sardisch"};
    for (int s = 0; s < texts::kSlots; ++s)
        EXPECT_TRUE(menus.set(texts::kLanguageNameRow, s, names[static_cast<std::size_t>(s)]));
    expectRow(menus, 55, names);
    EXPECT_FALSE(menus.set(54, texts::Italian, "x"));
    EXPECT_TRUE(menus.set(14, texts::Custom, "  ??  "));
    // The note's custom slot is never filled: a custom language reads the note from its file.
    EXPECT_FALSE(texts::InfoTexts.set(0, texts::Custom, "x"));
    texts::resetTables();
    EXPECT_EQ(hints.text(93, texts::Custom), "");
    expectRow(menus, 55, {"", "", "", "", "", ""});
    EXPECT_EQ(menus.text(14, texts::Custom), "   ?   ");
}

// No line of the note holds an address; each language's note names the file extension, its own
// menu item for loading a version, and the help key.
TEST_F(TextTablesTest, InformationNoteInvitesLanguageFiles)
{
    const Six loadItem{"Carica un'altra versione", "Load another version", "Charger une autre version",
                       "Carga otra versión", "", "Laden Version"};
    for (int s : {texts::Italian, texts::English, texts::French, texts::Spanish, texts::German}) {
        std::string note;
        int filled = 0;
        for (int r = 0; r < texts::InfoTexts.rows(); ++r) {
            const std::string& line = texts::InfoTexts.text(r, s);
            for (const char* address : {"@", "www", "http"})
                EXPECT_EQ(line.find(address), std::string::npos) << "slot " << s << ", line " << r;
            filled += !line.empty();
            note += line + " ";
        }
        EXPECT_GE(filled, 40) << "slot " << s;
        EXPECT_EQ(note.rfind("ORBICOLA", 0), 0u) << "slot " << s;
        for (const std::string& part : {std::string(".lng"), loadItem[static_cast<std::size_t>(s)], std::string("F1")})
            EXPECT_NE(note.find(part), std::string::npos) << "slot " << s << ": " << part;
    }
}

}  // namespace
