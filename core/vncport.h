#ifndef VNCPORT_H
#define VNCPORT_H

#include <QString>

// Qt's VNC platform serves the screen on a TCP port; when another program holds the port
// it only logs that and the program runs on without a screen. The program checks the
// port before it starts instead.
namespace VncPort {

// The port the platform ("-platform" or QT_QPA_PLATFORM, e.g. "vnc:size=800x480:port=5901")
// serves on: the plugin's 5900 without a "port=" option; -1 when the platform is not VNC
// and 0 when the port given is not one.
int requested(int argc, char *argv[]);

// Whether this process could listen on the port on every address, as the plugin does; an
// empty string, or why not.
QString unavailable(int port);

} // namespace VncPort

#endif // VNCPORT_H
