#pragma once

#include "dialogs/modal_result.h"

#include <QString>
#include <QStringList>

class QPrinter;

namespace orva {

// Every modal interaction of the main window is a question put through ModalQuestions: the program's
// own implementation shows the dialog, a test's answers from a script and records what was asked.
// A new kind of question is a new QuestionKind, the fields it needs, and a handler in DialogQuestions.
enum class QuestionKind {
    ErrorBox,      // TFormErrorMessage
    InfoBox,       // TFormOkMessage
    FileKey,       // TFormDialogSetKeyConfig
    OpenFile,      // the standard open dialog
    SaveFile,      // the standard save dialog (overwrite prompt on)
    RemovableDisk, // TFormLogicalDisks
    Folder,        // TFormSelectPathTree
    Settings,      // TDialogConfig
    Print,         // the standard print dialog
};

struct Question
{
    QuestionKind kind = QuestionKind::ErrorBox;
    QString headline; // boxes: the headline; file dialogs: the window title (empty: the dialog's own)
    QString hint;     // boxes: the second line

    // Error box: which buttons it shows ("Исправить", "Продолжить", "Установить \"по-умолчанию\"").
    bool fix = false;
    bool cont = false;
    bool offerDefault = false;
    // Information box: "Отказаться" offered.
    bool offerCancel = false;

    // Key dialog: prepare the layout of the key check first; show "(текущий ключ не верный)";
    // put `text` into the entry field first when `replaceText` is set.
    bool prepareLayout = false;
    bool wrongKey = false;
    bool replaceText = false;

    // Key dialog: the entry text; folder chooser: the folder to start from; save dialog: the proposed
    // file name.
    QString text;
    // File dialogs: initial folder, filters ("Конфигурация прибора (*.ini)" form), the preselected one
    // and the extension added to a name without one.
    QString folder;
    QStringList filters;
    int selectedFilter = 0;
    QString defaultSuffix;

    // Print dialog: the printer it sets up.
    QPrinter *printer = nullptr;

    static Question Error(const QString &headline, const QString &hint, bool fix, bool cont);
    static Question ErrorWithDefault(const QString &headline, const QString &hint, bool offerDefault);
    static Question Info(const QString &headline, const QString &hint, bool offerCancel);
    static Question Of(QuestionKind kind);
};

struct Answer
{
    int result = ModalResult::Cancel;
    // Key dialog: the entry text; file dialogs: the chosen file; disk chooser: the disk's root path;
    // folder chooser: the chosen folder.
    QString text;
    // File dialogs: the filter chosen.
    int filterIndex = 0;

    bool ok() const { return result == ModalResult::Ok; }
};

// What the key dialog holds between its showings: the entry field's text, which stays from one showing
// to the next, and the key last confirmed with "Применить" during the run.
struct KeyDialogState
{
    QString entryText;
    QString lastConfirmedKey;
};

class ModalQuestions
{
public:
    virtual ~ModalQuestions() = default;
    virtual Answer Ask(const Question &question) = 0;
    // Reads the key dialog without showing it (the first key tried when a container is opened).
    virtual KeyDialogState KeyState() const { return {}; }
};

} // namespace orva
