// Feeds arbitrary bytes to the language-file reader and checks what it accepts and copies.
#include "shell/language.h"
#include "shell/texts.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Every line that the reader hands on is UTF-8 of at most 100 characters.
void checkLines(const std::vector<std::string>& lines)
{
    for (const auto& line : lines)
        if (!language::isUtf8(line) || texts::countChars(line) > texts::kTextChars)
            std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    checkLines(language::splitLines(bytes));

    std::vector<std::string> lines;
    if (language::parse(bytes, lines) == language::Result::Valid) {
        if (lines.size() != static_cast<std::size_t>(language::kFileLines) ||
            lines[static_cast<std::size_t>(language::kMenuMarkerLine)] != "menu")
            std::abort();
        checkLines(lines);
        language::copyIntoTables(lines);
        if (texts::HintTexts.text(93, texts::Custom) != lines[279])
            std::abort();
    } else if (!lines.empty()) {
        std::abort();  // a rejected file leaves the lines alone
    }

    // The same bytes taken as a path.
    (void)language::hasLanguageExtension(bytes);
    (void)language::fileNamePart(bytes);
    return 0;
}
