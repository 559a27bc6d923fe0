#include "tuloptions.h"
#include "corelog.h"

#include <QDebug>
#include <QRegularExpression>

#include <cstring>

namespace {

const char *const Usage =
    "Usage: tul [options]\n"
    "The touch-screen application of the holding cabinet.\n"
    "\n"
    "Options:\n"
    "  -simulation        simulated IO board, NFC readers and a virtual CAN bus; commands on\n"
    "                     standard input drive them (type help)\n"
    "  -singledisplay     never talk to another display, whatever the personality says\n"
    "  -idConnector N     the connector (orientation) id, instead of the one the display reports;\n"
    "                     chooses the built-in layout when the data root has no personality file\n"
    "  -sx F, -sy F       scale the 800 x 480 window horizontally, vertically (0.1 to 10)\n"
    "  -uiDebug           sets the screens' uiDebug flag\n"
    "  -ignoreTpErrors    temperature probe faults are not recorded as errors\n"
    "  -logmodbus         log every Modbus request and reply\n"
    "  -trace (a,b,...)   log the transitions of the named state machines\n"
    "  -s N               the version number: accepted, no effect\n"
    "  --help, -h         this text\n"
    "\n"
    "Environment:\n"
    "  TUL_ROOT_DIR, TUL_FLASH_DIR, TUL_SYSTEM_DIR  the data root (/root/), the flash drive\n"
    "                     (/media/sda1/) and the system files (/) in other folders\n"
    "  TUL_TOOLS_DIR      a folder of stand-ins for the device programs (same base name)\n"
    "  TUL_TOOLS_LOG      the file the stand-ins record their calls in\n"
    "  TUL_CAN_INTERFACE  in simulation, the virtual CAN bus to join (default can0, which is\n"
    "                     tcp://127.0.0.1:35468/can0)\n"
    "  TUL_EOL_TCP_PORT   the end-of-line test server's port (default 10000, 0: any free one)\n"
    "  TUL_EOL_ANNOUNCE   in simulation, start the end-of-line announcement at once\n"
    "  TUL_SYNC_TIMEOUT_MS, TUL_CAN_SILENCE_TICK_MS, TUL_IDLE_TIMEOUT_MS  shorter display\n"
    "                     synchronisation time-out, CAN-silence tick and idle time-out\n"
    "  TUL_EOL_HANDSHAKE_TIMEOUT_MS  how soon an end-of-line connection must open a test run\n"
    "                     (default 10000)\n"
    "  TUL_IOBOARD_PORT   in simulation, the IO board's line is this device, served by another\n"
    "                     process, instead of the simulated boards inside the program\n"
    "  TUL_NO_SCENE       run without the screen\n"
    "  QV4_JIT_CALL_THRESHOLD  runs of a script function before it is compiled (default 1000)\n"
    "  QT_LOGGING_RULES   one category per folder (tul.holding, tul.iot, ...): tul.holding.debug=true\n"
    "                     adds that area's debug lines; tul.config.debug=true also logs the\n"
    "                     whole cabinet configuration\n"
    "  QT_MESSAGE_PATTERN when set, lines take this form instead of starting with [primary] or\n"
    "                     [second]\n"
    "  QT_QPA_PLATFORM    the screen (vnc:size=800x480:port=N in the simulation): a VNC port that\n"
    "                     is taken stops the program before it starts\n";

bool takeValue(const QStringList &args, int &i, QString &value)
{
    if (i + 1 >= args.size()) {
        qCWarning(lcCore) << "option" << args.at(i) << "needs a value";
        return false;
    }
    value = args.at(++i);
    return true;
}

double scaleFrom(const QString &option, const QString &text, double fallback)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    // A scale outside this range would make the window unusable.
    if (!ok || value < 0.1 || value > 10.0) {
        qCWarning(lcCore) << "option" << option << ": bad scale" << text << ", keeping" << fallback;
        return fallback;
    }
    return value;
}

} // namespace

const char *TulOptions::usage()
{
    return Usage;
}

bool TulOptions::wantsHelp(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-help") || !std::strcmp(argv[i], "-h"))
            return true;
    }
    return false;
}

TulOptions TulOptions::parse(const QStringList &args)
{
    TulOptions o;
    QString value;
    for (int i = 1; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("-simulation")) {
            o.simulation = true;
        } else if (arg == QLatin1String("-singledisplay")) {
            o.singleDisplay = true;
        } else if (arg == QLatin1String("-uiDebug")) {
            o.uiDebug = true;
        } else if (arg == QLatin1String("-ignoreTpErrors")) {
            o.ignoreTpErrors = true;
        } else if (arg == QLatin1String("-logmodbus")) {
            o.logModbus = true;
        } else if (arg == QLatin1String("-idConnector")) {
            if (takeValue(args, i, value)) {
                bool ok = false;
                const int id = value.toInt(&ok);
                if (ok && id >= 0)
                    o.idConnector = id;
                else
                    qCWarning(lcCore) << "option -idConnector: bad number" << value;
            }
        } else if (arg == QLatin1String("-sx")) {
            if (takeValue(args, i, value))
                o.scaleX = scaleFrom(arg, value, o.scaleX);
        } else if (arg == QLatin1String("-sy")) {
            if (takeValue(args, i, value))
                o.scaleY = scaleFrom(arg, value, o.scaleY);
        } else if (arg == QLatin1String("-trace")) {
            if (takeValue(args, i, value)) {
                value.remove(QLatin1Char('(')).remove(QLatin1Char(')'));
                o.trace = value.split(QRegularExpression(QStringLiteral("[,\\s]+")), Qt::SkipEmptyParts);
            }
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-help") || arg == QLatin1String("-h")) {
            o.help = true;
        } else if (arg == QLatin1String("-s")) {
            takeValue(args, i, value); // the version number: accepted, no effect
        } else {
            qCWarning(lcCore) << "unknown option" << arg << "ignored";
        }
    }
    return o;
}
