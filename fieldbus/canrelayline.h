#ifndef CANRELAYLINE_H
#define CANRELAYLINE_H

#include <QByteArray>

// One line of the simulated CAN bus's text protocol, as the virtual CAN plugin's clients
// speak it: "connect:<bus>" and "disconnect:<bus>" to join and leave a bus, and
// "<bus>:<id>#<flags>#<payload>" for a frame, the id in decimal, the flags a set of the
// letters X (extended id), R (remote request), F (flexible data rate), B (bit-rate
// switch), E (error state) and L (local echo), the payload in hexadecimal. The bus
// passes a frame on as "<id>#<flags>#<payload>". A client takes any line it is given as
// a frame, so only lines this parser accepts may ever reach one.
class CanRelayLine
{
public:
    enum Kind { Malformed, Connect, Disconnect, Frame };

    // Longer lines are malformed whatever they hold (the longest frame is far shorter).
    static constexpr int MaxLineBytes = 256;
    static constexpr int MaxBusNameBytes = 32;

    Kind kind = Malformed;
    QByteArray bus;
    QByteArray forwarded; // for a frame: the line every other client of the bus gets

    // `line` without its line feed (a trailing carriage return is not allowed).
    static CanRelayLine parse(const QByteArray &line);
};

#endif // CANRELAYLINE_H
