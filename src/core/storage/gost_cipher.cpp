#include "gost_cipher.h"

#include <gcrypt.h>

#include <memory>

namespace orva {
namespace {

struct CipherCloser
{
    void operator()(gcry_cipher_hd_t handle) const { gcry_cipher_close(handle); }
};
using CipherHandle = std::unique_ptr<std::remove_pointer_t<gcry_cipher_hd_t>, CipherCloser>;

QString gcryptError(const char *what, gcry_error_t error)
{
    return QStringLiteral("%1: %2").arg(QLatin1StringView(what),
                                        QString::fromLocal8Bit(gcry_strerror(error)));
}

CryptoLibraryStatus initialize()
{
    CryptoLibraryStatus status;
    // The version check must come before any other call: it also sets up libgcrypt's subsystems.
    if (!gcry_check_version(GCRYPT_VERSION)) {
        status.error =
            QStringLiteral("libgcrypt %1 or newer is needed, %2 is installed")
                .arg(QLatin1StringView(GCRYPT_VERSION), QLatin1StringView(gcry_check_version(nullptr)));
        return status;
    }
    // Another part of the process may have initialised it already; then its settings stand.
    if (!gcry_control(GCRYCTL_INITIALIZATION_FINISHED_P)) {
        gcry_control(GCRYCTL_DISABLE_SECMEM, 0);
        gcry_control(GCRYCTL_INITIALIZATION_FINISHED, 0);
    }
    status.ok = true;
    return status;
}

} // namespace

const CryptoLibraryStatus &InitializeCryptoLibrary()
{
    static const CryptoLibraryStatus status = initialize();
    return status;
}

GostResult DecryptGostEcb(QByteArrayView key, QByteArrayView data)
{
    GostResult result;
    if (key.size() != GostKeySize || data.size() % GostBlockSize != 0) {
        result.error = QStringLiteral("the cipher needs a 32-byte key and whole 8-byte blocks");
        return result;
    }
    const CryptoLibraryStatus &library = InitializeCryptoLibrary();
    if (!library.ok) {
        result.error = library.error;
        return result;
    }
    gcry_cipher_hd_t raw = nullptr;
    gcry_error_t error = gcry_cipher_open(&raw, GCRY_CIPHER_GOST28147, GCRY_CIPHER_MODE_ECB, 0);
    if (error) {
        result.error = gcryptError("GOST 28147-89 is not available", error);
        return result;
    }
    const CipherHandle handle(raw);
    // gcry_cipher_set_sbox is a macro that ends in a semicolon, so it stands as a statement of its own.
    error = gcry_cipher_set_sbox(handle.get(), GostSubstitutionTableOid);
    if (error) {
        result.error = gcryptError("the substitution table is not available", error);
        return result;
    }
    error = gcry_cipher_setkey(handle.get(), key.data(), size_t(key.size()));
    if (error) {
        result.error = gcryptError("the key is refused", error);
        return result;
    }
    QByteArray plain(data.size(), Qt::Uninitialized);
    if (!plain.isEmpty()) {
        error = gcry_cipher_decrypt(handle.get(), plain.data(), size_t(plain.size()), data.data(),
                                    size_t(data.size()));
        if (error) {
            result.error = gcryptError("decryption failed", error);
            return result;
        }
    }
    result.bytes = std::move(plain);
    return result;
}

} // namespace orva
