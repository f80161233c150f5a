// The status line and the caption of the main window.
#include "main_window.h"

#include "storage/config_save.h"

#include "status_line.h"

#include "dialogs/colours.h"
#include "dialogs/fonts.h"
#include "dialogs/modal_questions.h"
#include "dialogs/static_text.h"

namespace orva {

void TForm2::FormatStaticTextStatus(const QString &fileName, int kind, const QString &dateText,
                                    const QString &versionText)
{
    QString text = StatusText(kind, dateText, versionText);
    m_readOnly = PanelIsArmed(fileName);
    if (m_readOnly) {
        // Editing and saving to a file stay possible; only writing to the panel is withheld.
        const SaveMessage armed = ArmedPanelMessage();
        questions().Ask(Question::Error(armed.headline, armed.hint, false, true));
        m_buttons.saveToDevice->hide();
        m_buttons.saveToDevice->setEnabled(false);
        SetTextColour(m_status, Colours::StatusReadOnly);
        text += ReadOnlyMark;
    } else {
        SetTextColour(m_status, Colours::StatusNormal);
        m_buttons.saveToDevice->show();
        m_buttons.saveToDevice->setEnabled(true);
    }
    m_status->setText(text);
}

void TForm2::SetCaptionFile(const QString &fileName)
{
    setWindowTitle(CaptionPrefix + fileName);
    m_configurationFile = fileName;
}

} // namespace orva
