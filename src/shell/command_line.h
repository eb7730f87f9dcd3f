// The program's command line: its two options, --help and --version, and anything else refused.
#pragma once

#include <string>
#include <vector>

namespace orb::cmdline {

enum class Request { Run, Help, Version, Error };

struct Outcome {
    Request request = Request::Run;
    std::string argument;  // the argument refused (Error only)
};

// Reads the arguments after the program's name, in order: the first that is an option of ours
// decides, and the first that is not refuses the line. Qt's own options must be taken out first
// (QApplication does so); before that, only a Help or Version outcome may be acted on.
Outcome parse(const std::vector<std::string>& args);

// What --help prints.
std::string helpText();
// What --version prints: the program's name and its version.
std::string versionText(const std::string& version);
// What an argument that is not an option of ours gets, on the error stream.
std::string errorText(const std::string& argument);

}  // namespace orb::cmdline
