// The holding messages of the display link on arbitrary frames. Input: one byte, 0 for a
// single message or the multi-packet id, then the message. Whatever arrives, what is
// handed on names a bin of the cabinet and carries whole temperature lists.
#include "fuzzsupport.h"
#include "holdinglink.h"

#include <cstdlib>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

void checkBin(int bin) { check(bin >= 0 && bin < 20); }

HoldingLink &link()
{
    static HoldingLink *instance = [] {
        auto *l = new HoldingLink(nullptr, 1);
        QObject::connect(l, &HoldingLink::binStartRequested, [](int bin, int, quint64) { checkBin(bin); });
        QObject::connect(l, &HoldingLink::binStopRequested, checkBin);
        QObject::connect(l, &HoldingLink::binResumeRequested, [](int bin, int, int dayPart, int, quint64, bool) {
            checkBin(bin);
            check(dayPart >= 0 && dayPart < 10);
        });
        QObject::connect(l, &HoldingLink::preheatReported, [](int bin, bool, int heat) { checkBin(bin); check(heat >= 0 && heat <= 0xFFFF); });
        QObject::connect(l, &HoldingLink::mismatchReceived, [](int bin, bool, bool, quint64) { checkBin(bin); });
        QObject::connect(l, &HoldingLink::trayInfoReceived, [](const trayInfo &info) { checkBin(info.binNumber); });
        QObject::connect(l, &HoldingLink::heaterTargetsReceived, [](const QVector<int> &t) { check(t.size() == HoldingLink::HeaterChannels); });
        QObject::connect(l, &HoldingLink::actualsReceived, [](const QVector<int> &t, int) { check(t.size() == HoldingLink::HeaterChannels); });
        QObject::connect(l, &HoldingLink::temperatureAlarmReceived, [](int kind) { check(kind >= 0 && kind <= 2); });
        QObject::connect(l, &HoldingLink::faultStateReceived, [](bool, const QVector<quint8> &faults) {
            check(faults.size() == HoldingLink::HeaterChannels);
            for (quint8 f : faults)
                check((f & ~HoldingLink::ChannelFaultBits) == 0);
        });
        return l;
    }();
    return *instance;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1 || size > 4096)
        return 0;
    tulFuzzEnsureApplication();
    const QByteArray message(reinterpret_cast<const char *>(data + 1), int(size - 1));
    if (data[0] == 0)
        link().processSingle(message);
    else
        link().processMulti(data[0], message);
    return 0;
}
