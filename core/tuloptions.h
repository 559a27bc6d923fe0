#ifndef TULOPTIONS_H
#define TULOPTIONS_H

#include <QStringList>

// The program's command line: "-simulation", "-idConnector N", "-singledisplay",
// "-uiDebug", "-sx F", "-sy F", "-ignoreTpErrors", "-trace (name,...)", "-logmodbus",
// and "-s N" (accepted, no effect). A malformed value is reported and its default kept.
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

    static TulOptions parse(const QStringList &arguments);
};

#endif // TULOPTIONS_H
