// The file list's container header reader on arbitrary bytes: only the first 100 bytes count, a
// valid header has a 10-character name, and the identifier always has the list's 14-character form.
#include "fuzz_support.h"
#include "storage/crypto_header.h"

using namespace orva;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes = fuzzBytes(data, size);
    const CryptoFileHeader header = ParseCryptoFileHeader(bytes);
    ORVA_FUZZ_CHECK(header.identifier.size() == 14);
    ORVA_FUZZ_CHECK(!header.valid || header.deviceName.size() == 10);
    const CryptoFileHeader first100 = ParseCryptoFileHeader(bytes.first(qMin<qsizetype>(bytes.size(), 100)));
    ORVA_FUZZ_CHECK(first100.valid == header.valid && first100.deviceName == header.deviceName &&
                    first100.identifier == header.identifier);
    return 0;
}
