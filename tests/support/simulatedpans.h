#ifndef SIMULATEDPANS_H
#define SIMULATEDPANS_H

#include "cabinetmanager.h"
#include "ioboardsimulator.h"
#include "personalitytypes.h"

#include <QtTest>

// Puts a pan with that tag on the reader channel of a bin of the simulated cabinet;
// uid 0 takes the bin's pan away.
inline void placeSimulatedPan(CabinetManager *cm, int bin, quint64 uid)
{
    const NfcPollingInfo *polling = cm->get_nfcPollingInfo();
    for (int a = 0; a < NfcPollingInfo::AddressCount; ++a)
        for (int p = 0; p < NfcPollingInfo::PollOrderCount; ++p)
            for (int s = 0; s < polling->group[a][p].count; ++s)
                if (polling->group[a][p].entries[s].binIndex == bin) {
                    const auto &group = polling->group[a][p];
                    if (uid)
                        QVERIFY(cm->ioSimulator()->placeTag(quint8(group.address), group.entries[s].channel, uid));
                    else
                        QVERIFY(cm->ioSimulator()->removeTag(quint8(group.address), group.entries[s].channel));
                    return;
                }
    QFAIL("bin without a reader channel");
}

#endif // SIMULATEDPANS_H
