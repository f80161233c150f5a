#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace orva::test {

// The signature line as Windows-1251 bytes ("ППКОП ZENTRIX-Orva").
extern const QByteArray ContainerSignatureLine;

// 32 key bytes from a key's bytes repeated end to end, as the program prepares a key of fewer than 32
// characters (the bytes are taken as they are: no trimming).
QByteArray RepeatKeyBytes(QByteArrayView keyBytes);

// The plain stream of a container: `filler` filler bytes, the text, its CRC-16/MODBUS high byte first,
// and the filler length. The filler is made longer until the stream is whole 8-byte blocks; the result
// is empty when that would need more than 255 filler bytes.
QByteArray MakeContainerStream(QByteArrayView text, int filler);

// Chains a stream of whole blocks (each byte combined with the chained byte before it, 0 before the
// first, then rotated left by one bit) and encrypts it with the reference cipher.
QByteArray EncryptContainerStream(QByteArrayView stream, QByteArrayView keyBytes);

// What a container is made of. The device name and identifier are written as given, filled with
// blanks or cut to 10 and 12 bytes.
struct ContainerParts
{
    QByteArray text;
    QByteArray keyBytes; // exactly 32
    QByteArray deviceName;
    QByteArray identifier;
    int filler = 0;
    QByteArray signatureLine = ContainerSignatureLine;
    QByteArray lineBreaks = QByteArrayLiteral("\r\n");
};

// The signature line, the line breaks, the two header fields and the body, in file order.
QByteArray AssembleContainer(const ContainerParts &parts, QByteArrayView body);

// A whole container: the stream of the parts' text and filler, encrypted, behind the header.
QByteArray EncodeContainer(const ContainerParts &parts);

} // namespace orva::test
