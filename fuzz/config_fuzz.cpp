// Feeds arbitrary bytes to the configuration reader and checks that what it reads writes back the same.
#include "shell/config.h"
#include "shell/language.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    const config::Settings initial;
    const auto settings = config::decode(bytes, initial);
    if (!settings) {
        if (size == config::kRecordSize)
            std::abort();  // a record of the right size always gives settings
        return 0;
    }
    if (size != config::kRecordSize || settings->language > 5 ||
        settings->path.size() > config::kPathBytes || !language::isUtf8(settings->path))
        std::abort();
    int defaults = 0;
    for (bool d : settings->defaults)
        defaults += d ? 1 : 0;
    if (defaults > 1)
        std::abort();

    // What was read is written back unchanged, and reads again as the same settings.
    const config::Record record = config::encode(*settings);
    const auto again = config::decode(record, initial);
    if (!again || again->showHints != settings->showHints || again->language != settings->language ||
        again->path != settings->path || again->defaults != settings->defaults)
        std::abort();
    if (config::changed(*settings, again->showHints, again->path, again->defaults))
        std::abort();

    // Cutting the raw bytes as a path never splits a character of valid UTF-8.
    const std::string raw(reinterpret_cast<const char*>(data), size);
    const std::size_t n = data[0];
    const std::string cut = config::cutToBytes(raw, n);
    if (cut.size() > n || raw.compare(0, cut.size(), cut) != 0)
        std::abort();
    if (language::isUtf8(raw) && !language::isUtf8(cut))
        std::abort();
    return 0;
}
