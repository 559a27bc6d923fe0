#include "tuldbusadapter.h"

#include "configurationmanager.h"
#include "pathguard.h"

#include "iotjson.h"
#include "iotlog.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDateTime>
#include <QMetaProperty>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Names in log lines and error texts: enough to recognise, never a flood.
QString shortName(const QString &name)
{
    return name.size() > 128 ? name.left(128) + QStringLiteral("...") : name;
}

// A property's value as the answer to a refused write names it.
QString valueText(const QVariant &value)
{
    if (value.userType() == QMetaType::QStringList)
        return shortName(QLatin1Char('[') + value.toStringList().join(QStringLiteral(", ")) + QLatin1Char(']'));
    if (value.canConvert<QString>())
        return shortName(value.toString());
    return QString::fromLatin1(value.typeName() ? value.typeName() : "nothing");
}

// A whole number as the agent sent it: an integer of any bus width, a double without a
// fraction, or decimal text. 1e308 or 2.5 is no whole number and is never made into one.
bool wholeNumber(const QVariant &value, qint64 *out)
{
    switch (value.userType()) {
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::SChar:
    case QMetaType::Char:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::UChar:
    case QMetaType::ULong:
        *out = value.toLongLong();
        return true;
    case QMetaType::ULongLong: {
        const qulonglong v = value.toULongLong();
        *out = qint64(v);
        return v <= qulonglong(LLONG_MAX);
    }
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = value.toDouble();
        constexpr double exact = 9007199254740992.0; // 2^53: every whole double below is exact
        if (!std::isfinite(d) || std::trunc(d) != d || std::fabs(d) > exact)
            return false;
        *out = qint64(d);
        return true;
    }
    case QMetaType::QString: {
        bool ok = false;
        *out = value.toString().trimmed().toLongLong(&ok, 10);
        return ok;
    }
    default:
        return false;
    }
}

// The value as the property would hold it, for comparing with what it holds after the write.
QVariant asPropertyType(const QMetaProperty &property, QVariant value)
{
    if (property.isEnumType())
        return value.toInt();
    const int type = property.userType();
    if (type != QMetaType::QVariant && value.userType() != type)
        value.convert(type);
    return value;
}

} // namespace

TulDbusAdapter::TulDbusAdapter(QObject *application, QObject *owner)
    : QDBusAbstractAdaptor(new TulBusObject(application))
    , m_owner(owner)
{
    setObjectName(QStringLiteral("tuldbus"));
}

TulDbusAdapter::~TulDbusAdapter() = default;

TulBusObject *TulDbusAdapter::busObject() const
{
    return static_cast<TulBusObject *>(parent());
}

int TulDbusAdapter::performanceIntervalMs(int seconds)
{
    if (seconds < 1)
        return 0;
    return qMin(seconds, MaxPerformanceSeconds) * 1000;
}

bool TulDbusAdapter::isProtectedProperty(const QString &name)
{
    static const QRegularExpression secret(QStringLiteral("passw|passcode|passphrase|psk|secret|credential|token"),
                                           QRegularExpression::CaseInsensitiveOption);
    return secret.match(name).hasMatch();
}

void TulDbusAdapter::refuse(QDBusError::ErrorType type, const QString &text, const QString &kept)
{
    qCWarning(lcIot).noquote() << text;
    TulBusObject *object = busObject();
    if (object->calledFromDBus())
        object->sendErrorReply(type, kept.isNull() ? text : text + QStringLiteral("; it holds: ") + kept);
}

bool TulDbusAdapter::fromAgent(const char *method) const
{
    const TulBusObject *object = busObject();
    if (!object->calledFromDBus())
        return true;
    if (m_callers.accepts(object->connection(), object->message().service(), QLatin1String(method)))
        return true;
    object->sendErrorReply(QDBusError::AccessDenied,
                           QStringLiteral("%1 refused: only the cloud agent may command the cabinet")
                               .arg(QLatin1String(method)));
    return false;
}

bool TulDbusAdapter::acceptText(const QString &text, const char *what, const QString &kept)
{
    if (text.size() <= MaxTextLength)
        return true;
    refuse(QDBusError::InvalidArgs,
           QStringLiteral("DBus %1 of %2 characters refused").arg(QLatin1String(what)).arg(text.size()), kept);
    return false;
}

bool TulDbusAdapter::refuseOwnWrite(const QString &text, const QString &kept)
{
    refuse(QDBusError::InvalidArgs, text, kept);
    return !busObject()->calledFromDBus();
}

// ---- properties -------------------------------------------------------------------------

#define TUL_ADAPTER_TEXT(name)                                                                            \
    void TulDbusAdapter::set_##name(const QString &value)                                                 \
    {                                                                                                     \
        if (!fromAgent("set_" #name))                                                                     \
            return;                                                                                       \
        if (m_##name == value)                                                                            \
            return;                                                                                       \
        if (value.size() > MaxTextLength) {                                                               \
            if (refuseOwnWrite(QStringLiteral("DBus " #name " of %1 characters refused").arg(value.size()), \
                               shortName(m_##name)))                                                      \
                emit name##Changed(m_##name);                                                             \
            return;                                                                                       \
        }                                                                                                 \
        m_##name = value;                                                                                 \
        emit name##Changed(value);                                                                        \
    }

TUL_ADAPTER_TEXT(model)
TUL_ADAPTER_TEXT(retaurantNumber)
TUL_ADAPTER_TEXT(serialNumber)
TUL_ADAPTER_TEXT(modelNumber)
TUL_ADAPTER_TEXT(machineID)
TUL_ADAPTER_TEXT(firmwareVersion)
TUL_ADAPTER_TEXT(menuVersion)

#undef TUL_ADAPTER_TEXT

void TulDbusAdapter::set_iotEventType(int value)
{
    if (!fromAgent("set_iotEventType"))
        return;
    // Any number: the hold relays choose their form by 0 and 3 alone.
    if (value == m_iotEventType)
        return;
    m_iotEventType = value;
    emit iotEventTypeChanged(value);
}

// ---- named objects ----------------------------------------------------------------------

QObject *TulDbusAdapter::findObject(const QString &objName) const
{
    // An empty name would match the first child of any name.
    if (!m_owner || objName.isEmpty())
        return nullptr;
    if (QObject *found = m_owner->findChild<QObject *>(objName))
        return found;
    return m_owner->objectName() == objName ? m_owner.data() : nullptr;
}

QDBusVariant TulDbusAdapter::getObjectPropertyValue(const QString &objName, const QString &propName)
{
    if (!fromAgent("getObjectPropertyValue"))
        return {};
    if (!acceptText(objName, "object name") || !acceptText(propName, "property name"))
        return {};
    QObject *target = findObject(objName);
    if (!target) {
        refuse(QDBusError::UnknownObject, QStringLiteral("DBus get: no object named %1").arg(shortName(objName)));
        return {};
    }
    const QString where = shortName(objName) + QLatin1Char('.') + shortName(propName);
    if (isProtectedProperty(propName)) {
        refuse(QDBusError::AccessDenied, QStringLiteral("DBus get: %1 is not readable over the bus").arg(where));
        return {};
    }
    const QByteArray name = propName.toLatin1();
    const QMetaObject *meta = target->metaObject();
    const int index = meta->indexOfProperty(name.constData());
    QVariant value;
    if (index >= 0) {
        const QMetaProperty property = meta->property(index);
        value = property.read(target);
        if (property.isEnumType())
            value = QVariant(value.toInt());
    } else if (target->dynamicPropertyNames().contains(name)) {
        value = target->property(name.constData());
    } else {
        refuse(QDBusError::UnknownProperty, QStringLiteral("DBus get: no property %1").arg(where));
        return {};
    }
    if (!value.isValid() || !QDBusMetaType::typeToSignature(value.userType())) {
        refuse(QDBusError::NotSupported, QStringLiteral("DBus get: %1 has no bus form").arg(where));
        return {};
    }
    return QDBusVariant(value);
}

QString TulDbusAdapter::writeRefusal(const QObject *target, const QString &propName, const QVariant &value)
{
    // A timer driven faster than once a second floods the bus (the performance-data
    // timer) or the field bus; 0 would run it without pause.
    if (propName == QLatin1String("interval") && qobject_cast<const QTimer *>(target)) {
        bool ok = false;
        const int ms = value.toInt(&ok);
        if (ok && ms < 1000)
            return QStringLiteral("a timer runs at most once a second");
    }
    // Stored like any other number, 0 included; only a period the timer cannot hold is not.
    if (propName == QLatin1String("performanceDataInterval")) {
        bool ok = false;
        const int seconds = value.toInt(&ok);
        if (ok && seconds > MaxPerformanceSeconds)
            return QStringLiteral("longer than the timer can hold");
    }
    // The import screen's file list: names the import takes from its own folder.
    if (propName == QLatin1String("dirContent") && value.userType() == QMetaType::QStringList) {
        const QStringList names = value.toStringList();
        if (!std::all_of(names.cbegin(), names.cend(), PathGuard::isPlainFileName))
            return QStringLiteral("not a list of plain file names");
    }
    // A path out of its root would be listed, read or written by the update and import code.
    if (PathGuard::guards(propName)) {
        return value.userType() == QMetaType::QString ? PathGuard::refusal(propName, value.toString())
                                                      : QStringLiteral("not a text");
    }
    return QString();
}

void TulDbusAdapter::setObjectPropertyValue(const QString &objName, const QString &propName,
                                            const QDBusVariant &propVal)
{
    if (!fromAgent("setObjectPropertyValue"))
        return;
    if (!acceptText(objName, "object name") || !acceptText(propName, "property name"))
        return;
    const QString where = shortName(objName) + QLatin1Char('.') + shortName(propName);
    // The value stays out of the log: it may be anything the agent sends.
    qCInfo(lcIot).noquote() << QStringLiteral("DBus set object property value: %1").arg(where);
    QObject *target = findObject(objName);
    if (!target) {
        refuse(QDBusError::UnknownObject, QStringLiteral("DBus set: no object named %1").arg(shortName(objName)));
        return;
    }
    if (isProtectedProperty(propName)) {
        refuse(QDBusError::AccessDenied, QStringLiteral("DBus set: %1 is not writable over the bus").arg(where));
        return;
    }
    // Objects are found by their names, here and in the program itself.
    if (propName == QLatin1String("objectName")) {
        refuse(QDBusError::AccessDenied, QStringLiteral("DBus set: %1 refused: object names are fixed").arg(where),
               shortName(target->objectName()));
        return;
    }
    const QByteArray name = propName.toLatin1();
    const QMetaObject *meta = target->metaObject();
    const int index = meta->indexOfProperty(name.constData());
    // Never creates a property: an unknown name is an error, not a new dynamic property.
    if (index < 0 && !target->dynamicPropertyNames().contains(name)) {
        refuse(QDBusError::UnknownProperty, QStringLiteral("DBus set: no property %1").arg(where));
        return;
    }
    if (index >= 0 && !meta->property(index).isWritable()) {
        refuse(QDBusError::AccessDenied, QStringLiteral("DBus set: %1 is read-only").arg(where));
        return;
    }
    const QVariant value = propVal.variant();
    if (value.userType() == qMetaTypeId<QDBusArgument>()) {
        refuse(QDBusError::InvalidArgs, QStringLiteral("DBus set: %1 takes a plain value").arg(where));
        return;
    }
    const QVariant before = target->property(name.constData());
    if (value.userType() == QMetaType::QString && !acceptText(value.toString(), "value", valueText(before)))
        return;
    // A number property takes a whole number in its type's range, never what a
    // conversion makes of anything else (1e308 is not 0).
    QVariant taken = value;
    const int type = index < 0 ? QMetaType::UnknownType
                     : meta->property(index).isEnumType() ? int(QMetaType::Int)
                                                           : meta->property(index).userType();
    if (type == QMetaType::Int || type == QMetaType::UInt) {
        qint64 n = 0;
        const bool fits = wholeNumber(value, &n)
                          && (type == QMetaType::Int ? n >= INT_MIN && n <= INT_MAX : n >= 0 && n <= qint64(UINT_MAX));
        if (!fits) {
            refuse(QDBusError::InvalidArgs,
                   QStringLiteral("DBus set: %1 refused: not a whole number its type holds").arg(where), valueText(before));
            return;
        }
        taken = type == QMetaType::Int ? QVariant(int(n)) : QVariant(uint(n));
    }
    QString why = writeRefusal(target, propName, taken);
    // The settings keep the ranges their pages keep.
    auto *settings = qobject_cast<ConfigurationManager *>(target);
    if (why.isEmpty() && settings)
        why = ConfigurationManager::outsideValueRefusal(propName, taken);
    if (!why.isEmpty()) {
        refuse(QDBusError::InvalidArgs, QStringLiteral("DBus set: %1 refused: %2").arg(where, why), valueText(before));
        return;
    }
    QVariant converted = taken;
    if (type != QMetaType::UnknownType && type != QMetaType::QVariant && converted.userType() != type
        && !converted.convert(type)) {
        refuse(QDBusError::InvalidArgs,
               QStringLiteral("DBus set: %1 does not take a value of type %2")
                   .arg(where, QString::fromLatin1(value.typeName() ? value.typeName() : "none")));
        return;
    }
    // A setting of the settings file is saved as a page saves it: at once, or not at all.
    if (settings && ConfigurationManager::configFileKeys().contains(propName)) {
        if (!settings->saveSetting(propName, taken)) {
            refuse(QDBusError::Failed, QStringLiteral("DBus set: %1 not saved: the settings file cannot be written").arg(where),
                   valueText(target->property(name.constData())));
            return;
        }
    } else if (!target->setProperty(name.constData(), taken)) {
        refuse(QDBusError::InvalidArgs,
               QStringLiteral("DBus set: %1 does not take a value of type %2")
                   .arg(where, QString::fromLatin1(value.typeName() ? value.typeName() : "none")));
        return;
    }
    // A setter may refuse or change a value without saying so: the answer says what it holds.
    if (index >= 0) {
        const QMetaProperty property = meta->property(index);
        const QVariant now = property.read(target);
        if (asPropertyType(property, now) != asPropertyType(property, taken))
            refuse(QDBusError::InvalidArgs, QStringLiteral("DBus set: %1 not taken as sent").arg(where), valueText(now));
    }
}

// ---- other methods ----------------------------------------------------------------------

void TulDbusAdapter::flashDriveMounted()
{
    if (!fromAgent("flashDriveMounted"))
        return;
    if (m_owner)
        m_owner->setProperty("flashDriveMounted", true);
}

void TulDbusAdapter::flashDriveNotMounted()
{
    if (!fromAgent("flashDriveNotMounted"))
        return;
    if (m_owner)
        m_owner->setProperty("flashDriveMounted", false);
}

void TulDbusAdapter::performanceDataModeEnable(int period_secs)
{
    if (!fromAgent("performanceDataModeEnable"))
        return;
    QTimer *timer = m_owner ? m_owner->findChild<QTimer *>(QStringLiteral("performanceDataTimer")) : nullptr;
    if (!timer) {
        qCWarning(lcIot) << "performanceDataModeEnable: no performance-data timer on this display";
        return;
    }
    // 1000 x the period would overflow the timer's milliseconds. Refused rather than cut,
    // so that the answer is not a success for a period that is not used; the timer keeps
    // running as it was.
    if (period_secs > MaxPerformanceSeconds) {
        refuse(QDBusError::InvalidArgs,
               QStringLiteral("Performance-data period of %1 s refused: longer than the timer can hold")
                   .arg(period_secs),
               timer->isActive() ? QStringLiteral("%1 s").arg(timer->interval() / 1000) : QStringLiteral("stopped"));
        return;
    }
    timer->stop();
    const int ms = performanceIntervalMs(period_secs);
    if (ms == 0) {
        qCInfo(lcIot) << "Performance data stopped by the agent";
        return;
    }
    timer->setInterval(ms);
    timer->start();
}

void TulDbusAdapter::takeScreenShot()
{
    if (!fromAgent("takeScreenShot"))
        return;
    emit screenShotRequested();
}

QDBusVariant TulDbusAdapter::rollCal()
{
    if (!fromAgent("rollCal"))
        return {};
    qCDebug(lcIot) << "ROLLCALL!!!!!!!!!!!!!!!!!!!!!";
    return QDBusVariant(true);
}

QString TulDbusAdapter::iotCmdCall(const QString &text)
{
    if (!fromAgent("iotCmdCall"))
        return {};
    if (!acceptText(text, "test call"))
        return {};
    qCInfo(lcIot).noquote() << "iotCmdCall:" << shortName(text);
    return QStringLiteral("Test Call Reply!");
}

void TulDbusAdapter::handle_event_holdStart(const QString &timeStamp, const QString &productType,
                                            const QString &panID, int zone, const QString &method)
{
    if (!fromAgent("handle_event_holdStart"))
        return;
    if (m_iotEventType == IOTEVENTTYPE_QRB1 || m_iotEventType == IOTEVENTTYPE_VOZUVEV)
        emit event_holdStart(productType, panID, zone, method);
    else
        emit event_holdStart(timeStamp, productType, panID, zone, method);
}

void TulDbusAdapter::handle_event_holdStop(const QString &timeStamp, const QString &productType,
                                           const QString &panID, int zone, const QString &method, int timeRemaining)
{
    if (!fromAgent("handle_event_holdStop"))
        return;
    if (m_iotEventType == IOTEVENTTYPE_QRB1 || m_iotEventType == IOTEVENTTYPE_VOZUVEV)
        emit event_holdStop(productType, panID, zone, method, timeRemaining);
    else
        emit event_holdStop(timeStamp, productType, panID, zone, method, timeRemaining);
}

int TulDbusAdapter::callerBin(const char *slot)
{
    const QObject *caller = sender();
    const QVariant bin = caller ? caller->property("binNumber") : QVariant();
    if (!bin.isValid()) {
        refuse(QDBusError::NotSupported, QStringLiteral("DBus %1: only a bin's own signal can call it")
                                             .arg(QLatin1String(slot)));
        return -1;
    }
    return bin.toInt();
}

void TulDbusAdapter::processZoneEnterPreheatSignal()
{
    if (!fromAgent("processZoneEnterPreheatSignal"))
        return;
    const int bin = callerBin("processZoneEnterPreheatSignal");
    if (bin >= 0)
        emit event_zonePreheatStart(IotJson::truncatedSeconds(QDateTime::currentMSecsSinceEpoch()), bin);
}

void TulDbusAdapter::processZoneExitPreheatSignal()
{
    if (!fromAgent("processZoneExitPreheatSignal"))
        return;
    const int bin = callerBin("processZoneExitPreheatSignal");
    if (bin >= 0)
        emit event_preheatComplete(IotJson::truncatedSeconds(QDateTime::currentMSecsSinceEpoch()), bin);
}

void TulDbusAdapter::notifyTrayInfo()
{
    if (!fromAgent("notifyTrayInfo"))
        return;
    const int bin = callerBin("notifyTrayInfo");
    if (bin < 0)
        return;
    const QString text = QStringLiteral("Tray %1 started.").arg(bin);
    emit trayInformation(text);
    set_model(QString::number(bin));
    qCDebug(lcIot).noquote() << "\n\n dbus trying to send: " << text;
}

void TulDbusAdapter::processActivelyHolding(bool value)
{
    if (!fromAgent("processActivelyHolding"))
        return;
    qCDebug(lcIot).noquote() << "\n\n dbus processing actively holding: " << (value ? "true" : "false");
    emit activelyHolding(value);
}

void TulDbusAdapter::processHoldingStartedSignal(const trayInfo &info)
{
    emit holdingStartedSignal(info.binNumber, info.productId, info.remainingTime);
}

void TulDbusAdapter::processHoldingStoppedSignal(const trayInfo &info)
{
    emit holdingStoppedSignal(info.binNumber, info.productId);
}
