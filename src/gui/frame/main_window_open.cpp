// The loading side of the main window: the shared load step, the start-up load, "Открыть" and the
// key-asking loop of containers.
#include "frame/main_window.h"

#include "frame/start_arguments.h"
#include "frame/status_line.h"
#include "frame/text_page.h"

#include "config_text/text_utils.h"
#include "dialogs/modal_questions.h"
#include "storage/config_file.h"
#include "storage/crypto_container.h"
#include "storage/crypto_key.h"
#include "storage/folder_entries.h"
#include "storage/short_date.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTabWidget>

namespace orva {
namespace {

// The open dialog's filters; the fourth is preselected. Qt takes a filter's patterns from its
// parentheses, separated by blanks.
QStringList OpenFilters()
{
    return {
        QStringLiteral("Конфигурация прибора (*.ini)"),
        QStringLiteral("Конфигурация GSM-прибора (*.gsm)"),
        QStringLiteral("Шифрованная конфигурация (*.cry)"),
        QStringLiteral("Все поддерживаемые форматы (*.ini *.gsm *.cry)"),
    };
}
constexpr int OpenFilterAllSupported = 3;

// config.ini, else config.cry, in the current folder, written with the platform's separator.
QString StartUpFile(const char16_t *name)
{
    return QDir::toNativeSeparators(QStringLiteral("./") + QString::fromUtf16(name));
}

} // namespace

void TForm2::LoadFormFromFile(T_Command_DEVICE &target, const QString &key)
{
    // The key as typed may carry blanks at its ends; the cipher ignores them, and as file key they would
    // neither read back nor pass the save checks.
    LoadConfigurationText(m_textPage->ConfigurationText(), target, TrimBlanksAndControls(key));
    Redraw_All();
}

void TForm2::ReportOpenFailure()
{
    const SaveMessage failure = OpenFailureMessage();
    questions().Ask(Question::Error(failure.headline, failure.hint, true, false));
}

bool TForm2::LoadPlainFile(const QString &fileName)
{
    // Only a regular file is read (a pipe or a device could block the window); the reader refuses others.
    const FileReadResult read = ReadFileBytes(fileName);
    if (!read.ok) {
        ReportOpenFailure();
        return false;
    }
    m_textPage->SetConfigurationText(ConfigurationTextFromBytes(read.bytes));
    LoadFormFromFile(model());
    return true;
}

void TForm2::ShowFileStatus(const QString &fileName, int kind)
{
    const QDate modified = FileLastModified(fileName).date();
    FormatStaticTextStatus(fileName, kind, ShortDateText(modified), model().get(Panel::Version));
}

QString TForm2::StartUpLoad()
{
    const StartArguments start = ParseStartArguments(m_arguments);
    if (start.debug)
        SetDebugPageVisible(true);
    QString fileName = start.file;
    if (fileName.isEmpty()) {
        fileName = StartUpFile(u"config.ini");
        if (!QFileInfo(fileName).isFile())
            fileName = StartUpFile(u"config.cry");
    }

    if (!QFileInfo(fileName).isFile()) {
        m_textPage->Clear();
        LoadFormFromFile(model());
        FormatStaticTextStatus(fileName, StatusKind::Default, QString(), QString());
        return fileName;
    }
    if (IsContainerFileName(fileName)) {
        // At start-up the key dialog is always shown: the first key is empty.
        QString key;
        if (CryptoLoadFromFile(fileName, key)) {
            LoadFormFromFile(model(), key);
            ShowFileStatus(fileName, StatusKind::Saved);
            return fileName;
        }
    } else if (LoadPlainFile(fileName)) {
        ShowFileStatus(fileName, StatusKind::Saved);
        return fileName;
    }
    // The file could not be opened: the defaults, without a file.
    m_textPage->Clear();
    LoadFormFromFile(model());
    FormatStaticTextStatus(QString(), StatusKind::Default, QString(), QString());
    return QString();
}

bool TForm2::CryptoLoadFromFile(const QString &fileName, QString &key)
{
    Question ask = Question::Of(QuestionKind::FileKey);
    ask.prepareLayout = true; // the check layout, "(текущий ключ не верный)" shown
    ask.wrongKey = true;
    bool mustAsk = false;
    for (;;) {
        if (mustAsk || TrimBlanksAndControls(key).isEmpty()) {
            if (questions().KeyState().entryText.isEmpty())
                ask.wrongKey = false;
            const Answer answer = questions().Ask(ask);
            ask.prepareLayout = false;
            // "Отказаться" or closing ends the opening without a message.
            if (!answer.ok())
                return false;
            key = answer.text;
            mustAsk = false;
            // A blank entry shows the dialog again.
            if (TrimBlanksAndControls(key).isEmpty())
                continue;
        }

        m_textPage->Clear();
        const CryptoDecodeResult result = LoadCryptoFile(fileName, PrepareCryptoKey(key));
        switch (result.code) {
        case CryptoResult::Decoded:
            m_textPage->SetConfigurationText(ConfigurationTextFromBytes(result.textBytes));
            return true;
        case CryptoResult::WrongKey:
            ask.wrongKey = true;
            mustAsk = true;
            break;
        case CryptoResult::EmptyKey:
            mustAsk = true;
            break;
        case CryptoResult::BadSignature:
        case CryptoResult::BadSize: {
            const CryptoFailureMessage failure = CryptoFailureMessageFor(result.code);
            questions().Ask(Question::Error(failure.headline, failure.hint, true, false));
            return false;
        }
        case CryptoResult::CipherUnavailable:
            // Not the file's fault and not the key's: the cipher library's own words.
            questions().Ask(Question::Error(result.detail, QString(), true, false));
            return false;
        }
    }
}

void TForm2::B_OpenClick()
{
    if (m_settings.listMode)
        OpenFileList();
    else
        OpenFileDirectly();
}

void TForm2::OpenFileDirectly()
{
    Question ask = Question::Of(QuestionKind::OpenFile);
    ask.filters = OpenFilters();
    ask.selectedFilter = OpenFilterAllSupported;
    ask.defaultSuffix = QStringLiteral("ini");
    const Answer chosen = questions().Ask(ask);
    if (!chosen.ok() || chosen.text.isEmpty())
        return;

    const QString fileName = chosen.text;
    if (!QFileInfo(fileName).isFile()) {
        ReportOpenFailure();
        return;
    }
    if (!IsContainerFileName(fileName)) {
        if (!LoadPlainFile(fileName))
            return;
    } else {
        // A container is tried first with what the key dialog's entry field holds.
        QString key = questions().KeyState().entryText;
        if (!CryptoLoadFromFile(fileName, key))
            return;
        LoadFormFromFile(model(), key);
    }
    ShowFileStatus(fileName, StatusKind::Saved);
    SetCaptionFile(fileName);
    Redraw_All();
    m_pages->hide();
    m_pages->show();
}

} // namespace orva
