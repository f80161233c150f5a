#include "container_encoder.h"

#include "reference_gost.h"
#include "storage/crc16.h"

#include <QRandomGenerator>

namespace orva::test {
namespace {

QByteArray fitted(QByteArrayView field, qsizetype size)
{
    QByteArray bytes = field.first(qMin(field.size(), size)).toByteArray();
    bytes.append(size - bytes.size(), ' ');
    return bytes;
}

} // namespace

const QByteArray ContainerSignatureLine = QByteArrayLiteral("\xCF\xCF\xCA\xCE\xCF ZENTRIX-Orva");

QByteArray RepeatKeyBytes(QByteArrayView keyBytes)
{
    QByteArray key;
    for (qsizetype i = 0; !keyBytes.isEmpty() && i < 32; ++i)
        key.append(keyBytes[i % keyBytes.size()]);
    return key;
}

QByteArray MakeContainerStream(QByteArrayView text, int filler)
{
    while ((filler + text.size() + 3) % 8 != 0)
        ++filler;
    if (filler > 255)
        return {};
    QByteArray stream;
    QRandomGenerator random(quint32(filler + text.size()));
    for (int i = 0; i < filler; ++i)
        stream.append(char(random.bounded(256)));
    stream.append(text.data(), text.size());
    const quint16 crc = Crc16Modbus(text);
    stream.append(char(crc >> 8));
    stream.append(char(crc & 0xFF));
    stream.append(char(filler));
    return stream;
}

QByteArray EncryptContainerStream(QByteArrayView stream, QByteArrayView keyBytes)
{
    QByteArray chained(stream.size(), Qt::Uninitialized);
    quint8 previous = 0;
    for (qsizetype k = 0; k < stream.size(); ++k) {
        const quint8 mixed = quint8(stream[k]) ^ previous;
        previous = quint8((mixed << 1) | (mixed >> 7));
        chained[k] = char(previous);
    }
    return ReferenceGostEncrypt(keyBytes, chained);
}

QByteArray AssembleContainer(const ContainerParts &parts, QByteArrayView body)
{
    QByteArray file = parts.signatureLine;
    file += parts.lineBreaks;
    file += fitted(parts.deviceName, 10);
    file += fitted(parts.identifier, 12);
    file.append(body.data(), body.size());
    return file;
}

QByteArray EncodeContainer(const ContainerParts &parts)
{
    const QByteArray stream = MakeContainerStream(parts.text, parts.filler);
    if (stream.isEmpty())
        return {};
    return AssembleContainer(parts, EncryptContainerStream(stream, parts.keyBytes));
}

} // namespace orva::test
