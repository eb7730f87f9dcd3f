// The program's command line: --help and --version answer, anything else is refused, and the
// help names every option that is accepted.
#include <gtest/gtest.h>

#include "shell/command_line.h"

using orb::cmdline::parse;
using orb::cmdline::Request;

TEST(CommandLine, TheFirstArgumentDecides)
{
    EXPECT_EQ(parse({}).request, Request::Run);
    for (const char* a : {"-h", "--help", "-?"})
        EXPECT_EQ(parse({a}).request, Request::Help) << a;
    for (const char* a : {"-v", "--version"})
        EXPECT_EQ(parse({a}).request, Request::Version) << a;
    EXPECT_EQ(parse({"--version", "--bogus"}).request, Request::Version);

    // An unknown option, or a file name, is refused even when a known option follows it.
    const auto bogus = parse({"--verbose", "--help"});
    EXPECT_EQ(bogus.request, Request::Error);
    EXPECT_EQ(bogus.argument, "--verbose");
    EXPECT_EQ(parse({"lesson.lng"}).argument, "lesson.lng");
    EXPECT_EQ(parse({"--Help"}).request, Request::Error);
}

TEST(CommandLine, TheTextsNameTheOptionsAndTheVersion)
{
    const std::string help = orb::cmdline::helpText();
    for (const char* a : {"-h,", "--help", "-v,", "--version"})
        EXPECT_NE(help.find(a), std::string::npos) << a;
    EXPECT_EQ(orb::cmdline::versionText("2.3.4"), "orbicola 2.3.4\n");
    const std::string error = orb::cmdline::errorText("--bogus");
    EXPECT_NE(error.find("'--bogus'"), std::string::npos);
    EXPECT_NE(error.find("--help"), std::string::npos);
}
