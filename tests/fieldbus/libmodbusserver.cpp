#include "libmodbusserver.h"

#include <QDebug>

#include <modbus.h>

LibmodbusServer::LibmodbusServer(const QString &device, int node, int registerCount)
    : m_registerCount(registerCount)
{
    m_ctx = modbus_new_rtu(device.toLocal8Bit().constData(), 115200, 'N', 8, 1);
    if (!m_ctx)
        return;
    modbus_set_slave(m_ctx, node);
    if (qEnvironmentVariableIsSet("TUL_MODBUS_DEBUG"))
        modbus_set_debug(m_ctx, TRUE);  // libmodbus traces every frame on stdout
    if (modbus_connect(m_ctx) != 0) {
        qWarning() << "libmodbus could not open" << device << modbus_strerror(errno);
        return;
    }
    m_map = modbus_mapping_new(0, 0, registerCount, 0);
    if (!m_map)
        return;
    modbus_set_indication_timeout(m_ctx, 0, 20000);
    m_running = true;
    m_thread = std::thread([this] { serve(); });
}

LibmodbusServer::~LibmodbusServer()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    if (m_map)
        modbus_mapping_free(m_map);
    if (m_ctx) {
        modbus_close(m_ctx);
        modbus_free(m_ctx);
    }
}

void LibmodbusServer::setRegister(int address, quint16 value)
{
    if (m_map && address >= 0 && address < m_registerCount)
        m_map->tab_registers[address] = value;
}

quint16 LibmodbusServer::registerValue(int address) const
{
    if (m_map && address >= 0 && address < m_registerCount)
        return m_map->tab_registers[address];
    return 0;
}

void LibmodbusServer::serve()
{
    uint8_t query[MODBUS_RTU_MAX_ADU_LENGTH];
    while (!m_stop) {
        const int length = modbus_receive(m_ctx, query);
        if (length > 0) {
            ++m_requests;
            modbus_reply(m_ctx, query, length, m_map);
        }
    }
}
