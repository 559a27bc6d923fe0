#ifndef TULGENERALDEFS_H
#define TULGENERALDEFS_H

#include <QObject>

// Enumerations shared by the managers and the QML screens, which read them as members
// of "TulDefines" from the module "TulDefs" 1.0.
class TulDefs : public QObject
{
    Q_OBJECT

public:
    explicit TulDefs(QObject *parent = nullptr) : QObject(parent) {}

    enum TUL_ZONE_TEMP_HANDLING_tag {
        TUL_ZONE_TEMP_HANDLING_AVERAGED = 0,
        TUL_ZONE_TEMP_HANDLING_INDIVIDUAL = 1,
    };
    Q_ENUM(TUL_ZONE_TEMP_HANDLING_tag)

    enum TUL_ZONE_TEMP_LAYOUT_tag {
        TUL_ZONE_TEMP_LAYOUT_FRONT_BACK = 0,
        TUL_ZONE_TEMP_LAYOUT_LEFT_RIGHT = 1,
        TUL_ZONE_TEMP_LAYOUT_TOP_BOTTOM = 2,
    };
    Q_ENUM(TUL_ZONE_TEMP_LAYOUT_tag)

    enum OV_IMPORT_SOURCE_tag {
        OV_IMPORT_SOURCE_USB = 0,
        OV_IMPORT_SOURCE_LOCAL = 1,
    };
    Q_ENUM(OV_IMPORT_SOURCE_tag)

    enum TUL_IO_BOARD_TYPE_tag {
        TUL_IO_BOARD_12_HEATERS = 0,
        TUL_IO_BOARD_04_HEATERS = 1,
    };
    Q_ENUM(TUL_IO_BOARD_TYPE_tag)

    // Bounds of the screen-cleaning timer in minutes; the QML screens use these names.
    enum TUL_SCREEN_CLEAING_tag {
        TUL_MIN_TIMER_SCREEN_CLEAING = 5,
        TUL_MAX_TIMER_SCREEN_CLEAING = 1440,
    };
    Q_ENUM(TUL_SCREEN_CLEAING_tag)

    // Customer ids switch customer-specific defaults, limits and screens.
    enum CUSTOMER_ID_tag {
        VARUDAZE_RU_RA = 0,
        CUSTOMER_ID_Vyx = 1,
        CUSTOMER_ID_TANDOR = 2,
        CUSTOMER_ID_QRB = 3,
        CUSTOMER_ID_X = 4,
        CUSTOMER_ID_HALVO = 5,
    };
    Q_ENUM(CUSTOMER_ID_tag)

    // Registers "TulDefines" in "TulDefs" 1.0; the type holds only enumerations, so
    // QML may read them but not create one.
    static void registerQmlType();
};

#endif // TULGENERALDEFS_H
