// The simulated display's screen over VNC behind the simulation's front: viewers that set
// their pixel format and viewers that keep the server's, one after the other (the program's
// VNC server crashed on the second kind once the first had come and gone), all get whole
// frames in the format they asked for and the program keeps answering. A port that cannot
// be served stops the front or the program at once, with the reason.
#include "displayprocess.h"
#include "scratchroots.h"

#include <QFile>
#include <QTcpSocket>
#include <QtEndian>
#include <QtTest>

namespace {

// A minimal RFB 3.3 viewer: no security, shared session, raw encoding.
class Viewer
{
public:
    explicit Viewer(int port) { m_socket.connectToHost(QHostAddress::LocalHost, quint16(port)); }

    // The handshake up to ServerInit; false when the server did not answer it.
    bool open()
    {
        if (!m_socket.waitForConnected(5000) || read(12) != "RFB 003.003\n")
            return false;
        m_socket.write("RFB 003.003\n");
        if (read(4) != QByteArray("\0\0\0\1", 4))
            return false;
        m_socket.write("\1", 1);
        const QByteArray init = read(24);
        if (init.size() != 24)
            return false;
        m_width = qFromBigEndian<quint16>(init.constData());
        m_height = qFromBigEndian<quint16>(init.constData() + 2);
        m_serverBytesPerPixel = uchar(init.at(4)) / 8;
        const quint32 nameSize = qFromBigEndian<quint32>(init.constData() + 20);
        return nameSize < 4096 && read(nameSize).size() == qint64(nameSize);
    }
    // SetPixelFormat: 8-bit true colour, 3-3-2.
    void setEightBitFormat()
    {
        static const char format[] = {0, 0, 0, 0, 8, 8, 0, 1, 0, 7, 0, 7, 0, 3, 0, 3, 6, 0, 0, 0};
        m_socket.write(format, sizeof format);
    }
    // SetEncodings (raw), then one whole-frame FramebufferUpdateRequest; the bytes of pixel
    // data of the update that answers it, -1 when none came whole.
    qint64 frame()
    {
        m_socket.write(QByteArray::fromHex("0200000100000000"));
        QByteArray request = QByteArray::fromHex("030000000000");
        request.append(char(m_width >> 8)).append(char(m_width)).append(char(m_height >> 8)).append(char(m_height));
        m_socket.write(request);
        const QByteArray head = read(4);
        if (head.size() != 4 || head.at(0) != 0)
            return -1;
        qint64 pixels = 0;
        for (int rect = qFromBigEndian<quint16>(head.constData() + 2); rect > 0; --rect) {
            const QByteArray r = read(12);
            if (r.size() != 12 || qFromBigEndian<qint32>(r.constData() + 8) != 0)
                return -1;
            const qint64 size = qint64(qFromBigEndian<quint16>(r.constData() + 4)) * qFromBigEndian<quint16>(r.constData() + 6)
                * m_bytesPerPixel;
            if (read(size).size() != size)
                return -1;
            pixels += size;
        }
        return pixels;
    }
    qint64 framePixels() const { return qint64(m_width) * m_height; }
    void expectBytesPerPixel(int bytes) { m_bytesPerPixel = bytes; }
    int serverBytesPerPixel() const { return m_serverBytesPerPixel; }

private:
    QByteArray read(qint64 size)
    {
        QByteArray data;
        while (data.size() < size) {
            if (!m_socket.bytesAvailable() && !m_socket.waitForReadyRead(5000))
                break;
            data += m_socket.read(size - data.size());
        }
        return data;
    }

    QTcpSocket m_socket;
    int m_width = 0;
    int m_height = 0;
    int m_bytesPerPixel = 0;
    int m_serverBytesPerPixel = 0;
};

QProcessEnvironment vncEnvironment(int port)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("vnc:size=800x480:port=%1").arg(port));
    return env;
}

} // namespace

class TestVncFront : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void viewers_data();
    void viewers();
    void portTaken_data();
    void portTaken();

private:
    QScopedPointer<ScratchRoots> m_scratch;
    QProcess m_front;
    QScopedPointer<Display> m_display;
    int m_publicPort = 0;
};

void TestVncFront::initTestCase()
{
    m_scratch.reset(new ScratchRoots);
    QVERIFY(QFile::copy(QStringLiteral(TUL_SOURCE "/tests/data/personality/5x4_primary_nfc.hcc"),
                        m_scratch->root() + QStringLiteral("5x4_primary_nfc.hcc")));
    m_publicPort = freePort();
    m_front.start(QStringLiteral(TUL_VNCFRONT), {QString::number(m_publicPort)});
    QVERIFY(m_front.waitForReadyRead(10000));
    const int internalPort = m_front.readLine().trimmed().toInt();
    QVERIFY(internalPort > 0);
    // The front gave its internal port back until the program takes it, so the bus's port
    // could come out the same.
    int canPort = freePort();
    while (canPort == internalPort)
        canPort = freePort();
    m_display.reset(new Display(m_scratch->root(), QStringLiteral("tcp://127.0.0.1:%1/can0").arg(canPort), {},
                                {{QStringLiteral("QT_QPA_PLATFORM"),
                                  QStringLiteral("vnc:size=800x480:port=%1").arg(internalPort)}}));
    QTRY_VERIFY_WITH_TIMEOUT(m_display->saw(QStringLiteral("Scene loaded")), 60000);
}

void TestVncFront::cleanupTestCase()
{
    m_display.reset();
    m_front.kill();
    m_front.waitForFinished(5000);
}

// One viewer after another on the same front: whether each sets its own pixel format.
void TestVncFront::viewers_data()
{
    QTest::addColumn<QList<bool>>("setsFormat");
    QTest::newRow("keeps the server's format") << QList<bool>{false};
    QTest::newRow("sets its own") << QList<bool>{true};
    QTest::newRow("alternating") << QList<bool>{true, false, true, false, true, false};
}

void TestVncFront::viewers()
{
    QFETCH(QList<bool>, setsFormat);
    for (int i = 0; i < setsFormat.size(); ++i) {
        Viewer viewer(m_publicPort);
        QVERIFY2(viewer.open(), qPrintable(QStringLiteral("viewer %1: no handshake").arg(i)));
        if (setsFormat.at(i))
            viewer.setEightBitFormat();
        viewer.expectBytesPerPixel(setsFormat.at(i) ? 1 : viewer.serverBytesPerPixel());
        QCOMPARE(viewer.frame(), viewer.framePixels() * (setsFormat.at(i) ? 1 : viewer.serverBytesPerPixel()));
    }
    QCOMPARE(m_display->process.state(), QProcess::Running);
    QVERIFY(!m_display->ask(QStringLiteral("state 0")).isEmpty());
}

// Who is to serve a port another program holds.
void TestVncFront::portTaken_data()
{
    QTest::addColumn<bool>("front");
    QTest::addColumn<QString>("reason");
    QTest::newRow("front") << true << QStringLiteral("cannot listen on port");
    QTest::newRow("program") << false << QStringLiteral("Cannot serve the screen over VNC on port");
}

void TestVncFront::portTaken()
{
    QFETCH(bool, front);
    QFETCH(QString, reason);
    QTcpServer holder;
    QVERIFY(holder.listen(QHostAddress::Any, 0));
    const int port = holder.serverPort();
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (front) {
        process.start(QStringLiteral(TUL_VNCFRONT), {QString::number(port)});
    } else {
        process.setProcessEnvironment(vncEnvironment(port));
        process.start(QStringLiteral(TUL_BINARY), {QStringLiteral("-simulation")});
    }
    QVERIFY(process.waitForFinished(10000));
    const QString output = QString::fromLocal8Bit(process.readAll());
    QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() != 0, qPrintable(output));
    QVERIFY2(output.contains(reason) && output.contains(QString::number(port)), qPrintable(output));
}

QTEST_GUILESS_MAIN(TestVncFront)
#include "tst_vncfront.moc"
