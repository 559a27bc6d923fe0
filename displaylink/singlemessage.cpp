#include "singlemessage.h"
#include "displaylinklog.h"

#include "canmessagecodes.h"
#include "translator.h"

#include <QDebug>

bool SingleMessage::decode(const QByteArray &data, SingleMessage *message)
{
    *message = SingleMessage();
    if (data.isEmpty()) {
        qCWarning(lcDisplayLink) << "Empty single CAN message ignored";
        return false;
    }
    const quint8 code = quint8(data.at(0));
    message->code = code;
    const auto needs = [&data, code](int size) {
        if (data.size() >= size)
            return true;
        qCWarning(lcDisplayLink) << "Single CAN message" << code << "too short:" << data.toHex();
        return false;
    };
    const auto byteAt = [&data](int i) { return int(quint8(data.at(i))); };

    switch (code) {
    case CanMsg::TULMSGSINGLE_ALARM_REQUEST:
        if (!needs(3))
            return false;
        message->alarmId = byteAt(1);
        message->alarmOn = data.at(2) != 0;
        return true;
    case CanMsg::ERROR_INFO:
    case CanMsg::ERROR_CLEAR_INFO:
        if (!needs(5))
            return false;
        for (int i = 0; i < 4; ++i)
            message->errorCodes[i] = int(qint8(data.at(1 + i)));
        return true;
    case CanMsg::TULMSGSINGLE_DAYPART_SET:
        if (!needs(2))
            return false;
        message->dayPart = byteAt(1);
        if (message->dayPart > MaxDayPart) {
            qCWarning(lcDisplayLink) << "Day part" << message->dayPart << "from the other display out of range; ignored";
            return false;
        }
        return true;
    case CanMsg::TULMSGSINGLE_LANGUAGE_SETTINGS:
        if (!needs(4))
            return false;
        message->languageId = byteAt(1);
        message->usedLanguages = uint(byteAt(2) << 8 | byteAt(3));
        if (!Translator::isValidId(message->languageId)) {
            qCWarning(lcDisplayLink) << "Language id" << message->languageId << "from the other display out of range; ignored";
            return false;
        }
        return true;
    case CanMsg::TULMSGSINGLE_OV_UPDATE_RELOAD:
    case CanMsg::TULMSGSINGLE_OV_UPDATE_PRODUCTS:
    case CanMsg::TULMSGSINGLE_OV_UPDATE_DAYPARTS:
    case CanMsg::TULMSGSINGLE_FW_INFO_REQUEST:
    case CanMsg::TULMSGSINGLE_SCREEN_TEST_START:
    case CanMsg::TULMSGSINGLE_SCREEN_TEST_STOP:
    case CanMsg::TULMSGSINGLE_RFID_TEST_START:
    case CanMsg::TULMSGSINGLE_SYSINFO_TEST_START:
    case CanMsg::DELETE_ERROR_INFO:
    case CanMsg::TULMSGSINGLE_ROLL_CALL_REQUEST:
    case CanMsg::TULMSGSINGLE_ROLL_CALL_REPLY:
    case CanMsg::TULMSGSINGLE_RESYNC_REQUEST:
    case CanMsg::TULMSGSINGLE_DAYPART_REQUEST:
        return true;
    default:
        qCWarning(lcDisplayLink) << "Unknown single CAN message code" << code << "ignored";
        return false;
    }
}
