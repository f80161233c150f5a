#pragma once

#include "storage/file_list.h"
#include "validation/validation.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace orva {

// What an audit of a folder of panels' configurations finds.
enum class FindingKind : quint8 {
    Checks,            // one file fails save-time checks
    Unreadable,        // a file cannot be read
    NotAContainer,     // a *.cry file whose header is not a container's
    ContainerSize,     // a container whose body is cut short or not whole cipher blocks: no key opens it
    SameIdentifier,    // two or more panels with one GPRS identifier: a station cannot tell them apart
    SameGprsKey,       // two or more panels with one non-zero GPRS key
    FactoryIdentifier, // the all-zero identifier while GPRS is on
    FactoryGprsKey,    // the all-zero GPRS key while GPRS is on
    SameFileKey,       // two or more panels with one file key
    EmptyFileKey,      // panels without a file key
    SameDeviceName,    // two or more panels with one device name
};

struct AuditFinding
{
    FindingKind kind = FindingKind::Checks;
    QString value;               // the shared identifier or device name; empty for keys (never printed)
    QStringList files;           // file names (without folder) in the list's order
    QList<RuleFailure> failures; // Checks: the failing rules in chain order
};

struct FolderAudit
{
    QList<AuditFinding> findings;
    QStringList plainFiles; // the files examined whole
    QStringList headerOnly; // the containers examined from their header (device name, identifier)
};

// Examines every configuration file of the folder as the file list does (plain files parsed whole,
// containers from their header) and reports what is wrong in one file and across the files. A file
// that cannot be read is a finding and the audit goes on. A plain file is judged as the editor holds it
// after opening (the store form applied).
FolderAudit AuditFolder(const QString &folder);

// "check", "same-identifier", ... for the command line's output.
QString FindingKindName(FindingKind kind);
// What the finding means, in a few words.
QString FindingDescription(FindingKind kind);

} // namespace orva
