#ifndef RECEIVEDFILES_H
#define RECEIVEDFILES_H

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Which files this display takes from the display link. The displays of one cabinet pass
// each other files by role:
//  - the master sends the other display its menu (11) and day parts (13) after every
//    save, a personality (15) at the first start, and the settings file (12), which
//    nothing sends today but the id stays taken;
//  - the other display sends the master its menu (11) and day parts (13) after a save
//    of its own (the cookbook and the day-part pages run on every display);
// so a display takes a file only from the node its role expects, and only of those ids.
// A file must be whole by our writer's standard (CanFileTransfer::checkReceived), and a
// menu or day-part file that would empty what ours holds (no product, no group; no bin
// with a product) is taken only from the master, and written only once the master
// announces the new menu or day parts with the message that follows its save (57, 58).
// Until then it is held; any other message from the master drops it.
class ReceivedFiles
{
public:
    struct Role {
        bool master = false;
        bool talksToOtherDisplay = true;
    };
    enum Outcome { Stored, Held, Refused };

    // The sender id whose files this display takes (0: none).
    static quint32 expectedSender(const Role &role);
    // Whether `sender` may send this display the file of `transferId`.
    static bool mayGive(const Role &role, quint32 sender, int transferId);
    // For a menu (11) or day-part (13) file: whether it holds nothing where our file
    // holds something. Any other id never empties.
    static bool wouldEmpty(int transferId, const QByteArray &content);
    // What a menu or day-part file holds: products and groups; bins with a product.
    static int entriesOf(int transferId, const QByteArray &content);

    // A complete file transfer. Refused ones are logged with the sender and ours stays
    // byte for byte; the caller answers the sender "refused". `storedPath` gets the path
    // written when Stored.
    Outcome take(const Role &role, quint32 sender, int transferId, const QByteArray &payload,
                 QString *storedPath = nullptr);
    // Any other message from `sender` (`single` empty for a multi-packet message): the
    // master's announcement of a held file writes it; returns its path and id, or empty.
    QString messageFrom(quint32 sender, const QByteArray &single, int *storedId = nullptr);

    int heldTransferId() const { return m_heldId; }

private:
    int m_heldId = 0;
    quint32 m_heldFrom = 0;
    QByteArray m_held;
};

#endif // RECEIVEDFILES_H
