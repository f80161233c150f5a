#pragma once

#include "one_file_command.h"
#include "storage/config_save.h"

namespace orva::cli {

// orva-config save FILE -o OUT: what the editor's "Сохранить" writes for FILE opened and saved unchanged.
class SaveCommand : public OneFileCommand
{
public:
    QString name() const override { return QStringLiteral("save"); }
    QString description() const override;
    QList<ExitCode> exitCodes() const override { return ReadingExitCodes + QList{ExitCode::ChecksFail}; }
    void configure(QCommandLineParser &parser) const override;

protected:
    ExitCode beforeReading(const QCommandLineParser &parser, const QString &path,
                           CliStreams &io) const override;
    ExitCode run(const QCommandLineParser &parser, const QString &path, const ConfigurationInput &input,
                 CliStreams &io) const override;
};

// orva-config write-device FILE --disk DIR: what the editor's "В устройство..." writes onto the panel's
// disk for FILE opened unchanged: config.ini, then clock.txt, then config.ini read back and compared.
class WriteDeviceCommand : public OneFileCommand
{
public:
    // `readBack` reads config.ini back for the comparison (the file itself when empty).
    explicit WriteDeviceCommand(DeviceReadBack readBack = {}) : m_readBack(std::move(readBack)) {}
    QString name() const override { return QStringLiteral("write-device"); }
    QString description() const override;
    QList<ExitCode> exitCodes() const override
    {
        return ReadingExitCodes + QList{ExitCode::ChecksFail, ExitCode::PanelArmed, ExitCode::NotVerified};
    }
    void configure(QCommandLineParser &parser) const override;

protected:
    ExitCode beforeReading(const QCommandLineParser &parser, const QString &path,
                           CliStreams &io) const override;
    ExitCode run(const QCommandLineParser &parser, const QString &path, const ConfigurationInput &input,
                 CliStreams &io) const override;

private:
    DeviceReadBack m_readBack;
};

} // namespace orva::cli
