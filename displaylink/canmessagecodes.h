#ifndef CANMESSAGECODES_H
#define CANMESSAGECODES_H

#include <QtGlobal>

// Every message of the display link between the displays of one cabinet.
namespace CanMsg {

// Single messages: the first data byte is the code, the rest its payload (at most 7 bytes
// in one frame; the transport carries longer ones too).
enum SingleCode : quint8 {
    TULMSGSINGLE_ALARM_REQUEST = 7,          // alarm id, play flag
    TULMSGSINGLE_OV_UPDATE_RELOAD = 11,      // reload the menu and day-part files
    TULMSGSINGLE_FW_INFO_REQUEST = 17,       // send the firmware list
    TULMSGSINGLE_RESTATE_HOLD_TEMPS = 36,    // heater targets back to holding
    TULMSGSINGLE_SCREEN_TEST_START = 45,
    TULMSGSINGLE_SCREEN_TEST_STOP = 46,
    TULMSGSINGLE_RFID_TEST_START = 47,
    TULMSGSINGLE_SYSINFO_TEST_START = 48,
    ERROR_INFO = 49,                         // four signed codes
    DELETE_ERROR_INFO = 50,
    TULMSGSINGLE_OV_UPDATE_PRODUCTS = 57,
    TULMSGSINGLE_OV_UPDATE_DAYPARTS = 58,
    ERROR_CLEAR_INFO = 62,                   // four signed codes
    // Codes of our own for what the link implies without numbering.
    TULMSGSINGLE_ROLL_CALL_REQUEST = 100,
    TULMSGSINGLE_ROLL_CALL_REPLY = 101,
    TULMSGSINGLE_RESYNC_REQUEST = 102,       // send me your settings and day part
    TULMSGSINGLE_DAYPART_SET = 103,          // day part index 0..9
    TULMSGSINGLE_DAYPART_REQUEST = 104,
    TULMSGSINGLE_LANGUAGE_SETTINGS = 105,    // language id, used-language mask (16 bits, big endian)
    TULMSGSINGLE_BIN_START_REQUEST = 106,    // bin, seconds (32 bits), pan uid (64 bits), big endian
    TULMSGSINGLE_BIN_STOP_REQUEST = 107,     // bin
    TULMSGSINGLE_PREHEAT_REPORT = 108,       // bin, 1 entered / 0 exited, heat time (16 bits)
    TULMSGSINGLE_TEMPERATURE_ALARM = 109,    // 1 ambient over-temperature, 2 heater over-temperature,
                                             // 0 the ambient alarm acknowledged on the sender
    TULMSGSINGLE_BIN_MISMATCH = 110,         // bin, 1 raised / 0 cleared, 1 universal pan, pan uid (64 bits)
    TULMSGSINGLE_BIN_RESUME_REQUEST = 111,   // bin, product (32 bits), day part, seconds left (32 bits, may be
                                             // negative), pan uid (64 bits), 1 expiry reported; big endian
    TULMSGSINGLE_FAULT_STATE = 112,          // master: 1 Modbus link broken / 0 up, then per heater channel
                                             // (20 bytes) its faults: 1 probe open, 2 probe shorted, 4 heater
                                             // over temperature; the whole state, on every change
};

// Multi-packet messages and file transfers: the multi-packet id.
enum MultiId : quint8 {
    TUL_MULTI_FW_INFO = 7,
    TUL_MULT_FILE_TRANSFER_MENU = 11,        // "menu.json"
    TUL_MULT_FILE_TRASFER_CONFIG = 12,       // "config.txt"
    TUL_MULT_FILE_TRANSFER_DAYPARTS = 13,    // "dayParts.json"
    TUL_MULT_FILE_TRANSFER_UI_ID = 15,       // "ui_id.hcc", the personality
    TUL_MULTI_BIN_TARGETS = 23,              // 20 heater targets (16 bits each, big endian)
    TUL_MULTI_SERIAL_MODEL_INFO = 25,
    TUL_MULTI_UI_FW_INFO = 26,
    TUL_MULTI_STORE_NUMBER_INFO = 27,
    // Ours.
    TUL_MULTI_CONFIG_SETTINGS = 100,         // the display settings record (JSON object)
    TUL_MULTI_CONFIG_CHANGE_REQUEST = 101,   // settings changed on a display that is not the master
    TUL_MULTI_TRAY_INFO = 102,               // one packed trayInfo record of the sender's slot
    TUL_MULTI_BIN_ACTUALS = 103,             // master: 20 actual heater temperatures, then ambient (16 bits each)
};

// A file transfer's payload starts with the sender's path of the file, zero padded.
constexpr int FilePathFieldSize = 64;

// The sender id of a display: 1 for the master display, 2 for the others.
constexpr int frameIdFor(bool iAmMaster) { return iAmMaster ? 1 : 2; }

} // namespace CanMsg

#endif // CANMESSAGECODES_H
