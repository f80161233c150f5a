#pragma once

#include <QByteArrayView>

namespace orva {

// CRC-16/MODBUS: reflected polynomial 0xA001 (0x8005), initial value 0xFFFF, no final XOR.
// The checksum of the encrypted container's text; an empty range gives 0xFFFF.
quint16 Crc16Modbus(QByteArrayView bytes);

} // namespace orva
