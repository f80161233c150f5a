// The container decoder on arbitrary bytes with a fixed key: a defined result code, and a decoded text
// only with code 0.
#include "fuzz_support.h"
#include "storage/crypto_container.h"
#include "storage/crypto_key.h"

using namespace orva;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString key = PrepareCryptoKey(u"fuzzing key");
    const CryptoDecodeResult result = DecodeCryptoContainer(fuzzBytes(data, size), key);
    ORVA_FUZZ_CHECK(int(result.code) >= 0 && int(result.code) <= 5);
    ORVA_FUZZ_CHECK(result.ok() || result.textBytes.isEmpty());
    return 0;
}
