// Parse + write of configuration texts, against a plain line split of the same text as the baseline.
#include "config_text/text_utils.h"
#include "config_text/win1251_codec.h"
#include "config_text/writer.h"
#include "storage/config_file.h"

#include <benchmark/benchmark.h>

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

void parseAndWrite(benchmark::State &state, const QString &text)
{
    T_Command_DEVICE model;
    for (auto _ : state) {
        LoadConfigurationText(text, model);
        QStringList lines;
        WriteConfiguration(model, lines);
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}

void lineSplit(benchmark::State &state, const QString &text)
{
    for (auto _ : state) {
        QStringList lines = text.split(QStringLiteral("\r\n"));
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}

void BM_ParseWrite_Factory(benchmark::State &state)
{
    static const QString text = factoryText();
    parseAndWrite(state, text);
}
void BM_LineSplit_Factory(benchmark::State &state)
{
    static const QString text = factoryText();
    lineSplit(state, text);
}
void BM_ParseWrite_64K(benchmark::State &state)
{
    static const QString text = largeText();
    parseAndWrite(state, text);
}
void BM_LineSplit_64K(benchmark::State &state)
{
    static const QString text = largeText();
    lineSplit(state, text);
}

BENCHMARK(BM_ParseWrite_Factory);
BENCHMARK(BM_LineSplit_Factory);
BENCHMARK(BM_ParseWrite_64K);
BENCHMARK(BM_LineSplit_64K);

} // namespace

BENCHMARK_MAIN();
