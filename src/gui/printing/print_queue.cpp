#include "print_queue.h"

#include <QPrinter>

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
#include <dlfcn.h>
#endif

namespace orva {

bool PrintsToQueue(const QPrinter &printer)
{
    return printer.outputFormat() == QPrinter::NativeFormat && printer.outputFileName().isEmpty();
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)

namespace {

// IPP status codes from 0x0400 up are errors (client-error-bad-request and beyond).
constexpr int IppFirstError = 0x0400;

// Closes the reference a lookup took on the already loaded library.
struct LibraryReference
{
    void *handle = nullptr;
    ~LibraryReference()
    {
        if (handle)
            dlclose(handle);
    }
};

} // namespace

QString QueueRefusal()
{
    // Only a library that is already loaded is looked at: without it no job went through CUPS.
    const LibraryReference cups{dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD)};
    if (!cups.handle)
        return {};
    using LastError = int (*)();
    using LastErrorString = const char *(*)();
    const auto lastError = reinterpret_cast<LastError>(dlsym(cups.handle, "cupsLastError"));
    const auto lastErrorString = reinterpret_cast<LastErrorString>(dlsym(cups.handle, "cupsLastErrorString"));
    if (!lastError || lastError() < IppFirstError)
        return {};
    const char *message = lastErrorString ? lastErrorString() : nullptr;
    return message && *message ? QString::fromLocal8Bit(message)
                               : QStringLiteral("IPP %1").arg(lastError(), 0, 16);
}

#else

QString QueueRefusal()
{
    return {};
}

#endif

} // namespace orva
