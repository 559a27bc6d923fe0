#ifndef CABINETLAYOUT_H
#define CABINETLAYOUT_H

#include <QList>

// Display identity codes (orientation ids) of the cabinet models the program knows.
enum UiId_enum {
    UIID_5x4_PRIMARY = 1,
    UIID_5x4_SECOND = 2,
    UIID_2x4_PRIMARY = 9,
    UIID_2x4_MIRROR = 10,
    UIID_2x2_PRIMARY = 17,
    UIID_2x2_MIRROR = 18,
    UIID_FILE_ID = 25, // described by a personality file
    UIID_5x2_PRIMARY = 32,
    UIID_4x2_MIRROR = 34,
};

// Roles of a display in its cabinet.
enum UiRole_enum { UIROLE_SINGLE = 0, UIROLE_PRIMARY = 1, UIROLE_SECOND = 2, UIROLE_MIRROR = 3 };

// The values of a cabinet layout that the application core holds for the run: copied
// from the personality file, or one of the built-in layouts chosen by the connector id.
struct CabinetLayout
{
    // What the program's zone and bin tables hold, and the bins per zone its screens and
    // holding code are made for.
    static constexpr int MaxZones = 20;
    static constexpr int MaxBins = 20;
    static constexpr int MinTraysPerZone = 2;
    static constexpr int MaxTraysPerZone = 4;

    int uiRole = UIROLE_PRIMARY;
    int numberOfZones = 10;
    int zonesPerRow = 1;
    int traysPerZone = 2;
    int numberOfRows = 5;
    int traysPerCabinet = 10; // as the personality gives it; zones x bins per zone built in
    int zones2handle = 5;
    int zones2handleStart = 0;
    bool hasMirrorDisplay = false;
    bool hasSecondaryDisplay = true;
    bool mirrorDisplay = false;
    bool iAmMaster = true;
    bool nfcEnabled = true;
    bool singleColumnUnit = true;
    int singleBinZone = 0;
    int tempHandling = 0;
    int cabinetConfiguration = 6; // TUL_CONF_5X4
    int numIOBoards = 1;
    int controlBoardType = 1; // TUL_IO_BOARD_04_HEATERS, as a personality without the key
    bool hasFan = false;
    bool haccpEnabled = false;
    int startingShelfNumber = 1;
    int shelfNumberingOrder = 0;
    bool productIdDisplayEnable = false;
    bool timerColorEnable = false;
    bool isIndividualDpSelectable = true;
    bool timerDecrementEnable = false;
    bool verticalFlip = false;
    bool orientationPortrait = false;
    bool powerSourceChoice = false;
    int powerSource = 120;
    int maxCurrent = 0;
    int bottomHeaterResistance = 0;
    int topHeaterResistance = 0;
    int bottomTempOffset = 0;
    int topTempOffset = 0;
    int customerId = 0;
    int pressGoDockPosition = 1;
    QList<int> productLocationMap; // bin of the menu files per display tray

    // Brings the values that size or index the zone and bin tables inside them, saying
    // which it changed: a personality file may hold any integer.
    void fitToTables();

    // The built-in layout of a display id; an unknown id gives the default layout (the
    // 5x4 primary display).
    static CabinetLayout builtIn(int uiId);
    static bool isBuiltInId(int uiId);
};

#endif // CABINETLAYOUT_H
