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
    void TearDown() override
    {
        texts::resetTables();
        globals::reset();
    }
};

void expectRow(const TextTable& table, int row, const Six& expected)
{
    for (int s = 0; s < texts::kSlots; ++s)
        EXPECT_EQ(table.text(row, s), expected[static_cast<std::size_t>(s)])
            << "row " << row << ", slot " << s;
}

std::string repeat(const std::string& piece, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

TEST_F(TextTablesTest, RowCounts)
{
    EXPECT_EQ(texts::HintTexts.rows(), 94);
    EXPECT_EQ(texts::CaptionTexts.rows(), 40);
    EXPECT_EQ(texts::MenuTexts.rows(), 56);
    EXPECT_EQ(texts::InfoTexts.rows(), 83);
    EXPECT_EQ(texts::HintTexts.maxChars(), 100u);
    EXPECT_EQ(texts::InfoTexts.maxChars(), 65u);
}

TEST_F(TextTablesTest, HintRowsInEveryLanguage)
{
    const auto& h = texts::HintTexts;
    expectRow(h, 0, {"pausa|", "pause|", "pause|", "pausa|", "", "Pause!"});
    expectRow(h, 1, {"velocità di esecuzione|", "execution speed|", "vitesse d'exécution|",
                     "velocidad de ejecución|", "", "  Geschwindigkeit"});
    expectRow(h, 7, {"pulisce lo schermo", "clean screen", "nettoyer l'écran",
                     "limpia la pantalla", "", ""});
    expectRow(h, 8, {"evidenzia l'effetto delle onde", "enhance the effect of the waves",
                     "mettre en évidence l'effet des ondes", "evidencia el efecto de las ondas", "",
                     ""});
    expectRow(h, 14, {"antiorario", "anticlockwise",
                      "mouvement en sens inverse des aguilles d'une montre", "antihorario", "",
                      "Bewegung im entgegen dem Uhrzeigersinn"});
    expectRow(h, 29, {"sezione (al suolo)", "section (on the ground)", "section (sur le sol)",
                      "sección (al nivel del suelo)", "", "Darstellung    "});
    expectRow(h, 49, {"rapporto tra le masse|", "ratio between the mass|",
                      "rapport entre les masses|", "raporto entre la masas", "", ""});
    expectRow(h, 61, {"mostra/nasconde i fronti d'onda", "Show/hide wave fronts",
                      "montrer/cacher les fronts d'onde", " los frentes de onda", "", ""});
    expectRow(h, 73, {"Il programma non può caricare l'archivio:", "The program cannot load the file:",
                      "Le programme ne peut pas charger le fichier:",
                      "El programa no consigue cargar el fichero:", "", "Das program              "});
    expectRow(h, 77, {"EQUINOZIO D'AUTUNNO", "AUTUMNAL EQUINOX", "EQUINOX D'AUTOMNE",
                      "EQUINOCCIO DE OTOÑO", "", "HERBSTPUNKT"});
    expectRow(h, 78, {"  Equatore", "  Equator", "  Equateur", "  Ecuador", "", "Äquator"});
    expectRow(h, 80, {"  Circolo polare artico", "  Arctic polar circle", "  Cercle polaire arctique",
                      "  Circulo polar artico", "", "  Nördliche Polarkreis"});
    expectRow(h, 83, {"  Gennargentu", "", "", "", "", ""});
    expectRow(h, 85, {"novilunio", "new moon", "nouvelle lune", "novilunio ", "", "Neumond"});
    expectRow(h, 89, {"DI QUADRATURA", "NEAP TIDES", " DE QUADRATURE", "DE CUADRATURA", "",
                      "NIPPTIDE"});
    expectRow(h, 93, {"risultante", "resultant", "résultante", "resultante", "", ""});
}

TEST_F(TextTablesTest, CaptionRowsInEveryLanguage)
{
    const auto& c = texts::CaptionTexts;
    expectRow(c, 0, {"Orbicola", "Orbicola", "Orbicola", "Orbicola", "", "Orbicola"});
    expectRow(c, 4, {"Onde di Rayleigh", "Raileigh'waves", "Ondes de Rayleigh", "Ondas de Rayleigh",
                     "", "Rayleigh-Wellen"});
    expectRow(c, 12, {"  o premi il tasto", "  or press the key", "  ou appuyer sur la touche",
                      "  o pulse la tecla", "", "oder Taste drücken  ?"});
    expectRow(c, 24, {"Sistema di due corpi", "System of two bodies", "Système de deux corps",
                      "Sistema de dos cuerpos", "", "Zweitkörpersystem"});
    expectRow(c, 28,
              {"Moto di una carica in campo magnetico non uniforme (bottiglia magnetica)",
               "Motion of a point charge in non-uniform magnetic field (magnetic bottle)",
               "Mouvement d'une charge dans un champ magnétique non-homogène (bouteille "
               "magnétique)",
               "Movimiento de una carga en un campo magnético no uniforme (botella magnética)", "",
               "Bewegung eine Ladung in ein Magnetfeld noch homeogene (magnetische Flasche"});
    expectRow(c, 32, {"O R B I C O L A", "O R B I C O L A", "O R B I C O L A", "O R B I C O L A", "",
                      "O R B I C O L A"});
    expectRow(c, 33, {"Scienze della Terra", "Earth and space sciences",
                      "Sciences de la Terre et de l'espace", "Ciencias de la Tierra y astronomia", "",
                      "Geowissenschaft und Astronomie"});
    expectRow(c, 39, {"        (Invio)", "         (Enter)", "         (Entrée)", "         (Enter)",
                      "", "        (Enter)"});
}

TEST_F(TextTablesTest, TranslationCreditsNameNoOneInItalian)
{
    EXPECT_EQ(texts::CaptionTexts.text(38, texts::Italian), "");
    EXPECT_EQ(texts::CaptionTexts.text(38, texts::Custom), "");
    for (int s : {texts::English, texts::French, texts::Spanish, texts::German})
        EXPECT_FALSE(texts::CaptionTexts.text(38, s).empty()) << "slot " << s;
}

TEST_F(TextTablesTest, MenuRowsInEveryLanguage)
{
    const auto& m = texts::MenuTexts;
    expectRow(m, 0, {"&Archivio", "&File", "&Fichier", "&Fichero", "", "&Datei"});
    expectRow(m, 5, {"&I&taliano", "I&talian", "&Italien", "I&taliano", "", "&Italienisch"});
    expectRow(m, 8, {"&Carica un'altra versione", "&Load another version",
                     "&Charger une autre version", "&Carga otra versión", "",
                     "Laden          &Version"});
    expectRow(m, 14, {"   ?   ", "   ?   ", "   ?   ", "   ?   ", "   ?   ", "   ?   "});
    expectRow(m, 16, {"&Informazioni", "&About", "&A propos", "&Informaciones", "", "&Über"});
    expectRow(m, 21, {"Onde di &Rayleigh", "&Rayleigh's waves", "Ondes of the Hearth",
                      "Ondas de &Rayleigh", "", "&Rayleigh-Wellen"});
    expectRow(m, 29, {"&Variazione del peso", "&Variation of the weight", "&Variation du poids",
                      "&Variación del peso", "", "&Gewightänderung"});
    expectRow(m, 49, {"&Bottiglia magnetica", " &Magnetic bottle", "&Bouteille magnétique",
                      "&Botella magnética", "", "&Magnetische Flasche"});
    expectRow(m, 53, {"&Confronto tra onde ", "&Comparison between waves", "&Comparaison entre ondes",
                      "Comparación de las ondas", "", " &Wellen"});
    expectRow(m, 54, {"Lingua &predefinita", "&Default language", "Langue de &défaut",
                      "&Idioma predefinido", "", "&Voreinstellung Sprache "});
    expectRow(m, 55, {"", "", "", "", "", ""});
}

TEST_F(TextTablesTest, CustomSlotEmptyExceptQuestionMarkMenu)
{
    for (const TextTable* table :
         {&texts::HintTexts, &texts::CaptionTexts, &texts::MenuTexts, &texts::InfoTexts})
        for (int r = 0; r < table->rows(); ++r) {
            if (table == &texts::MenuTexts && r == 14)
                continue;
            EXPECT_EQ(table->text(r, texts::Custom), "") << "row " << r;
        }
}

TEST_F(TextTablesTest, OutOfRangeLookupsAreEmpty)
{
    EXPECT_EQ(texts::HintTexts.text(-1, texts::Italian), "");
    EXPECT_EQ(texts::HintTexts.text(94, texts::Italian), "");
    EXPECT_EQ(texts::HintTexts.text(0, -1), "");
    EXPECT_EQ(texts::HintTexts.text(0, 6), "");
}

TEST_F(TextTablesTest, LookupFollowsLanguageIndex)
{
    EXPECT_EQ(texts::CaptionTexts[16], "Tides");  // the program starts in English
    const Six tides{"Maree", "Tides", "Marées", "Mareas", "", "Gezeiten"};
    for (int s = 0; s < texts::kSlots; ++s) {
        globals::LanguageIndex = static_cast<std::uint8_t>(s);
        EXPECT_EQ(texts::CaptionTexts[16], tides[static_cast<std::size_t>(s)]) << "slot " << s;
    }
    // No fallback: German hints 7 and 8 are empty, and the unloaded custom slot shows nothing
    // but the "?" menu.
    globals::LanguageIndex = texts::German;
    EXPECT_EQ(texts::HintTexts[7], "");
    EXPECT_EQ(texts::HintTexts[8], "");
    EXPECT_EQ(texts::HintTexts[0], "Pause!");
    globals::LanguageIndex = texts::Custom;
    EXPECT_EQ(texts::CaptionTexts[0], "");
    EXPECT_EQ(texts::MenuTexts[14], "   ?   ");
    globals::LanguageIndex = 6;
    EXPECT_EQ(texts::MenuTexts[14], "");
}

TEST(TextHelpers, AHintSplitsAtItsFirstBar)
{
    EXPECT_EQ(texts::shortHint("pausa|"), "pausa");
    EXPECT_EQ(texts::shortHint("clean screen"), "clean screen");
    EXPECT_EQ(texts::shortHint("a|b|c"), "a");
    EXPECT_EQ(texts::shortHint("|long"), "");
    EXPECT_EQ(texts::shortHint(""), "");
    EXPECT_EQ(texts::shortHint("velocità di esecuzione|"), "velocità di esecuzione");
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
    EXPECT_EQ(texts::cutToChars(repeat("a", 99) + "àé", 100), repeat("a", 99) + "à");
    EXPECT_EQ(texts::cutToChars("x" + euro + clef + "y", 3), "x" + euro + clef);
    EXPECT_EQ(texts::cutToChars("Äquator", 1), "Ä");
    EXPECT_EQ(texts::cutToChars("short", 100), "short");
    EXPECT_EQ(texts::cutToChars("abc", 0), "");
    EXPECT_EQ(texts::countChars(repeat(e, 7) + euro + clef), 9u);
    EXPECT_EQ(texts::countChars(""), 0u);
}

TEST(TextHelpers, MalformedBytesCountAsOneCharacterEach)
{
    // A Windows-1252 "è" (0xE8) and a stray continuation byte are single characters.
    const std::string ansi = "caf\xE8\x80z";
    EXPECT_EQ(texts::countChars(ansi), 6u);
    EXPECT_EQ(texts::cutToChars(ansi, 4), "caf\xE8");
    // A lead byte whose sequence the string cuts short.
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
    EXPECT_EQ(texts::countChars(note.text(0, texts::Italian)), 65u);
}

TEST_F(TextTablesTest, LanguageFileSlotsAreWritableAndReset)
{
    auto& hints = texts::HintTexts;
    EXPECT_TRUE(hints.set(0, texts::Custom, "Pause|"));
    EXPECT_EQ(hints.text(0, texts::Custom), "Pause|");
    EXPECT_TRUE(hints.set(93, texts::Custom, repeat("é", 101)));
    EXPECT_EQ(hints.text(93, texts::Custom), repeat("é", 100));
    // The built-in languages stay as they are.
    EXPECT_FALSE(hints.set(0, texts::Italian, "x"));
    EXPECT_FALSE(hints.set(0, texts::German, "x"));
    EXPECT_EQ(hints.text(0, texts::Italian), "pausa|");
    EXPECT_FALSE(hints.set(94, texts::Custom, "x"));
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
    EXPECT_TRUE(texts::CaptionTexts.set(38, texts::Custom, "Tradusidu de ..."));

    // The note's custom slot is never filled: a custom language reads the note from its file.
    EXPECT_FALSE(texts::InfoTexts.set(0, texts::Custom, "x"));
    EXPECT_FALSE(texts::InfoTexts.set(0, texts::English, "x"));

    texts::resetTables();
    EXPECT_EQ(hints.text(0, texts::Custom), "");
    EXPECT_EQ(hints.text(93, texts::Custom), "");
    expectRow(menus, 55, {"", "", "", "", "", ""});
    EXPECT_EQ(menus.text(14, texts::Custom), "   ?   ");
    EXPECT_EQ(texts::CaptionTexts.text(38, texts::Custom), "");
}

TEST_F(TextTablesTest, InformationNoteFitsItsLines)
{
    for (int s : {texts::Italian, texts::English, texts::French, texts::Spanish, texts::German}) {
        int filled = 0;
        for (int r = 0; r < texts::InfoTexts.rows(); ++r) {
            const std::string& line = texts::InfoTexts.text(r, s);
            EXPECT_LE(texts::countChars(line), texts::kInfoChars) << "slot " << s << ", line " << r;
            // No e-mail or web addresses in the note.
            EXPECT_EQ(line.find('@'), std::string::npos) << "slot " << s << ", line " << r;
            EXPECT_EQ(line.find("www"), std::string::npos) << "slot " << s << ", line " << r;
            EXPECT_EQ(line.find("http"), std::string::npos) << "slot " << s << ", line " << r;
            if (!line.empty())
                ++filled;
        }
        EXPECT_GE(filled, 40) << "slot " << s;
        EXPECT_EQ(texts::InfoTexts.text(0, s).rfind("ORBICOLA", 0), 0u) << "slot " << s;
    }
}

TEST_F(TextTablesTest, InformationNoteInvitesLanguageFiles)
{
    // Each language names the file extension and its own menu item for loading a version.
    const Six loadItem{"Carica un'altra versione", "Load another version", "Charger une autre version",
                       "Carga otra versión", "", "Laden Version"};
    for (int s : {texts::Italian, texts::English, texts::French, texts::Spanish, texts::German}) {
        std::string note;
        for (int r = 0; r < texts::InfoTexts.rows(); ++r)
            note += texts::InfoTexts.text(r, s) + " ";
        EXPECT_NE(note.find(".lng"), std::string::npos) << "slot " << s;
        EXPECT_NE(note.find(loadItem[static_cast<std::size_t>(s)]), std::string::npos)
            << "slot " << s;
        EXPECT_NE(note.find("F1"), std::string::npos) << "slot " << s;
    }
}

}  // namespace
