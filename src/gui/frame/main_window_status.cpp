// The status line and the caption of the main window.
#include "frame/main_window.h"

#include "storage/config_save.h"

#include "frame/status_line.h"

#include "dialogs/modal_questions.h"
#include "widgets/colours.h"
#include "widgets/fonts.h"
#include "widgets/static_text.h"

namespace orva {

void TForm2::FormatStaticTextStatus(const QString &fileName, int kind, const QString &dateText,
                                    const QString &versionText)
{
    m_readOnly = PanelIsArmed(fileName);
    QString mark;
    if (m_readOnly) {
        // Editing and saving to a file stay possible; only writing to the panel is withheld.
        const SaveMessage armed = ArmedPanelMessage();
        questions().Ask(Question::Error(armed.headline, armed.hint, false, true));
        m_buttons.saveToDevice->hide();
        m_buttons.saveToDevice->setEnabled(false);
        SetTextColour(m_status, Colours::StatusReadOnly);
        mark = ReadOnlyMark;
    } else {
        SetTextColour(m_status, Colours::StatusNormal);
        m_buttons.saveToDevice->show();
        m_buttons.saveToDevice->setEnabled(true);
    }
    // The whole text stays readable as the line's tooltip when the version text had to be shortened.
    const int room = m_status->contentsRect().width() - 2 * m_status->margin() - 4;
    m_status->setText(FittedStatusText(m_status->fontMetrics(), room, kind, dateText, versionText, mark));
    m_status->setToolTip(StatusText(kind, dateText, versionText) + mark);
}

void TForm2::SetCaptionFile(const QString &fileName)
{
    setWindowTitle(CaptionPrefix + fileName);
    m_configurationFile = fileName;
}

} // namespace orva
