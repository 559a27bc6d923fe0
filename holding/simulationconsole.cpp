#include "simulationconsole.h"

#include "holdingcoordinator.h"
#include "ioboardsimulator.h"
#include "personalitytypes.h"
#include "traybarsc.h"

#include <QMetaEnum>
#include <QSocketNotifier>
#include <QStringList>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace {

constexpr int MaxLine = 256; // a longer line is no command: dropped

// How long a pan placed from the console may take to reach the cabinet's holding: the
// readers are polled about once a second.
constexpr int PanOutcomeMs = 4000;

const char *const Help =
    "Bins count from 0 here, left to right and top to bottom; cloud events count them from 1.\n"
    "Temperatures are whole degrees Fahrenheit. After a start every zone preheats for about a minute.\n"
    "tap <bin>                         tap the bin: starts or stops its timer\n"
    "tag <bin> <uid hex>               a pan on the bin's reader; its product is bits 40-47 of the uid,\n"
    "                                  0 for a universal pan; answers whether the bin took it or refused it\n"
    "untag <bin>                       the pan off the bin's reader\n"
    "state <bin>                       the bin's state, seconds of holding left and product id\n"
    "temp <heater> <degrees>           what the heater's probe reads\n"
    "ambient <degrees>                 the cabinet's ambient temperature\n"
    "probe <heater> normal|shorted|open  the heater's probe fails or recovers\n"
    "silent <node> on|off              IO board (1) or NFC reader (2, 3) stops or resumes answering\n"
    "zone <zone>                       what Zone Diagnostics shows for the zone (from 0): targets and\n"
    "                                  actuals, lower heater first\n"
    "ui names                          the object names shown on the screen\n"
    "ui tap <object>[<n>]              tap a shown item by object name ([n]: the n-th of that name, from 0)\n"
    "ui get <object>[<n>] <property>   read a property of an item of the screen\n"
    "ui shot <file.png>                a picture of the screen as it is now";

QString stateName(int code)
{
    const char *key = QMetaEnum::fromType<TrayBarSc::TrayState_enum>().valueToKey(code);
    return key ? QString::fromLatin1(key).toLower() : QStringLiteral("unknown");
}

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
        m_inputEnded = true;
        return;
    }
    m_pending.append(buffer, int(got));
    answerPending();
}

void SimulationConsole::answerPending()
{
    int end;
    while (!m_awaiting && (end = m_pending.indexOf('\n')) >= 0) {
        const QByteArray line = m_pending.left(end);
        m_pending.remove(0, end + 1);
        const QString answer = processLine(QString::fromUtf8(line));
        if (m_placedBin >= 0 && answer == QLatin1String("ok")) {
            awaitPanOutcome(m_placedBin);
            return;
        }
        print(answer);
    }
    if (m_pending.size() > MaxLine)
        m_pending.clear();
}

void SimulationConsole::print(const QString &answer)
{
    for (const QString &line : answer.split(QLatin1Char('\n')))
        std::printf("sim: %s\n", qPrintable(line));
    std::fflush(stdout);
}

// The answer to a pan waits for the cabinet's verdict; the lines after it wait with it,
// so that answers keep the order of their commands.
void SimulationConsole::awaitPanOutcome(int bin)
{
    m_awaiting = true;
    if (m_notifier && !m_inputEnded)
        m_notifier->setEnabled(false);
    auto *context = new QObject(this);
    const auto finish = [this, context](const QString &answer) {
        context->deleteLater();
        m_awaiting = false;
        print(answer);
        if (m_notifier && !m_inputEnded)
            m_notifier->setEnabled(true);
        answerPending();
    };
    connect(m_holding, &HoldingCoordinator::notifyBinMismatchAlert, context,
            [finish](const QString &, const QString &product, const QString &, int at, const QString &binProduct) {
                finish(QStringLiteral("refused: a pan of %1 does not belong in bin %2 (%3); binMisMatchAlert sent")
                           .arg(product).arg(at).arg(binProduct));
            });
    connect(m_holding, &HoldingCoordinator::event_holdStarted, context,
            [finish](const QString &, const QString &product, const QString &, int at, const QString &) {
                finish(QStringLiteral("ok: bin %1 holds %2").arg(at).arg(product));
            });
    QTimer::singleShot(PanOutcomeMs, context, [finish, bin] {
        finish(QStringLiteral("ok: the pan is on bin %1's reader; the bin neither started nor refused it").arg(bin));
    });
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
    if (done && place)
        m_placedBin = bin;
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
    m_placedBin = -1;

    if (command == QLatin1String("help"))
        return QString::fromLatin1(Help);
    if (command == QLatin1String("tap") && inCabinet) {
        m_holding->toggleBin(a);
        return QStringLiteral("ok");
    }
    if (command == QLatin1String("state") && inCabinet) {
        const trayInfo record = m_holding->getTrayInfo(a);
        return QStringLiteral("bin %1: %2, %3 s left, product %4 (state code %5)")
            .arg(a).arg(stateName(record.trayState)).arg(record.remainingTime).arg(record.productId)
            .arg(record.trayState);
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
    if (QStringList{QStringLiteral("tap"), QStringLiteral("tag"), QStringLiteral("untag"), QStringLiteral("state")}
            .contains(command)
        && hasA)
        return QStringLiteral("error: no bin %1: this cabinet's bins are 0 to %2").arg(a).arg(m_holding->binCount() - 1);
    return QStringLiteral("error: unknown command or bad arguments (try help)");
}
