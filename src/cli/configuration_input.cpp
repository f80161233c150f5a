#include "configuration_input.h"

#include "config_text/text_utils.h"
#include "device_model/store_form.h"
#include "storage/config_file.h"
#include "storage/crypto_container.h"
#include "storage/crypto_key.h"
#include "storage/file_platform.h"

#include <QFile>

namespace orva::cli {
namespace {

constexpr QLatin1StringView KeyOption("key");
constexpr QLatin1StringView KeyStdinOption("key-stdin");
// A key has at most 32 characters; a longer line is read whole up to this size and then cut as usual.
constexpr qint64 KeyLineLimit = 4096;

struct KeyText
{
    ExitCode exitCode = ExitCode::Usage;
    QString text;
};

KeyText readKey(const QCommandLineParser &parser, const QString &path, CliStreams &io)
{
    KeyText key;
    if (!parser.isSet(KeyOption) && !parser.isSet(KeyStdinOption)) {
        io.err << "orva-config: " << InputName(path) << " is an encrypted container: give its key with --key "
               << "KEY or --key-stdin" << Qt::endl;
        return key;
    }
    if (parser.isSet(KeyOption)) {
        key.exitCode = ExitCode::Ok;
        key.text = parser.value(KeyOption);
        return key;
    }
    const std::optional<QString> line = ReadKeyLine(io);
    if (!line) {
        io.err << "orva-config: standard input cannot be read for --key-stdin" << Qt::endl;
        key.exitCode = ExitCode::Unreadable;
        return key;
    }
    key.exitCode = ExitCode::Ok;
    key.text = *line;
    return key;
}

struct FailureReport
{
    CryptoResult code;
    ExitCode exitCode;
};

// Each decoding result's exit code.
constexpr FailureReport FailureReports[] = {
    {CryptoResult::BadSignature, ExitCode::BadSignature}, {CryptoResult::BadSize, ExitCode::BadSize},
    {CryptoResult::EmptyKey, ExitCode::EmptyKey},         {CryptoResult::WrongKey, ExitCode::WrongKey},
    {CryptoResult::CipherUnavailable, ExitCode::Failure},
};

ExitCode reportFailure(const CryptoDecodeResult &result, const QString &path, CliStreams &io)
{
    // A file that cannot be read is a signature failure to the decoder; here it is told as it is.
    if (result.code == CryptoResult::BadSignature && !result.detail.isEmpty()) {
        io.err << "orva-config: cannot read " << path << ": " << result.detail << Qt::endl;
        return ExitCode::Unreadable;
    }
    const CryptoFailureMessage message = CryptoFailureMessageFor(result.code);
    if (!message.isEmpty())
        io.err << "orva-config: " << path << ": " << message.headline << '\n' << message.hint << Qt::endl;
    else if (result.code == CryptoResult::EmptyKey)
        io.err << "orva-config: the key is empty" << Qt::endl;
    else if (result.code == CryptoResult::WrongKey)
        io.err << "orva-config: cannot decrypt " << path << ": the key is wrong or the file is damaged"
               << (result.detail.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(result.detail))
               << Qt::endl;
    else
        io.err << "orva-config: cannot decrypt " << path << ": " << result.detail << Qt::endl;
    for (const FailureReport &report : FailureReports) {
        if (report.code == result.code)
            return report.exitCode;
    }
    return ExitCode::Failure;
}

ConfigurationInput decoded(const CryptoDecodeResult &result, const QString &path, CliStreams &io)
{
    ConfigurationInput input;
    input.fromContainer = true;
    if (!result.ok()) {
        input.exitCode = reportFailure(result, path, io);
        return input;
    }
    input.exitCode = ExitCode::Ok;
    input.textBytes = result.textBytes;
    return input;
}

// Standard input and a named pipe (a shell's <(...)) are streams: read once, to their end, within the
// stream bound.
bool isStream(const QString &path)
{
    return IsStandardInput(path) || IsNamedPipe(path);
}

FileReadResult readStream(const QString &path, CliStreams &io)
{
    if (IsStandardInput(path)) {
        if (!io.in)
            return FileReadResult{false, {}, QStringLiteral("there is no standard input")};
        return ReadStreamBytes(*io.in);
    }
    QFile pipe(path);
    if (!pipe.open(QIODevice::ReadOnly))
        return FileReadResult{false, {}, pipe.errorString()};
    return ReadStreamBytes(pipe);
}

ConfigurationInput unreadable(const QString &path, const QString &error, CliStreams &io)
{
    io.err << "orva-config: cannot read " << InputName(path) << ": " << error << Qt::endl;
    ConfigurationInput input;
    input.exitCode = ExitCode::Unreadable;
    return input;
}

// Reads FILE as a plain file or, detected or as `kind` says, as a container opened with the key that
// `key` gives. A container whose layout is wrong (no signature, a body cut short) is reported as such
// before any key is asked for: no key could open it.
ConfigurationInput readInput(const QString &path, CliStreams &io, InputKind kind,
                             const std::function<KeyText()> &key)
{
    const QString name = InputName(path);
    ConfigurationInput input;
    FileReadResult read = isStream(path)
                              ? readStream(path, io)
                              : ReadFileBytes(path, kind == InputKind::Container ? CryptoFileReadLimit : -1);
    if (!read.ok)
        return unreadable(path, read.error, io);
    if (kind != InputKind::Container && !IsContainerInput(path, read.bytes)) {
        input.exitCode = ExitCode::Ok;
        input.textBytes = std::move(read.bytes);
        return input;
    }
    CryptoDecodeResult layout;
    layout.code = CheckCryptoLayout(read.bytes);
    if (!layout.ok())
        return decoded(layout, name, io);
    const KeyText given = key();
    if (given.exitCode != ExitCode::Ok) {
        input.exitCode = given.exitCode;
        return input;
    }
    ConfigurationInput container =
        decoded(DecodeCryptoContainer(read.bytes, PrepareCryptoKey(given.text)), name, io);
    container.key = TrimBlanksAndControls(given.text);
    return container;
}

} // namespace

void AddKeyOptions(QCommandLineParser &parser)
{
    parser.addOption(QCommandLineOption(
        KeyOption, QStringLiteral("The container's file key (visible to other users of this computer)."),
        QStringLiteral("KEY")));
    parser.addOption(QCommandLineOption(KeyStdinOption,
                                        QStringLiteral("Read the container's file key from the first line of "
                                                       "standard input.")));
}

ConfigurationInput ReadConfigurationInput(const QCommandLineParser &parser, const QString &path,
                                          CliStreams &io, InputKind kind)
{
    const auto wrong = [&](const char *message) {
        io.err << "orva-config: " << message << Qt::endl;
        ConfigurationInput input;
        input.exitCode = ExitCode::Usage;
        return input;
    };
    if (parser.isSet(KeyOption) && parser.isSet(KeyStdinOption))
        return wrong("give --key or --key-stdin, not both");
    if (IsStandardInput(path) && parser.isSet(KeyStdinOption))
        return wrong("standard input cannot hold both FILE and its key: give --key KEY, or FILE by its name");
    return readInput(path, io, kind, [&] { return readKey(parser, path, io); });
}

ConfigurationInput ReadConfigurationInputWithKey(const QString &path, const std::optional<QString> &key,
                                                 const QString &keyOption, CliStreams &io)
{
    return readInput(path, io, InputKind::Detect, [&] {
        KeyText given;
        if (!key) {
            io.err << "orva-config: " << InputName(path) << " is an encrypted container: give its key with --"
                   << keyOption << " KEY or --keys-stdin" << Qt::endl;
            return given;
        }
        given.exitCode = ExitCode::Ok;
        given.text = *key;
        return given;
    });
}

bool IsStandardInput(const QString &path)
{
    return path == u"-";
}

QString InputName(const QString &path)
{
    return IsStandardInput(path) ? QStringLiteral("standard input") : path;
}

std::optional<QString> ReadKeyLine(CliStreams &io)
{
    if (!io.in)
        return std::nullopt;
    // In the terminal's encoding like a key on the command line; no line at all is an empty key.
    QByteArray line = io.in->readLine(KeyLineLimit);
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return QString::fromLocal8Bit(line);
}

bool IsContainerInput(const QString &path, QByteArrayView bytes)
{
    return IsContainerFileName(path) || HasCryptoSignature(bytes);
}

void LoadEditorModel(const ConfigurationInput &input, T_Command_DEVICE &model)
{
    LoadConfigurationText(ConfigurationTextFromBytes(input.textBytes), model, input.key);
    ApplyStoreForm(model);
}

} // namespace orva::cli
