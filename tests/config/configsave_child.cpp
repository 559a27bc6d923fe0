// Saves the settings file in an endless loop, alternating two sets of values of
// different lengths, for the power-cut test that kills this process at a random moment.
#include "configurationmanager.h"
#include "fakecabinetcore.h"
#include "configsavestates.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    FakeCabinetCore core;
    ConfigurationManager config(nullptr, nullptr, true, 1, &core);
    for (unsigned long i = 0;; ++i) {
        applySaveState(config, int(i % 2));
        if (!config.saveConfigFile())
            return 1;
        if (i == 0) {
            std::printf("ready\n");
            std::fflush(stdout);
        }
    }
}
