#include "crc16.h"

namespace orva {

// Qt's qChecksum offers only the CCITT polynomial and libgcrypt no 16-bit CRC at all, so the few lines
// of the bitwise form live here (the container text is at most 64 KB, no table is needed).
quint16 Crc16Modbus(QByteArrayView bytes)
{
    quint16 crc = 0xFFFF;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
    }
    return crc;
}

} // namespace orva
