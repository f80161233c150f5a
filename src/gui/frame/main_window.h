#pragma once

#include "frame/bottom_buttons.h"
#include "orva_version.h"
#include "pages/editor_page.h"
#include "pages/page_host.h"

#include "random/program_random.h"
#include "storage/config_save.h"
#include "storage/program_settings.h"
#include "validation/validation.h"

#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class QPlainTextEdit;
class QTabWidget;

namespace orva {

class CheckRules;
class FieldChanges;
class FileListMode;
class ControlBinder;
class ModalQuestions;
class StaticText;
class TextPage;

// The program's editing window: the pages of PagesParam, the status line and the row of picture
// buttons. It owns the data cycle between the pages and the working model (Redraw_All, UnLoad_All,
// Check_All), the status line, and the one place through which every modal question is asked. The
// pages' own work lives in their units.
class TForm2 : public QWidget, public PageHost
{
    Q_OBJECT
public:
    static inline const QString DesignCaption =
        QStringLiteral("Конфигуратор ППКОП \"Zentrix Orva\" v.3.0.0.0");
    static inline const QString CaptionPrefix =
        QStringLiteral("Конфигуратор ППКОП \"Zentrix Orva\" v." ORVA_VERSION "   =>   ");

    // FormCreate: builds the pages (and their run-time controls), the status line and the buttons.
    explicit TForm2(QWidget *parent = nullptr);
    ~TForm2() override;

    // Start-up wiring, before the first showing.
    void AttachModels(T_Command_DEVICE *working, T_Command_DEVICE *list, ProgramRandom *random);
    void SetQuestions(std::unique_ptr<ModalQuestions> questions);
    void SetSettingsStore(SettingsStore *store) { m_settingsStore = store; }
    void SetCheckRules(std::unique_ptr<CheckRules> rules);
    // The command line after the program's name (start_arguments.h says how it is read).
    void SetArguments(const QStringList &arguments) { m_arguments = arguments; }
    void SetProgramFolder(const QString &folder) { m_programFolder = folder; }
    // How "В устройство..." reads config.ini back for its comparison (the file itself by default).
    void SetDeviceReadBack(DeviceReadBack readBack) { m_deviceReadBack = std::move(readBack); }

    // PageHost
    T_Command_DEVICE &model() override;
    ModalQuestions &questions() override;
    ProgramRandom &random() override;
    QString programFolder() const override { return m_programFolder; }
    bool isUpdating() const override { return m_updating; }
    void setUpdating(bool updating) override { m_updating = updating; }

    T_Command_DEVICE &listModel();
    ProgramSettings &settings() { return m_settings; }

    // The data cycle.
    void Redraw_All();
    void UnLoad_All();
    // Runs the page checks in chain order and stops at the first one the user does not let pass. The
    // flag is handed on to the checks, which do not use it.
    bool Check_All(bool flag = false);
    // One page's check alone.
    bool RunCheck(CheckId check);

    // The status line: 0 default configuration, 1 read from a file, 2 encrypted configuration from the
    // file list. A file whose folder holds "lock.txt" puts the window into read-only mode.
    void FormatStaticTextStatus(const QString &fileName, int kind, const QString &dateText,
                                const QString &versionText);
    bool IsReadOnly() const { return m_readOnly; }
    // The caption: the prefix followed by the file's full name (or by nothing); the file is also the
    // one print-to-file names the record after.
    void SetCaptionFile(const QString &fileName);
    // Puts the page "Текст" into the tab bar or takes it out.
    void SetDebugPageVisible(bool visible);

    // The file side of the window (main_window_open.cpp, main_window_save.cpp).
    // The shared load step: the text of Memo1 into `target` (reset to its defaults first); a container's
    // opening key becomes the file key when the text holds none; then every page is redrawn.
    void LoadFormFromFile(T_Command_DEVICE &target, const QString &key = QString());
    // Opens a container, asking for the key in the key dialog until a key fits, the file turns out to be
    // bad (the error box tells) or the user gives up (nothing is told). On success Memo1 holds the text
    // and `key` the key that opened it, as typed.
    bool CryptoLoadFromFile(const QString &fileName, QString &key);
    // "Открыть" in normal mode: the standard open dialog, then a plain file or a container.
    void OpenFileDirectly();
    // The start-up load runs once, right after the first showing has returned to the event loop (its
    // key dialog must not open inside the show event); true once it has finished.
    bool StartUpFinished() const { return m_startUpFinished; }

Q_SIGNALS:
    // The first showing has finished: the start-up load ran, the caption is set, the pages are shown.
    void StartUpLoaded();

public:
    QTabWidget *PagesParam() const { return m_pages; }
    QPlainTextEdit *Memo1() const;
    StaticText *StaticTextStatus() const { return m_status; }
    const BottomButtons &Buttons() const { return m_buttons; }
    FileListMode *FileList() const { return m_fileList; }
    // Which field of the working configuration changed, and whether the user or the program changed it.
    FieldChanges *Changes() const { return m_changes; }
    EditorPage *Page(PageSlot slot) const override;
    QWidget *LastFocused(PageSlot slot) const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void CreatePages();
    void HideZoneControls();
    // The Tab chain: the tab bar, the pages' controls, then the bottom buttons (frame/tab_chain).
    void ChainTabsInPageOrder();
    // Ctrl+Tab and Ctrl+Shift+Tab as the window's shortcuts.
    void BindPageKeys();
    // Makes the next (step 1) or the previous (-1) page current.
    void TurnPage(int step);
    void FormShow();
    void FinishFirstShowing();
    QString StartUpLoad();
    void PageShown(int index);

    // The buttons of the file side.
    void B_OpenClick();
    // List mode: the configuration file list replaces the pages and the user picks a file there.
    void OpenFileList();
    // Switches the bottom of the window between editor mode (pages and their buttons) and list mode.
    void ButtonVisible(bool editorMode);
    void B_SaveClick();
    void B_SaveToDeviceClick();
    void B_DefaultClick();
    void B_ConfigClick();
    void B_PrintClick();

    // Memo1 takes the file's lines and the working model is loaded from it; false (after the error box)
    // when the file cannot be read.
    bool LoadPlainFile(const QString &fileName);
    void ReportOpenFailure();
    // The status line of a configuration read from a file (kind 1 or 2): its date and version text.
    void ShowFileStatus(const QString &fileName, int kind);
    // UnLoad_All, Check_All and the writer; no bytes when a check stops or the text cannot be encoded.
    std::optional<QByteArray> StoredConfiguration();
    void ReportSaveOutcome(SaveOutcome outcome, const SaveMessage &success);

    bool RunChecks(ChainPosition from, std::optional<CheckId> only);
    void ReturnToFailure(const RuleFailure &failure);
    EditorPage *PageNamed(const QString &objectName) const;

    void ListFileConfigDblClick();
    void B_CancelOpenListClick();
    void B_OpenDirectlyClick();

    QTabWidget *m_pages = nullptr;
    FileListMode *m_fileList = nullptr;
    TextPage *m_textPage = nullptr;
    QWidget *m_zoneTab = nullptr; // the never-shown page "Разделы", owned here
    std::array<EditorPage *, PageSlotCount> m_pageList{};
    StaticText *m_status = nullptr;
    BottomButtons m_buttons;
    ImageList m_buttonImages;
    ControlBinder *m_binder = nullptr;

    T_Command_DEVICE *m_working = nullptr;
    FieldChanges *m_changes = nullptr; // over the working model
    T_Command_DEVICE *m_list = nullptr;
    ProgramRandom *m_random = nullptr;
    ProgramRandom m_ownRandom;
    std::unique_ptr<ModalQuestions> m_questions;
    std::unique_ptr<CheckRules> m_checkRules;
    SettingsStore *m_settingsStore = nullptr;
    ProgramSettings m_settings;
    QStringList m_arguments;
    QString m_programFolder;
    // The save dialog's initial folder: the list folder, once given in list mode, for the whole run.
    QString m_saveFolder;
    DeviceReadBack m_deviceReadBack;
    // The configuration file the caption names (empty after "По-умолчанию"): print-to-file's name.
    QString m_configurationFile;
    bool m_shown = false;
    bool m_startUpFinished = false;
    bool m_readOnly = false;
    bool m_updating = false;
};

} // namespace orva
