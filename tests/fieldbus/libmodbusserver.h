#ifndef LIBMODBUSSERVER_H
#define LIBMODBUSSERVER_H

#include <QString>

#include <atomic>
#include <thread>

struct _modbus;
struct _modbus_mapping_t;

// An independent Modbus RTU server (libmodbus) for the master's tests: one node with
// `registerCount` holding registers, served from its own thread on a serial device.
class LibmodbusServer
{
public:
    LibmodbusServer(const QString &device, int node, int registerCount);
    ~LibmodbusServer();

    bool isRunning() const { return m_running; }
    void setRegister(int address, quint16 value);
    quint16 registerValue(int address) const;
    // Requests received since the server was made.
    int requestCount() const { return m_requests; }

private:
    void serve();

    _modbus *m_ctx = nullptr;
    _modbus_mapping_t *m_map = nullptr;
    int m_registerCount = 0;
    bool m_running = false;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_requests{0};
    std::thread m_thread;
};

#endif // LIBMODBUSSERVER_H
