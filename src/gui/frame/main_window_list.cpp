// List mode of the main window: "Открыть" with the list setting on shows the configuration files of the
// list folder in place of the pages; a file opened from there becomes the working configuration.
#include "frame/main_window.h"

#include "dialogs/modal_questions.h"
#include "frame/file_list_mode.h"
#include "frame/status_line.h"

#include <QDir>
#include <QTabWidget>

namespace orva {

void TForm2::OpenFileList()
{
    m_fileList->OpenFileList(m_settings.listPath);
    ButtonVisible(false);
}

void TForm2::ButtonVisible(bool editorMode)
{
    for (PictureButton *button :
         {m_buttons.open, m_buttons.print, m_buttons.save, m_buttons.defaults, m_buttons.config})
        button->setVisible(editorMode);
    // "В устройство..." comes back only while it is enabled: read-only mode keeps it hidden.
    if (!editorMode || m_buttons.saveToDevice->isEnabled())
        m_buttons.saveToDevice->setVisible(editorMode);
    m_pages->setVisible(editorMode);
    m_fileList->SetListVisible(!editorMode);
}

void TForm2::ListFileConfigDblClick()
{
    const QString name = m_fileList->SelectedFileName();
    if (name.isEmpty())
        return;
    const QString fileName = QDir(m_fileList->folder()).filePath(name);
    int kind = StatusKind::Saved;
    if (m_fileList->SelectedType() == ListFileType::Container) {
        // A container is tried first with the key last confirmed in the key dialog.
        QString key = questions().KeyState().lastConfirmedKey;
        if (!CryptoLoadFromFile(fileName, key))
            return; // the list stays
        LoadFormFromFile(model(), key);
        kind = StatusKind::Device;
    } else if (!LoadPlainFile(fileName)) {
        return;
    }
    ShowFileStatus(fileName, kind);
    SetCaptionFile(fileName);
    Redraw_All();
    ButtonVisible(true);
}

void TForm2::B_CancelOpenListClick()
{
    ButtonVisible(true);
}

void TForm2::B_OpenDirectlyClick()
{
    ButtonVisible(true);
    OpenFileDirectly();
}

} // namespace orva
