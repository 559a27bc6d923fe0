#include "simulationconsole.h"

#include "holdingcoordinator.h"
#include "ioboardsimulator.h"
#include "personalitytypes.h"

#include <QSocketNotifier>
#include <QStringList>

#include <cstdio>
#include <unistd.h>

namespace {

constexpr int MaxLine = 256; // a longer line is no command: dropped

const char *const Help =
    "tap <bin> | tag <bin> <uid hex> | untag <bin> | state <bin> | temp <heater> <degrees> | "
    "ambient <degrees> | probe <heater> normal|shorted|open | silent <node> on|off | "
    "zone <zone> | ui tap <object> | ui get <object> <property>";

bool toInt(const QString &text, int *value)
{
    bool ok = false;
    *value = text.toInt(&ok);
    return ok;
}

} // namespace

SimulationConsole::SimulationConsole(HoldingCoordinator *holding, IoBoardSimulator *simulator,
                                     const NfcPollingInfo *polling, QObject *parent)
    : QObject(parent)
    , m_holding(holding)
    , m_simulator(simulator)
    , m_polling(polling)
{
    setObjectName(QStringLiteral("simulationConsole"));
}

void SimulationConsole::listenOnStandardInput()
{
    m_notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SimulationConsole::readStandardInput);
}

void SimulationConsole::readStandardInput()
{
    char buffer[512];
    const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (got <= 0) {
        // End of input (or no terminal): nothing more will come.
        m_notifier->setEnabled(false);
        return;
    }
    m_pending.append(buffer, int(got));
    int end;
    while ((end = m_pending.indexOf('\n')) >= 0) {
        const QByteArray line = m_pending.left(end);
        m_pending.remove(0, end + 1);
        const QString answer = processLine(QString::fromUtf8(line));
        std::printf("sim: %s\n", qPrintable(answer));
        std::fflush(stdout);
    }
    if (m_pending.size() > MaxLine)
        m_pending.clear();
}

bool SimulationConsole::readerChannel(int bin, int *node, int *channel) const
{
    if (!m_polling)
        return false;
    for (int a = 0; a < NfcPollingInfo::AddressCount; ++a) {
        for (int p = 0; p < NfcPollingInfo::PollOrderCount; ++p) {
            const NfcPollGroup &group = m_polling->group[a][p];
            for (int s = 0; s < qBound(0, int(group.count), int(NfcPollGroup::SlotCount)); ++s) {
                if (group.entries[s].binIndex == bin) {
                    *node = group.address;
                    *channel = group.entries[s].channel;
                    return true;
                }
            }
        }
    }
    return false;
}

QString SimulationConsole::placeTag(int bin, quint64 uid, bool place)
{
    int node = 0;
    int channel = 0;
    if (!m_simulator || !readerChannel(bin, &node, &channel))
        return QStringLiteral("error: bin %1 has no reader channel here").arg(bin);
    const bool done = place ? m_simulator->placeTag(quint8(node), channel, uid)
                            : m_simulator->removeTag(quint8(node), channel);
    return done ? QStringLiteral("ok") : QStringLiteral("error: reader %1 channel %2 refused").arg(node).arg(channel);
}

QString SimulationConsole::processLine(const QString &line)
{
    const QStringList words = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return QStringLiteral("error: empty command");
    const QString command = words.first();
    int a = 0;
    int b = 0;
    const bool hasA = words.size() >= 2 && toInt(words.at(1), &a);
    const bool hasB = words.size() >= 3 && toInt(words.at(2), &b);
    const bool inCabinet = hasA && a >= 0 && a < m_holding->binCount();

    if (command == QLatin1String("help"))
        return QString::fromLatin1(Help);
    if (command == QLatin1String("tap") && inCabinet) {
        m_holding->toggleBin(a);
        return QStringLiteral("ok");
    }
    if (command == QLatin1String("state") && inCabinet) {
        const trayInfo record = m_holding->getTrayInfo(a);
        return QStringLiteral("bin %1 state %2 remaining %3 product %4")
            .arg(a).arg(record.trayState).arg(record.remainingTime).arg(record.productId);
    }
    // What Zone Diagnostics shows for the zone (0-based): targets and actuals, lower first.
    if (command == QLatin1String("zone") && hasA && a >= 0 && a < m_holding->get_zoneTemps().size()) {
        const QVariantMap temps = m_holding->get_zoneTemps().at(a).toMap();
        return QStringLiteral("zone %1 target %2 %3 actual %4 %5")
            .arg(a).arg(temps.value(QStringLiteral("targetLower")).toInt())
            .arg(temps.value(QStringLiteral("targetUpper")).toInt())
            .arg(temps.value(QStringLiteral("actualLower")).toInt())
            .arg(temps.value(QStringLiteral("actualUpper")).toInt());
    }
    if (command == QLatin1String("tag") && inCabinet && words.size() == 3) {
        bool ok = false;
        const quint64 uid = words.at(2).toULongLong(&ok, 16);
        return ok && uid != 0 ? placeTag(a, uid, true) : QStringLiteral("error: bad uid");
    }
    if (command == QLatin1String("untag") && inCabinet)
        return placeTag(a, 0, false);
    if (command == QLatin1String("ui") && m_screen)
        return m_screen(words.mid(1));
    if (!m_simulator)
        return QStringLiteral("error: no IO board on this display, or unknown command");
    if (command == QLatin1String("temp") && hasA && hasB && qAbs(b) < 32768)
        return m_simulator->setTemperature(a, qint16(b)) ? QStringLiteral("ok") : QStringLiteral("error: bad heater");
    if (command == QLatin1String("ambient") && hasA && qAbs(a) < 32768) {
        m_simulator->setAmbientTemperature(qint16(a));
        return QStringLiteral("ok");
    }
    if (command == QLatin1String("probe") && hasA && words.size() == 3) {
        const int state = QStringList{QStringLiteral("normal"), QStringLiteral("shorted"), QStringLiteral("open")}
                              .indexOf(words.at(2));
        return state >= 0 && m_simulator->setProbeState(a, state) ? QStringLiteral("ok")
                                                                  : QStringLiteral("error: bad heater or state");
    }
    if (command == QLatin1String("silent") && hasA && a >= 1 && a <= 3 && words.size() == 3
        && (words.at(2) == QLatin1String("on") || words.at(2) == QLatin1String("off"))) {
        m_simulator->setNodeSilent(quint8(a), words.at(2) == QLatin1String("on"));
        return QStringLiteral("ok");
    }
    return QStringLiteral("error: unknown command or bad arguments (try help)");
}
