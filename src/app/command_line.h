#pragma once
// The program's command line, answered before any window or display is needed:
// --help and --version print and end the program, as does a mistake, which is
// named in German with exit code 2. Qt's own options (-platform, -style, ...)
// pass through to the application object.

#include <QStringList>
#include <optional>
#include <string>

namespace app {

struct CommandLineAnswer {
    int exitCode = 0;
    std::string text;      // ends in a line break
    bool isError = false;  // goes to standard error instead of standard output
};

// Nothing when the trainer should start; the first argument is the program.
std::optional<CommandLineAnswer> answerCommandLine(const QStringList& arguments,
                                                   const std::string& version);

}  // namespace app
