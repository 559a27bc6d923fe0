#ifndef HOLDINGROOT_H
#define HOLDINGROOT_H

#include "scratchroots.h"

#include <QFile>
#include <QPair>
#include <QTcpServer>

// PERSONALITY_FIXTURES, MENU_FIXTURES and HOLDING_FIXTURES name the fixture folders.
// A holding cabinet's data root: the 5 x 2 primary display with NFC, the holding menu and
// its day parts, on a virtual CAN bus of the test's own. False if a file is missing or
// cannot be written.
inline bool installHoldingRoot(ScratchRoots &scratch)
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    scratch.setVariable("TUL_CAN_INTERFACE", QStringLiteral("tcp://127.0.0.1:%1/can0").arg(probe.serverPort()));
    const QPair<QString, QString> files[] = {
        {QStringLiteral(PERSONALITY_FIXTURES "/5x2_primary_nfc.hcc"), QStringLiteral("5x2_primary_nfc.hcc")},
        {QStringLiteral(MENU_FIXTURES "/menu_holding.json"), QStringLiteral("menu.json")},
        {QStringLiteral(HOLDING_FIXTURES "/dayParts.json"), QStringLiteral("dayParts.json")},
    };
    for (const auto &file : files) {
        QFile fixture(file.first);
        if (!fixture.open(QIODevice::ReadOnly) || !scratch.writeRootFile(file.second, fixture.readAll()))
            return false;
    }
    return true;
}

#endif // HOLDINGROOT_H
