#include "crypto_key.h"

#include "config_text/text_utils.h"

namespace orva {

QString PrepareCryptoKey(QStringView keyText)
{
    QString key = TrimBlanksAndControls(keyText);
    if (key.isEmpty())
        return key;
    while (key.size() < CryptoKeyLength)
        key += key;
    key.truncate(CryptoKeyLength);
    return key;
}

} // namespace orva
