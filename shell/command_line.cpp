#include "shell/command_line.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>

#ifndef OHMBENCH_VERSION
#error "the build defines OHMBENCH_VERSION from the project's version"
#endif

namespace ohm {

namespace {

void print(std::FILE* to, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), to);
}

// Options that QApplication itself takes (-platform xcb, -style fusion, ...)
// go through to it untouched; they stay out of the help.
void letToolkitOptionsThrough(QCommandLineParser& parser) {
    const char* withValue[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                               "qwindowgeometry", "qwindowicon", "qwindowtitle", "session",
                               "display", "geometry", "name", "style", "stylesheet",
                               "qmljsdebugger"};
    const char* flags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    for (const char* name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : flags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// The parser names the program only when an application object exists, and
// there is none yet (a widget application would need a display).
QString usage(const QCommandLineParser& parser) {
    const QString text = parser.helpText();
    return QStringLiteral("Usage: ohmbench [options]") + text.mid(text.indexOf(QLatin1Char('\n')));
}

}  // namespace

std::optional<int> handleCommandLine(int argc, char* argv[]) {
    QCommandLineParser parser;
    // Toolkit options are written with one dash, like -platform.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "A calculator for small electronic circuits: resistor colour codes, capacitor\n"
        "charge and discharge, potential dividers, CMOS monostables and astables, and\n"
        "the 555 timer."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    letToolkitOptionsThrough(parser);

    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        const QString error = parser.positionalArguments().isEmpty()
            ? parser.errorText()
            : QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
        print(stderr, QStringLiteral("ohmbench: %1\n\n").arg(error) + usage(parser));
        return 1;
    }
    if (parser.isSet(help)) {
        print(stdout, usage(parser));
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("Ohmbench " OHMBENCH_VERSION "\n"));
        return 0;
    }
    return std::nullopt;
}

}  // namespace ohm
