#pragma once

// Configurations for runs of many files: every configuration fixture, and varied configurations built
// from a seed. A varied one starts from a configuration that passes every save-time check and adds
// what a load can inherit from the file before it: dial phones in a random order and with random modes
// (so that sorting moves them), zone lists, relay zones, key zones and aliases.
#include "file_bytes.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QList>
#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>

namespace orva::test {

struct NamedConfiguration
{
    QString name;
    QByteArray bytes; // Windows-1251, CR LF, as a file holds it
};

inline QByteArray VariedConfiguration(quint32 seed)
{
    QRandomGenerator random(seed);
    // Phones that only call ("Взятия", "Снятия", "Дежурные режимы") come as a full set with a connected
    // phone, as the save-time checks ask; the modes are dealt to the phones in a random order.
    QList<int> modes;
    if (random.bounded(2))
        modes << 5 << 6 << 7 << random.bounded(1, 5);
    while (modes.size() < 9)
        modes << (random.bounded(3) == 0 ? 0 : random.bounded(1, modes.contains(5) ? 8 : 5));
    std::shuffle(modes.begin(), modes.end(), random);
    QStringList lines;
    for (int phone = 1; phone <= 9; ++phone) {
        lines << QStringLiteral("dn%1-%2.+7900%3")
                     .arg(phone)
                     .arg(modes.at(phone - 1))
                     .arg(random.bounded(1000000), 7, 10, QLatin1Char('0'));
    }
    std::shuffle(lines.begin(), lines.end(), random);
    lines << QStringLiteral("ds-%1").arg(random.bounded(3));
    for (int zone = 1; zone <= 4; ++zone) {
        if (random.bounded(2))
            lines << QStringLiteral("zn%1-%2").arg(zone).arg(random.bounded(1, 5));
    }
    for (int relay = 1; relay <= 4; ++relay) {
        if (random.bounded(2))
            lines << QStringLiteral("rz%1-%2,%3")
                         .arg(relay)
                         .arg(random.bounded(1, 5))
                         .arg(random.bounded(1, 5));
    }
    for (int key = 1; key <= 15; ++key) {
        if (random.bounded(4) == 0)
            lines << QStringLiteral("ua%1-*Key%2")
                         .arg(key, 2, 10, QLatin1Char('0'))
                         .arg(random.bounded(100000));
        if (random.bounded(4) == 0)
            lines << QStringLiteral("uz%1-%2").arg(key).arg(random.bounded(1, 5));
    }
    const QByteArray base = ReadBytes(FixturePath(QStringLiteral("opensave/stored.ini")));
    return base + lines.join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
}

// The configuration fixtures (every *.ini under tests/fixtures), sorted by path.
inline QList<NamedConfiguration> FixtureConfigurations()
{
    QStringList paths;
    QDirIterator it(QStringLiteral(ORVA_FIXTURES_DIR), {QStringLiteral("*.ini")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        paths << it.next();
    paths.sort();
    QList<NamedConfiguration> configurations;
    for (const QString &path : std::as_const(paths))
        configurations.append(
            {QDir(QStringLiteral(ORVA_FIXTURES_DIR)).relativeFilePath(path), ReadBytes(path)});
    return configurations;
}

inline QList<NamedConfiguration> VariedConfigurations(quint32 count)
{
    QList<NamedConfiguration> configurations;
    for (quint32 seed = 1; seed <= count; ++seed)
        configurations.append({QStringLiteral("varied %1").arg(seed), VariedConfiguration(seed)});
    return configurations;
}

} // namespace orva::test
