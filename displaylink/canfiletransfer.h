#ifndef CANFILETRANSFER_H
#define CANFILETRANSFER_H

#include <QByteArray>
#include <QString>

// The files the displays pass to each other over CAN: a 64-byte field with the sender's
// path of the file (zero padded), then the file's bytes. A received file is stored only
// for the known transfer ids, under its fixed name in this display's data root.
class CanFileTransfer
{
public:
    // The fixed name of a transfer id (11, 12, 13, 15), or empty for any other id.
    static QString fileNameFor(int transferId);

    // The payload for a local file, or empty (with a log line) when the file cannot be
    // read or its path does not fit the path field. The field carries the path as the
    // device knows it ("/root/menu.json"), wherever the data root is.
    static QByteArray buildPayload(const QString &localPath);
    static QString devicePathOf(const QString &localPath);

    // Checks and stores a received transfer; returns the written path, or empty (with a
    // log line) when the id is unknown, the payload is short, the path field is not a
    // plain path of the expected file, the file does not read whole, or the write failed.
    // Whenever it returns empty our file is as it was.
    static QString storeReceived(int transferId, const QByteArray &payload);
    // The checks of storeReceived: true with the file's bytes in `content` when the
    // transfer may be stored.
    static bool checkReceived(int transferId, const QByteArray &payload, QByteArray *content);
    // Stores checked bytes under the fixed name of the id; the written path or empty.
    static QString storeContent(int transferId, const QByteArray &content);

    // Whether a file of this transfer id reads whole with the reader that takes it at
    // start (settings, menu, day parts, personality); a settings file must also carry
    // every key our writer writes. The reader fills a scratch object
    // from a scratch copy of the file, so nothing the cabinet holds changes.
    static bool readsWhole(int transferId, const QByteArray &content);

    // The path named in a payload's path field (up to the first zero byte).
    static QString pathField(const QByteArray &payload);
};

#endif // CANFILETRANSFER_H
