#include "fleet_audit.h"

#include "device_model/digit_groups.h"
#include "device_model/store_form.h"
#include "storage/config_file.h"
#include "storage/crypto_container.h"
#include "storage/crypto_header.h"

#include <QDir>
#include <QHash>

namespace orva {
namespace {

struct KindText
{
    FindingKind kind;
    QStringView name;
    QStringView description;
};

// clang-format off
constexpr KindText KindTexts[] = {
    {FindingKind::Checks,            u"check",              u"fails save-time checks"},
    {FindingKind::Unreadable,        u"unreadable",         u"cannot be read"},
    {FindingKind::NotAContainer,     u"not-a-container",    u"is named as a container but has no container header"},
    {FindingKind::ContainerSize,     u"container-size",     u"is a container of the wrong size (cut short, no body, or not whole cipher blocks): no key opens it"},
    {FindingKind::SameIdentifier,    u"same-identifier",    u"share one GPRS identifier: a station cannot tell them apart"},
    {FindingKind::SameGprsKey,       u"same-gprs-key",      u"share one GPRS key"},
    {FindingKind::FactoryIdentifier, u"factory-identifier", u"use GPRS with the factory identifier 0000-0000-0000"},
    {FindingKind::FactoryGprsKey,    u"factory-gprs-key",   u"use GPRS with the factory (all-zero) GPRS key"},
    {FindingKind::SameFileKey,       u"same-file-key",      u"share one file key"},
    {FindingKind::EmptyFileKey,      u"empty-file-key",     u"have no file key"},
    {FindingKind::SameDeviceName,    u"same-device-name",   u"share one device name"},
};
// clang-format on

// What one file tells about itself; empty texts where it does not tell (a container without its key).
struct PanelFacts
{
    QString file;
    QString identifier; // 12 upper-case hexadecimal digits
    QString deviceName;
    QString gprsKey; // the four parts, 64 upper-case hexadecimal digits
    QString fileKey;
    bool plain = false;
    bool gprsOn = false;
};

bool allZero(const QString &digits)
{
    return !digits.isEmpty() && digits.count(u'0') == digits.size();
}

QString shownIdentifier(const QString &digits)
{
    QString shown = digits;
    FormatDigitGroups(shown, HexDigits, u'-', u'0', 4, -12, true);
    return shown;
}

PanelFacts plainFacts(const QString &file, T_Command_DEVICE &model, FolderAudit &audit)
{
    ApplyStoreForm(model);
    PanelFacts facts;
    facts.file = file;
    facts.plain = true;
    facts.identifier = model.get(Gprs::Identifier);
    facts.deviceName = model.get(Panel::Name);
    for (int part = 1; part <= T_Command_DEVICE::GprsKeyPartCount; ++part)
        facts.gprsKey += model.get(Gprs::KeyPart, part);
    facts.fileKey = model.get(Panel::FileKey, 1);
    facts.gprsOn = model.get(Gprs::Active) > 0;
    QList<RuleFailure> failures = AllFailures(model);
    if (!failures.isEmpty())
        audit.findings.append(AuditFinding{FindingKind::Checks, {}, {file}, std::move(failures)});
    return facts;
}

PanelFacts containerFacts(const QString &folder, const ListRow &row, FolderAudit &audit)
{
    PanelFacts facts;
    facts.file = row.fileName;
    // The layout is judged as opening the container judges it, without the key.
    const FileReadResult read = ReadFileBytes(QDir(folder).filePath(row.fileName), CryptoFileReadLimit);
    const CryptoResult layout = read.ok ? CheckCryptoLayout(read.bytes) : CryptoResult::BadSignature;
    if (layout != CryptoResult::Decoded) {
        const FindingKind kind = !read.ok                          ? FindingKind::Unreadable
                                 : layout == CryptoResult::BadSize ? FindingKind::ContainerSize
                                                                   : FindingKind::NotAContainer;
        audit.findings.append(AuditFinding{kind, {}, {row.fileName}, {}});
        return facts;
    }
    const CryptoFileHeader header = ParseCryptoFileHeader(read.bytes);
    audit.headerOnly.append(row.fileName);
    facts.deviceName = header.deviceName.trimmed();
    facts.identifier = QString(header.identifier).remove(u'-').toUpper();
    return facts;
}

QString secret(const QString &)
{
    return {}; // keys are never printed
}

// One finding per value that two or more panels share, in the order of the value's first file.
void addShared(FindingKind kind, const QList<PanelFacts> &panels, QString PanelFacts::*value,
               bool (*counts)(const PanelFacts &), QString (*shown)(const QString &), FolderAudit &audit)
{
    QHash<QString, qsizetype> index;
    QList<AuditFinding> found;
    for (const PanelFacts &panel : panels) {
        if (!counts(panel))
            continue;
        const QString &v = panel.*value;
        const auto it = index.constFind(v);
        if (it == index.cend()) {
            index.insert(v, found.size());
            found.append(AuditFinding{kind, shown ? shown(v) : v, {panel.file}, {}});
        } else {
            found[*it].files.append(panel.file);
        }
    }
    for (AuditFinding &finding : found) {
        if (finding.files.size() > 1)
            audit.findings.append(std::move(finding));
    }
}

// One finding that names every panel for which `applies` holds.
void addAll(FindingKind kind, const QList<PanelFacts> &panels, bool (*applies)(const PanelFacts &),
            const QString &value, FolderAudit &audit)
{
    AuditFinding finding{kind, value, {}, {}};
    for (const PanelFacts &panel : panels) {
        if (applies(panel))
            finding.files.append(panel.file);
    }
    if (!finding.files.isEmpty())
        audit.findings.append(std::move(finding));
}

void addFleetFindings(const QList<PanelFacts> &panels, FolderAudit &audit)
{
    addShared(
        FindingKind::SameIdentifier, panels, &PanelFacts::identifier,
        [](const PanelFacts &p) { return !p.identifier.isEmpty() && !allZero(p.identifier); },
        &shownIdentifier, audit);
    addShared(
        FindingKind::SameGprsKey, panels, &PanelFacts::gprsKey,
        [](const PanelFacts &p) { return p.plain && !allZero(p.gprsKey); }, &secret, audit);
    addAll(
        FindingKind::FactoryIdentifier, panels,
        [](const PanelFacts &p) { return p.plain && p.gprsOn && allZero(p.identifier); }, {}, audit);
    addAll(
        FindingKind::FactoryGprsKey, panels,
        [](const PanelFacts &p) { return p.plain && p.gprsOn && allZero(p.gprsKey); }, {}, audit);
    addShared(
        FindingKind::SameFileKey, panels, &PanelFacts::fileKey,
        [](const PanelFacts &p) { return p.plain && !p.fileKey.isEmpty(); }, &secret, audit);
    addAll(
        FindingKind::EmptyFileKey, panels, [](const PanelFacts &p) { return p.plain && p.fileKey.isEmpty(); },
        {}, audit);
    addShared(
        FindingKind::SameDeviceName, panels, &PanelFacts::deviceName,
        [](const PanelFacts &p) { return !p.deviceName.isEmpty(); }, nullptr, audit);
}

} // namespace

FolderAudit AuditFolder(const QString &folder)
{
    FolderAudit audit;
    QList<PanelFacts> panels;
    T_Command_DEVICE model;
    for (ListFileType type : {ListFileType::Plain, ListFileType::Container}) {
        for (const QString &name : FindConfigurationFiles(folder, type)) {
            ListRow row = UnexaminedRow(name, type);
            ExamineListRow(folder, row, model, PlainExamination::WholeText);
            if (row.unreadable) {
                audit.findings.append(AuditFinding{FindingKind::Unreadable, {}, {name}, {}});
                continue;
            }
            if (type == ListFileType::Container) {
                panels.append(containerFacts(folder, row, audit));
                continue;
            }
            audit.plainFiles.append(name);
            panels.append(plainFacts(name, model, audit));
        }
    }
    addFleetFindings(panels, audit);
    return audit;
}

QString FindingKindName(FindingKind kind)
{
    for (const KindText &k : KindTexts) {
        if (k.kind == kind)
            return k.name.toString();
    }
    return {};
}

QString FindingDescription(FindingKind kind)
{
    for (const KindText &k : KindTexts) {
        if (k.kind == kind)
            return k.description.toString();
    }
    return {};
}

} // namespace orva
