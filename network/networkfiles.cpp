#include "networkfiles.h"

#include "commandlauncher.h"
#include "safefilewriter.h"
#include "tulpaths.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// The supplicant reads a quoted value from its first quote to the last quote of the line,
// and writes one back the same way: a quote inside, like spaces, "=" and "#", is taken
// literally and needs no escape (its pass phrase has none). Only a line break, which ends
// the line, and a NUL, which ends the C string it parses, cannot be carried.
bool breaksQuotedValue(const QString &value)
{
    return value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r')) || value.contains(QChar(0));
}

// The address as a number; false unless four decimal parts of 0-255 without leading
// zeros. The address parser also takes short forms such as "255.255.255", which
// ifupdown would read differently.
bool parseDottedQuad(const QString &text, quint32 *value)
{
    static const QRegularExpression dottedQuad(
        QStringLiteral("^(0|[1-9]\\d{0,2})\\.(0|[1-9]\\d{0,2})\\.(0|[1-9]\\d{0,2})\\.(0|[1-9]\\d{0,2})$"));
    const QRegularExpressionMatch match = dottedQuad.match(text);
    if (!match.hasMatch())
        return false;
    quint32 result = 0;
    for (int part = 1; part <= 4; ++part) {
        const uint byte = match.captured(part).toUInt();
        if (byte > 255)
            return false;
        result = (result << 8) | byte;
    }
    *value = result;
    return true;
}

using Field = NetworkRefusal::Field;

NetworkRefusal refuse(Field field, NetworkRefusal::Reason reason)
{
    NetworkRefusal r;
    r.field = field;
    r.reason = reason;
    return r;
}

// A static interface: a host address, a netmask, and the address neither the network's
// own address nor its broadcast address; the gateway may be left out.
NetworkRefusal checkStatic(Field address, const QString &addressText, const QString &netmaskText,
                           const QString &gatewayText)
{
    // The netmask and the gateway follow their address in Field.
    const Field netmask = Field(address + 1);
    const Field gateway = Field(address + 2);
    if (!NetworkFiles::isHostAddress(addressText))
        return refuse(address, NetworkRefusal::NotHostAddress);
    const int prefix = NetworkFiles::prefixLength(netmaskText);
    if (prefix < 0)
        return refuse(netmask, NetworkRefusal::NotNetmask);
    quint32 host = 0;
    parseDottedQuad(addressText, &host);
    const quint32 hostBits = prefix == 32 ? 0u : (0xFFFFFFFFu >> prefix);
    if (prefix <= 30 && ((host & hostBits) == 0 || (host & hostBits) == hostBits))
        return refuse(address, NetworkRefusal::NotHostAddress);
    if (!gatewayText.isEmpty() && !NetworkFiles::isHostAddress(gatewayText))
        return refuse(gateway, NetworkRefusal::NotHostAddress);
    return NetworkRefusal();
}

void appendStanza(QByteArray &text, const QString &name, bool isStatic, const QString &address,
                  const QString &netmask, const QString &gateway)
{
    const QByteArray iface = name.toLatin1();
    text += "\nauto " + iface + "\n";
    if (!isStatic) {
        text += "iface " + iface + " inet dhcp\n";
        return;
    }
    text += "iface " + iface + " inet static\n";
    text += "    address " + address.toLatin1() + "\n";
    text += "    netmask " + netmask.toLatin1() + "\n";
    if (!gateway.isEmpty())
        text += "    gateway " + gateway.toLatin1() + "\n";
}

bool writeOne(const QString &path, const QByteArray &data,
              SafeFileWriter::Access access = SafeFileWriter::Shared)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString error;
    if (!SafeFileWriter::writeFile(path, data, &error, access)) {
        qCWarning(lcNetwork).noquote() << "Unable to write" << path << ":" << error;
        return false;
    }
    return true;
}

} // namespace

QString NetworkFiles::interfacesPath()
{
    return TulPaths::resolve(QStringLiteral("/etc/network/interfaces"));
}

QString NetworkFiles::supplicantPath()
{
    return TulPaths::resolve(QStringLiteral("/etc/wpa_supplicant.conf"));
}

QString NetworkFiles::certificateDir()
{
    return TulPaths::rootPath(QStringLiteral("certs/"));
}

bool NetworkFiles::isHostAddress(const QString &text)
{
    quint32 address = 0;
    if (!parseDottedQuad(text, &address))
        return false;
    const quint32 first = address >> 24;
    return first != 0 && first != 127 && first < 224;
}

int NetworkFiles::prefixLength(const QString &netmask)
{
    quint32 mask = 0;
    if (!parseDottedQuad(netmask, &mask) || mask == 0)
        return -1;
    const quint32 zeros = ~mask;
    // Ones then zeros: the zeros, plus one, are a power of two.
    if ((zeros & (zeros + 1)) != 0)
        return -1;
    int prefix = 0;
    for (quint32 m = mask; m & 0x80000000u; m <<= 1)
        ++prefix;
    return prefix;
}

NetworkRefusal NetworkFiles::check(const NetworkSettings &s)
{
    if (s.ethEnabled && s.ethStatic) {
        const NetworkRefusal r = checkStatic(Field::WiredAddress, s.ethAddress, s.ethNetmask, s.ethGateway);
        if (r.refused())
            return r;
    }
    if (!s.wifiEnabled)
        return NetworkRefusal();
    if (s.wifiStatic) {
        const NetworkRefusal r = checkStatic(Field::WifiAddress, s.wifiAddress, s.wifiNetmask, s.wifiGateway);
        if (r.refused())
            return r;
    }
    if (breaksQuotedValue(s.wifiSsid))
        return refuse(Field::WifiSsid, NetworkRefusal::BreaksLine);
    if (breaksQuotedValue(s.wifiPassphrase))
        return refuse(Field::WifiPassphrase, NetworkRefusal::BreaksLine);
    // Limits of the standard: the supplicant rejects the whole file beyond them.
    if (s.wifiSsid.toUtf8().size() > 32)
        return refuse(Field::WifiSsid, NetworkRefusal::SsidTooLong);
    const int passLength = s.wifiPassphrase.toUtf8().size();
    if (passLength != 0 && (passLength < 8 || passLength > 63))
        return refuse(Field::WifiPassphrase, NetworkRefusal::PassphraseLength);
    return NetworkRefusal();
}

NetworkRefusal NetworkFiles::checkEntry(const NetworkSettings &s)
{
    const NetworkRefusal r = check(s);
    if (r.refused() || !s.wifiEnabled || !s.wifiSsid.trimmed().isEmpty())
        return r;
    return refuse(Field::WifiSsid, NetworkRefusal::SsidEmpty);
}

QString NetworkFiles::refusal(const NetworkSettings &settings)
{
    return check(settings).text();
}

QString NetworkRefusal::reasonKey() const
{
    switch (reason) {
    case Accepted: return QString();
    case NotHostAddress: return QStringLiteral("notHostAddress");
    case NotNetmask: return QStringLiteral("notNetmask");
    case BreaksLine: return QStringLiteral("breaksLine");
    case SsidTooLong: return QStringLiteral("ssidTooLong");
    case PassphraseLength: return QStringLiteral("passphraseLength");
    case SsidEmpty: return QStringLiteral("ssidEmpty");
    }
    return QString();
}

QString NetworkRefusal::text() const
{
    // Addresses would do no harm in the log, but the network name and the pass phrase
    // must never reach it: no value is quoted.
    const bool wired = field == WiredAddress || field == WiredNetmask || field == WiredGateway;
    const QString iface = wired ? QStringLiteral("wired") : QStringLiteral("Wi-Fi");
    switch (reason) {
    case Accepted:
        return QString();
    case NotHostAddress:
        if (field == WiredGateway || field == WifiGateway)
            return QStringLiteral("%1 gateway is not an IPv4 host address").arg(iface);
        return QStringLiteral("%1 is static but its address is not an IPv4 host address").arg(iface);
    case NotNetmask:
        return QStringLiteral("%1 is static but its netmask is not a netmask").arg(iface);
    case BreaksLine:
        return field == WifiSsid ? QStringLiteral("the Wi-Fi network name holds a line break or a NUL")
                                 : QStringLiteral("the Wi-Fi pass phrase holds a line break or a NUL");
    case SsidTooLong:
        return QStringLiteral("the Wi-Fi network name is longer than 32 bytes");
    case PassphraseLength:
        return QStringLiteral("the Wi-Fi pass phrase is not 8 to 63 characters long");
    case SsidEmpty:
        return QStringLiteral("Wi-Fi is on but its network name is empty");
    }
    return QString();
}

QByteArray NetworkFiles::interfacesText(const NetworkSettings &s)
{
    // A disabled interface gets no stanza, so nothing brings it up.
    QByteArray text = "# Written by the cabinet from its network settings.\n"
                      "auto lo\n"
                      "iface lo inet loopback\n";
    if (s.ethEnabled)
        appendStanza(text, NetworkInterfaceNames::wired(), s.ethStatic, s.ethAddress,
                     s.ethNetmask, s.ethGateway);
    if (s.wifiEnabled)
        appendStanza(text, NetworkInterfaceNames::wifi(), s.wifiStatic, s.wifiAddress,
                     s.wifiNetmask, s.wifiGateway);
    return text;
}

QByteArray NetworkFiles::supplicantText(const NetworkSettings &s)
{
    QByteArray text = "# Written by the cabinet from its network settings.\n"
                      "ctrl_interface=/var/run/wpa_supplicant\n"
                      "ap_scan=1\n";
    if (!s.wifiEnabled || s.wifiSsid.isEmpty())
        return text;
    text += "\nnetwork={\n";
    text += "    ssid=\"" + s.wifiSsid.toUtf8() + "\"\n";
    if (s.wifiPassphrase.isEmpty()) {
        text += "    key_mgmt=NONE\n";
    } else {
        text += "    key_mgmt=WPA-PSK\n";
        text += "    psk=\"" + s.wifiPassphrase.toUtf8() + "\"\n";
    }
    text += "}\n";
    return text;
}

bool NetworkFiles::write(const NetworkSettings &settings)
{
    const QString why = refusal(settings);
    if (!why.isEmpty()) {
        qCWarning(lcNetwork).noquote() << "Network settings refused:" << why
                                       << "- the network files are left as they were";
        return false;
    }
    // The supplicant file holds the pass phrase: readable by its owner only, from the
    // moment it exists.
    const bool supplicant = writeOne(supplicantPath(), supplicantText(settings), SafeFileWriter::OwnerOnly);
    const bool interfaces = supplicant && writeOne(interfacesPath(), interfacesText(settings));
    return supplicant && interfaces;
}

bool NetworkFiles::deleteCertificates()
{
    QDir dir(certificateDir());
    if (!dir.exists())
        return true;
    bool allGone = true;
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (!dir.remove(name)) {
            qCWarning(lcNetwork).noquote() << "Unable to delete certificate" << dir.filePath(name);
            allGone = false;
        } else {
            qCDebug(lcNetwork).noquote() << "Deleted certificate" << dir.filePath(name);
        }
    }
    CommandLauncher::startDetached(QStringLiteral("/bin/sync"));
    return allGone;
}
