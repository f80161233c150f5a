#pragma once
// Where a system program lives: on the PATH, or in the folders that hold administration tools (not on a
// user's PATH), as tests that drive CUPS or file system tools need.

#include <QStandardPaths>
#include <QString>

namespace orva::test {

inline QString SystemTool(const QString &name)
{
    const QString onPath = QStandardPaths::findExecutable(name);
    return onPath.isEmpty() ? QStandardPaths::findExecutable(
                                  name, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin"),
                                         QStringLiteral("/usr/local/sbin"), QStringLiteral("/usr/bin"),
                                         QStringLiteral("/usr/local/bin"), QStringLiteral("/bin")})
                            : onPath;
}

} // namespace orva::test
