#include "reference_gost.h"

#include <array>

namespace orva::test {
namespace {

// The substitution table of GOST R 34.12-2015 (RFC 7836 / RFC 8891 "param-Z"): row j serves nibble j.
constexpr std::array<std::array<quint8, 16>, 8> ParamZ{{
    {12, 4, 6, 2, 10, 5, 11, 9, 14, 8, 13, 7, 0, 3, 15, 1},
    {6, 8, 2, 3, 9, 10, 5, 12, 1, 14, 4, 7, 11, 13, 0, 15},
    {11, 3, 5, 8, 2, 15, 10, 13, 14, 1, 7, 4, 12, 9, 6, 0},
    {12, 8, 2, 1, 13, 4, 15, 6, 7, 0, 10, 5, 3, 14, 9, 11},
    {7, 15, 5, 10, 8, 1, 6, 13, 0, 9, 3, 14, 11, 4, 2, 12},
    {5, 13, 15, 6, 9, 2, 12, 10, 11, 7, 8, 1, 4, 3, 14, 0},
    {8, 14, 2, 5, 6, 9, 1, 12, 15, 4, 11, 0, 13, 10, 3, 7},
    {1, 7, 14, 13, 0, 5, 8, 3, 4, 15, 10, 6, 9, 12, 11, 2},
}};

quint32 loadLittleEndian(const char *bytes)
{
    quint32 word = 0;
    for (int i = 3; i >= 0; --i)
        word = (word << 8) | quint8(bytes[i]);
    return word;
}

void storeLittleEndian(quint32 word, char *bytes)
{
    for (int i = 0; i < 4; ++i)
        bytes[i] = char(quint8(word >> (8 * i)));
}

quint32 roundFunction(quint32 n1, quint32 subkey)
{
    const quint32 sum = n1 + subkey;
    quint32 substituted = 0;
    for (int j = 0; j < 8; ++j)
        substituted |= quint32(ParamZ[j][(sum >> (4 * j)) & 0xF]) << (4 * j);
    return (substituted << 11) | (substituted >> 21);
}

QByteArray run(QByteArrayView key, QByteArrayView data, bool encrypt)
{
    if (key.size() != 32 || data.size() % 8 != 0)
        return {};
    std::array<quint32, 8> k{};
    for (int i = 0; i < 8; ++i)
        k[i] = loadLittleEndian(key.data() + 4 * i);
    QByteArray out = data.toByteArray();
    for (qsizetype at = 0; at < out.size(); at += 8) {
        quint32 n1 = loadLittleEndian(out.constData() + at);
        quint32 n2 = loadLittleEndian(out.constData() + at + 4);
        for (int r = 0; r < 32; ++r) {
            // Encryption: K0..K7 three times, then K7..K0; decryption: K0..K7, then K7..K0 three times.
            const int i = encrypt ? (r < 24 ? r % 8 : 7 - r % 8) : (r < 8 ? r : 7 - r % 8);
            const quint32 t = roundFunction(n1, k[i]) ^ n2;
            n2 = n1;
            n1 = t;
        }
        storeLittleEndian(n2, out.data() + at);
        storeLittleEndian(n1, out.data() + at + 4);
    }
    return out;
}

} // namespace

QByteArray ReferenceGostEncrypt(QByteArrayView key, QByteArrayView data)
{
    return run(key, data, true);
}

QByteArray ReferenceGostDecrypt(QByteArrayView key, QByteArrayView data)
{
    return run(key, data, false);
}

} // namespace orva::test
