// Tests of the configuration record: its byte layout, bad bytes, the saved path and safe writing.
#include "shell/config.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#if __has_include(<unistd.h>)
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;
using config::Record;
using config::Settings;

std::string repeat(const std::string& piece, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

std::vector<char> fileBytes(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& p, const std::vector<char>& bytes)
{
    std::ofstream out(p, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

class ConfigFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    fs::path folder() const { return fs::path(dir.path().toStdString()); }
    std::string cfg() const { return (folder() / config::kFileName).string(); }
};

TEST(ConfigRecord, LayoutOfEveryField)
{
    Settings s;
    s.showHints = true;
    s.language = 3;
    s.path = "/x/fr.lng";
    s.defaults = {false, false, true, false, false, false};
    const Record r = config::encode(s);
    EXPECT_EQ(r[0], 1);
    EXPECT_EQ(r[1], 3);
    EXPECT_EQ(r[2], 9);
    EXPECT_EQ(std::string(r.begin() + 3, r.begin() + 12), "/x/fr.lng");
    for (std::size_t i = 12; i < 203; ++i)
        ASSERT_EQ(r[i], 0) << "byte " << i;
    const std::array<std::uint8_t, 6> flags{0, 0, 1, 0, 0, 0};
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(r[203 + i], flags[i]) << "flag " << i;

    for (std::size_t size : {208u, 210u})   // a record of the wrong size gives nothing
        EXPECT_FALSE(config::decode(std::vector<std::uint8_t>(size, 0), Settings{})) << size;
    const auto back = config::decode(r, Settings{});
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->showHints);
    EXPECT_EQ(back->language, 3);
    EXPECT_EQ(back->path, "/x/fr.lng");
    EXPECT_EQ(back->defaults, s.defaults);
}

TEST(ConfigRecord, BadBytesAreIgnoredOneByOne)
{
    Settings initial;
    initial.showHints = true;
    initial.language = 2;
    initial.path = "keep.lng";
    initial.defaults = {false, true, false, false, false, false};

    Record r{};
    r[0] = 7;      // not a flag: hints stay on
    r[1] = 6;      // no such slot: language stays 2
    r[2] = 201;    // too long: the path stays
    r[3] = 'z';
    r[203] = 2;    // ignored: slot 0 stays false
    r[204] = 0;    // valid: slot 1 becomes false
    r[205] = 255;  // ignored: slot 2 stays false
    r[206] = 1;    // valid: slot 3 becomes true
    const auto s = config::decode(r, initial);
    ASSERT_TRUE(s);
    EXPECT_TRUE(s->showHints && s->language == 2 && s->path == "keep.lng");
    EXPECT_EQ(s->defaults, (std::array<bool, 6>{false, false, false, true, false, false}));

    // The same record with good bytes where the bad ones were: each field is taken.
    r[0] = 0;
    r[1] = 5;
    r[2] = 1;
    const auto t = config::decode(r, initial);
    ASSERT_TRUE(t);
    EXPECT_TRUE(!t->showHints && t->language == 5 && t->path == "z");
}

TEST(ConfigRecord, PathBytes)
{
    Record r{};
    const std::string stored = "ab.lngGARBAGE";
    std::copy(stored.begin(), stored.end(), r.begin() + 3);
    r[2] = 6;  // bytes past the length do not count
    EXPECT_EQ(config::decode(r, Settings{})->path, "ab.lng");

    r[5] = 0;  // a NUL ends the path
    EXPECT_EQ(config::decode(r, Settings{})->path, "ab");

    // A path written in the Windows code page is read as such.
    const std::string cp1252 = "caf\xE9.lng";
    std::copy(cp1252.begin(), cp1252.end(), r.begin() + 3);
    r[2] = static_cast<std::uint8_t>(cp1252.size());
    EXPECT_EQ(config::decode(r, Settings{})->path, "caf\xC3\xA9.lng");
}

TEST(ConfigRecord, SeveralDefaultsKeepTheOneTheStartUpApplies)
{
    Record r{};
    r[203 + 2] = 1;  // French
    r[203 + 3] = 1;  // Spanish, tested after French
    EXPECT_EQ(config::decode(r, Settings{})->defaults,
              (std::array<bool, 6>{false, false, false, true, false, false}));
    Record g{};
    g[203 + 4] = 1;  // custom, tested after German
    g[203 + 5] = 1;
    g[203 + 0] = 1;
    EXPECT_EQ(config::decode(g, Settings{})->defaults,
              (std::array<bool, 6>{false, false, false, false, true, false}));
}

TEST(ConfigRecord, CutToBytesKeepsWholeCharacters)
{
    EXPECT_EQ(config::cutToBytes("abc", 5), "abc");
    EXPECT_EQ(config::cutToBytes("a\xE2\x82\xAC", 3), "a");      // € is 3 bytes
    EXPECT_EQ(config::cutToBytes("\xF0\x9F\x8C\x8D!", 4), "\xF0\x9F\x8C\x8D");
}

TEST_F(ConfigFileTest, FirstRunReadsNothingAndTogglingHintsWritesTheLanguage)
{
    ASSERT_TRUE(dir.isValid());
    EXPECT_FALSE(config::readFile(cfg(), Settings{}));
    Settings mem;  // the initial values: nothing changed, whatever the language
    mem.language = 4;
    EXPECT_FALSE(config::changed(mem, false, "", {}));
    EXPECT_TRUE(config::changed(mem, false, "a.lng", {}));
    EXPECT_TRUE(config::changed(mem, false, "", {false, false, false, false, false, true}));

    // Hints switched on while Spanish is in use.
    ASSERT_TRUE(config::changed(mem, true, "", {}));
    Settings atClose;
    atClose.showHints = true;
    atClose.language = 3;
    ASSERT_TRUE(config::writeFile(cfg(), atClose));
    const auto bytes = fileBytes(cfg());
    ASSERT_EQ(bytes.size(), 209u);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[1], 3);
    EXPECT_FALSE(fs::exists(cfg() + ".tmp"));

    const auto read = config::readFile(cfg(), Settings{});
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->showHints);
    EXPECT_EQ(read->language, 3);
}

TEST_F(ConfigFileTest, WrongSizeOrUnreadableFileIsAsIfMissing)
{
    for (std::size_t size : {0u, 208u, 210u, 418u}) {
        writeBytes(cfg(), std::vector<char>(size, 0));
        EXPECT_FALSE(config::readFile(cfg(), Settings{})) << size;
    }
    writeBytes(cfg(), std::vector<char>(209, 0));
    EXPECT_TRUE(config::readFile(cfg(), Settings{}));
    fs::remove(cfg());
    fs::create_directory(cfg());
    EXPECT_FALSE(config::readFile(cfg(), Settings{}));
}

TEST_F(ConfigFileTest, LongPathIsCutAndRewrittenAtEveryClose)
{
    // 300 characters, 595 bytes.
    const std::string full = "/tmp/" + repeat("\xC3\xA9", 295);
    Settings atClose;
    atClose.path = full;
    const Record r = config::encode(atClose);
    EXPECT_EQ(r[2], 199);  // 5 + 97 * 2: one more é would pass 200 bytes
    EXPECT_EQ(r[3 + 199], 0);

    ASSERT_TRUE(config::writeFile(cfg(), atClose));
    for (int close = 0; close < 2; ++close) {
        const auto mem = config::readFile(cfg(), Settings{});
        ASSERT_TRUE(mem);
        EXPECT_EQ(mem->path, "/tmp/" + repeat("\xC3\xA9", 97));
        // The stored path never equals the full one, so every close writes again.
        EXPECT_TRUE(config::changed(*mem, false, full, {}));
        ASSERT_TRUE(config::writeFile(cfg(), atClose));
    }
}

TEST_F(ConfigFileTest, ReplacesALongerFileWhole)
{
    writeBytes(cfg(), std::vector<char>(500, 'x'));
    ASSERT_TRUE(config::writeFile(cfg(), Settings{}));
    EXPECT_EQ(fileBytes(cfg()), std::vector<char>(209, 0));
}

TEST_F(ConfigFileTest, FailedWriteLeavesTheOldFile)
{
    Settings old;
    old.language = 2;
    ASSERT_TRUE(config::writeFile(cfg(), old));
    const auto before = fileBytes(cfg());
    Settings next;
    next.showHints = true;

    // The temporary file cannot be created.
    fs::create_directory(cfg() + ".tmp");
    EXPECT_FALSE(config::writeFile(cfg(), next));
    EXPECT_EQ(fileBytes(cfg()), before);
    fs::remove(cfg() + ".tmp");

    // The file cannot be replaced (a folder stands in its place).
    const std::string folderCfg = (folder() / "sub").string();
    fs::create_directory(folderCfg);
    fs::create_directory(folderCfg + "/keep");
    EXPECT_FALSE(config::writeFile(folderCfg, next));
    EXPECT_TRUE(fs::is_directory(folderCfg + "/keep"));
    EXPECT_FALSE(fs::exists(folderCfg + ".tmp"));

    // A folder that does not exist.
    EXPECT_FALSE(config::writeFile((folder() / "none" / "Orbicola.cfg").string(), next));
}

TEST_F(ConfigFileTest, ReadOnlyFolder)
{
    Settings old;
    old.language = 2;
    ASSERT_TRUE(config::writeFile(cfg(), old));
    const auto before = fileBytes(cfg());
    fs::permissions(folder(), fs::perms::owner_read | fs::perms::owner_exec);
#if __has_include(<unistd.h>)
    const bool privileged = ::access(folder().c_str(), W_OK) == 0;
#else
    const bool privileged = false;
#endif
    bool wrote = false;
    if (!privileged) {
        Settings next;
        next.showHints = true;
        wrote = config::writeFile(cfg(), next);
    }
    fs::permissions(folder(), fs::perms::owner_all);
    if (privileged)
        GTEST_SKIP() << "permissions do not bind this user";
    EXPECT_FALSE(wrote);
    EXPECT_EQ(fileBytes(cfg()), before);
}

}  // namespace
