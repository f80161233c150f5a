// Reading and writing configuration files, from bytes to bytes: decode, parse, write and encode, against
// the least any reader must do with the same bytes: Qt's own Windows-1251 decoder and a byte search for
// the line ends.
#include "config_text/text_utils.h"
#include "config_text/win1251_codec.h"
#include "config_text/writer.h"
#include "storage/config_file.h"

#include <QStringDecoder>

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

using namespace orva;

QString factoryText()
{
    T_Command_DEVICE model;
    model.ResetToDefaults();
    return ConfigurationTextFromBytes(EncodeConfiguration(model).bytes);
}

// About 64 KB: the factory text with its values varied, repeated; later commands overwrite earlier ones.
QString largeText()
{
    const QString factory = factoryText();
    QString text;
    for (int round = 0; text.size() < 64 * 1024; ++round) {
        text += QStringLiteral("; round %1\r\n").arg(round);
        text += factory;
        text += QStringLiteral("xo-%1\r\nua%2-Door%1.12345678\r\ngs%3-10,0,%1,1.10001\r\n")
                    .arg(round % 180 + 1)
                    .arg(round % 15 + 1)
                    .arg(round % 6 + 1);
    }
    return text;
}

QByteArray bytesOf(const QString &text)
{
    return EncodeWindows1251(text).bytes;
}

// What opening and saving a file does with its bytes: the text decoded, parsed into the model, written
// and encoded again.
void parseAndWrite(benchmark::State &state, const QByteArray &bytes)
{
    T_Command_DEVICE model;
    for (auto _ : state) {
        LoadConfigurationText(ConfigurationTextFromBytes(bytes), model);
        ConfigurationBytes written = EncodeConfiguration(model);
        benchmark::DoNotOptimize(written);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

// The floor: the bytes decoded by Qt's Windows-1251 decoder, and the lines found by a byte search.
void decodeAndSplit(benchmark::State &state, const QByteArray &bytes)
{
    for (auto _ : state) {
        QStringDecoder decoder("windows-1251");
        QString text = decoder.decode(bytes);
        QList<QByteArrayView> lines;
        const char *p = bytes.constData();
        const char *const end = p + bytes.size();
        while (p < end) {
            const char *lf = static_cast<const char *>(std::memchr(p, '\n', size_t(end - p)));
            const char *stop = lf ? lf : end;
            lines.append(QByteArrayView(p, stop - p));
            p = stop + 1;
        }
        benchmark::DoNotOptimize(text);
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_ParseWrite_Factory(benchmark::State &state)
{
    static const QByteArray bytes = bytesOf(factoryText());
    parseAndWrite(state, bytes);
}
void BM_DecodeSplit_Factory(benchmark::State &state)
{
    static const QByteArray bytes = bytesOf(factoryText());
    decodeAndSplit(state, bytes);
}
void BM_ParseWrite_64K(benchmark::State &state)
{
    static const QByteArray bytes = bytesOf(largeText());
    parseAndWrite(state, bytes);
}
void BM_DecodeSplit_64K(benchmark::State &state)
{
    static const QByteArray bytes = bytesOf(largeText());
    decodeAndSplit(state, bytes);
}

BENCHMARK(BM_ParseWrite_Factory);
BENCHMARK(BM_DecodeSplit_Factory);
BENCHMARK(BM_ParseWrite_64K);
BENCHMARK(BM_DecodeSplit_64K);

} // namespace

BENCHMARK_MAIN();
