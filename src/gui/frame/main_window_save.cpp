// The writing side of the main window: "Сохранить", "В устройство..." and "По-умолчанию".
#include "frame/main_window.h"

#include "frame/status_line.h"

#include "dialogs/modal_questions.h"
#include "storage/config_file.h"
#include "storage/file_name_mask.h"

#include <QTabWidget>

namespace orva {
namespace {

// The save dialog's filters. Qt takes a filter's patterns from its parentheses, separated by blanks.
QStringList SaveFilters()
{
    return {
        QStringLiteral("Конфигурация прибора (*.ini)"),
        QStringLiteral("Конфигурация GSM-прибора (*.gsm)"),
        QStringLiteral("Все поддерживаемые форматы (*.ini *.gsm)"),
    };
}

constexpr QLatin1StringView DefaultSaveName("config.ini");

} // namespace

std::optional<QByteArray> TForm2::StoredConfiguration()
{
    UnLoad_All();
    // A failing check has told the user already.
    if (!Check_All(false))
        return std::nullopt;
    ConfigurationBytes encoded = EncodeConfiguration(model());
    if (!encoded.ok()) {
        // The checks refuse every text without a Windows-1251 form; should one slip through, nothing is
        // written rather than a substitute.
        const SaveMessage failure = SaveFailureMessage(SaveOutcome::CannotCreate);
        questions().Ask(Question::Error(failure.headline, encoded.error, true, false));
        return std::nullopt;
    }
    return std::move(encoded.bytes);
}

void TForm2::ReportSaveOutcome(SaveOutcome outcome, const SaveMessage &success)
{
    if (outcome == SaveOutcome::Saved) {
        questions().Ask(Question::Info(success.headline, success.hint, false));
        return;
    }
    const SaveMessage failure = SaveFailureMessage(outcome);
    questions().Ask(Question::Error(failure.headline, failure.hint, true, false));
}

void TForm2::B_SaveClick()
{
    const std::optional<QByteArray> bytes = StoredConfiguration();
    if (!bytes)
        return;

    // In list mode the dialog starts in the list folder, once given for the rest of the run.
    if (m_settings.listMode && m_saveFolder.isEmpty())
        m_saveFolder = m_settings.listPath;
    Question ask = Question::Of(QuestionKind::SaveFile);
    ask.folder = m_saveFolder;
    ask.filters = SaveFilters();
    ask.defaultSuffix = QStringLiteral("ini");
    ask.text = m_settings.maskMode ? FormFileNameByMask(m_settings.mask, model().get(Panel::Name),
                                                        model().get(Gprs::Identifier))
                                   : DefaultSaveName;
    const Answer chosen = questions().Ask(ask);
    if (!chosen.ok() || chosen.text.isEmpty())
        return;

    // The old file is replaced only by a complete new one; it is never deleted first.
    ReportSaveOutcome(SaveConfigurationFile(chosen.text, *bytes), FileSavedMessage());
}

void TForm2::B_SaveToDeviceClick()
{
    const std::optional<QByteArray> bytes = StoredConfiguration();
    if (!bytes)
        return;
    const Answer disk = questions().Ask(Question::Of(QuestionKind::RemovableDisk));
    if (!disk.ok() || disk.text.isEmpty())
        return;
    // config.ini replaced whole, then clock.txt, then config.ini read back and compared.
    ReportSaveOutcome(WriteToDevice(disk.text, *bytes, m_deviceReadBack), DeviceWrittenMessage());
}

void TForm2::B_DefaultClick()
{
    const Answer answer = questions().Ask(
        Question::Info(QStringLiteral("Вы хотите \"сбросить\" настройки в значение \"по-умолчанию\"?"),
                       QStringLiteral("(все введённые значения параметров будут потеряны)"), true));
    if (answer.result != ModalResult::Ok)
        return;
    m_pages->hide();
    model().ResetToDefaults();
    Redraw_All();
    FormatStaticTextStatus(QString(), StatusKind::Default, QString(), QString());
    SetCaptionFile(QString());
    m_pages->show();
}

} // namespace orva
