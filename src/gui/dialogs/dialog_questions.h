#pragma once

#include "dialogs/modal_questions.h"

class QWidget;

namespace orva {

class TDialogConfig;
class TFormDialogSetKeyConfig;
class TFormErrorMessage;
class TFormLogicalDisks;
class TFormOkMessage;
class TFormSelectPathTree;

// The program's dialogs, each created once at start-up.
struct ProgramDialogs
{
    QWidget *owner = nullptr; // the main window: parent of the standard dialogs
    TFormLogicalDisks *disks = nullptr;
    TFormErrorMessage *error = nullptr;
    TFormOkMessage *ok = nullptr;
    TDialogConfig *config = nullptr;
    TFormDialogSetKeyConfig *key = nullptr;
    TFormSelectPathTree *pathTree = nullptr;
};

// Answers every question by showing its dialog modally and reading the result.
class DialogQuestions : public ModalQuestions
{
public:
    explicit DialogQuestions(const ProgramDialogs &dialogs) : m_dialogs(dialogs) {}

    Answer Ask(const Question &question) override;
    KeyDialogState KeyState() const override;

private:
    Answer AskError(const Question &q);
    Answer AskInfo(const Question &q);
    Answer AskKey(const Question &q);
    Answer AskOpenFile(const Question &q);
    Answer AskSaveFile(const Question &q);
    Answer AskDisk(const Question &q);
    Answer AskFolder(const Question &q);
    Answer AskSettings(const Question &q);
    Answer AskPrint(const Question &q);

    ProgramDialogs m_dialogs;
};

} // namespace orva
