// The program's command line: its two options, --help and --version, and anything else refused.
#include "shell/command_line.h"

namespace orb::cmdline {

Outcome parse(const std::vector<std::string>& args)
{
    for (const std::string& a : args) {
        if (a == "-h" || a == "--help" || a == "-?")
            return {Request::Help, {}};
        if (a == "-v" || a == "--version")
            return {Request::Version, {}};
        return {Request::Error, a};
    }
    return {};
}

std::string helpText()
{
    return "Usage: orbicola [OPTION]\n"
           "Animated lessons in earth sciences and astronomy.\n"
           "\n"
           "  -h, --help     show this help and exit\n"
           "  -v, --version  show the program's version and exit\n"
           "\n"
           "Without an option the program opens its main window. It keeps its settings in\n"
           "Orbicola.cfg in the folder it is started from (from the desktop's menu, the\n"
           "user's home folder). Qt's standard options, such as -style NAME or\n"
           "-platform NAME, are accepted as well.\n";
}

std::string versionText(const std::string& version) { return "orbicola " + version + "\n"; }

std::string errorText(const std::string& argument)
{
    return "orbicola: unknown option '" + argument + "'\n" +
           "Try 'orbicola --help' for the options.\n";
}

}  // namespace orb::cmdline
