#include "app/command_line.h"

#include <QCommandLineParser>

namespace app {

namespace {

constexpr int kUsageError = 2;

const char* const kHelp =
    "Aufruf: minuskolonne [Optionen]\n"
    "Minuskolonne: schriftliches Subtrahieren üben.\n"
    "\n"
    "Optionen:\n"
    "  -h, --help     zeigt diese Hilfe an\n"
    "  -v, --version  zeigt die Versionsnummer an\n"
    "\n"
    "Die üblichen Optionen von Qt-Programmen (-platform, -style, ...) gelten auch.\n";

// The options QApplication takes for itself; accepted here so that they reach it.
void acceptQtOptions(QCommandLineParser& parser) {
    const char* const withValue[] = {"platform",
                                     "platformpluginpath",
                                     "platformtheme",
                                     "plugin",
                                     "qwindowgeometry",
                                     "qwindowicon",
                                     "qwindowtitle",
                                     "display",
                                     "geometry",
                                     "style",
                                     "stylesheet",
                                     "session",
                                     "name",
                                     "title",
                                     "visual",
                                     "qmljsdebugger",
                                     "dialogs",
                                     "fontengine"};
    const char* const flags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    for (const char* name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : flags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// The option as the user wrote it, with its dashes.
QString asTyped(const QStringList& arguments, const QString& name) {
    for (const QString& argument : arguments) {
        QString bare = argument.section(QLatin1Char('='), 0, 0);
        while (bare.startsWith(QLatin1Char('-'))) bare.remove(0, 1);
        if (argument.startsWith(QLatin1Char('-')) && bare == name)
            return argument.section(QLatin1Char('='), 0, 0);
    }
    return "--" + name;
}

CommandLineAnswer mistake(const QString& what) {
    return {kUsageError, "minuskolonne: " + what.toStdString() + "\nHilfe: minuskolonne --help\n",
            true};
}

}  // namespace

std::optional<CommandLineAnswer> answerCommandLine(const QStringList& arguments,
                                                   const std::string& version) {
    QCommandLineParser parser;
    // Qt's options have one dash and long names (-platform), so no option is a
    // bundle of one-letter ones.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption showVersion(QStringList{"v", "version"});
    parser.addOption(help);
    parser.addOption(showVersion);
    acceptQtOptions(parser);

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            return mistake(QString::fromUtf8("unbekannte Option „%1“")
                               .arg(asTyped(arguments, unknown.first())));
        }
        // A value missing after an option that needs one.
        return mistake(QString::fromUtf8("fehlerhafte Angabe: %1").arg(parser.errorText()));
    }
    if (parser.isSet(help))
        return CommandLineAnswer{0, kHelp, false};
    if (parser.isSet(showVersion))
        return CommandLineAnswer{0, "minuskolonne " + version + "\n", false};
    if (!parser.positionalArguments().isEmpty()) {
        return mistake(QString::fromUtf8("unerwartetes Argument „%1“")
                           .arg(parser.positionalArguments().first()));
    }
    return std::nullopt;
}

}  // namespace app
