#ifndef TULOPTIONS_H
#define TULOPTIONS_H

#include <QStringList>

// The program's command line: "-simulation", "-idConnector N", "-singledisplay",
// "-uiDebug", "-sx F", "-sy F", "-ignoreTpErrors", "-trace (name,...)", "-logmodbus",
// "-s N" (accepted, no effect) and "--help". A malformed value is reported and its default kept.
struct TulOptions
{
    bool simulation = false;
    int idConnector = -1; // -1: not given
    bool singleDisplay = false;
    bool uiDebug = false;
    double scaleX = 1.0;
    double scaleY = 1.0;
    bool ignoreTpErrors = false;
    QStringList trace;
    bool logModbus = false;
    bool help = false;

    static TulOptions parse(const QStringList &arguments);
    // What "--help" prints: the options and the environment variables the program reads.
    static const char *usage();
    // True when the command line asks for the usage (read before the application exists).
    static bool wantsHelp(int argc, char *argv[]);
};

#endif // TULOPTIONS_H
