#include "networkfiles.h"

#include "commandlauncher.h"
#include "safefilewriter.h"
#include "tulpaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QRegularExpression>

namespace {

// The supplicant reads a quoted value up to its last quote and ends the line at a line
// break; a NUL ends the C string it parses. Inside the quotes spaces, "=" and "#" are
// taken literally.
bool breaksQuotedValue(const QString &value)
{
    return value.contains(QLatin1Char('"')) || value.contains(QLatin1Char('\n'))
        || value.contains(QLatin1Char('\r')) || value.contains(QChar(0));
}

// Four dotted decimal parts only: the address parser also takes short forms such as
// "255.255.255", which ifupdown would read differently.
bool isIpv4(const QString &text)
{
    static const QRegularExpression dottedQuad(QStringLiteral("^\\d{1,3}(\\.\\d{1,3}){3}$"));
    QHostAddress address;
    return dottedQuad.match(text).hasMatch() && address.setAddress(text)
        && address.protocol() == QAbstractSocket::IPv4Protocol;
}

QString staticRefusal(const char *interface, const QString &address, const QString &netmask,
                      const QString &gateway)
{
    if (!isIpv4(address))
        return QStringLiteral("%1 is static but its address \"%2\" is not an IPv4 address")
            .arg(QLatin1String(interface), address);
    if (!isIpv4(netmask))
        return QStringLiteral("%1 is static but its netmask \"%2\" is not an IPv4 address")
            .arg(QLatin1String(interface), netmask);
    if (!gateway.isEmpty() && !isIpv4(gateway))
        return QStringLiteral("%1 gateway \"%2\" is not an IPv4 address")
            .arg(QLatin1String(interface), gateway);
    return QString();
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

bool writeOne(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString error;
    if (!SafeFileWriter::writeFile(path, data, &error)) {
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

QString NetworkFiles::refusal(const NetworkSettings &s)
{
    if (s.ethEnabled && s.ethStatic) {
        const QString why = staticRefusal("wired", s.ethAddress, s.ethNetmask, s.ethGateway);
        if (!why.isEmpty())
            return why;
    }
    if (!s.wifiEnabled)
        return QString();
    if (s.wifiStatic) {
        const QString why = staticRefusal("Wi-Fi", s.wifiAddress, s.wifiNetmask, s.wifiGateway);
        if (!why.isEmpty())
            return why;
    }
    if (breaksQuotedValue(s.wifiSsid))
        return QStringLiteral("the Wi-Fi network name holds a quote, a line break or a NUL");
    if (breaksQuotedValue(s.wifiPassphrase))
        return QStringLiteral("the Wi-Fi pass phrase holds a quote, a line break or a NUL");
    // Limits of the standard: the supplicant rejects the whole file beyond them.
    if (s.wifiSsid.toUtf8().size() > 32)
        return QStringLiteral("the Wi-Fi network name is longer than 32 bytes");
    const int passLength = s.wifiPassphrase.toUtf8().size();
    if (passLength != 0 && (passLength < 8 || passLength > 63))
        return QStringLiteral("the Wi-Fi pass phrase is not 8 to 63 characters long");
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
    // The supplicant file holds the pass phrase: readable by its owner only.
    const bool supplicant = writeOne(supplicantPath(), supplicantText(settings));
    if (supplicant)
        QFile::setPermissions(supplicantPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
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
