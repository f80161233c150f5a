#include "dialogs/dialog_questions.h"

#include "dialogs/config_dialog.h"
#include "dialogs/error_message.h"
#include "dialogs/file_types.h"
#include "dialogs/key_dialog.h"
#include "dialogs/logical_disks.h"
#include "dialogs/ok_message.h"
#include "dialogs/path_tree.h"

#include <QFileDialog>
#include <QPrintDialog>

#include <array>

namespace orva {
namespace {

using Handler = Answer (DialogQuestions::*)(const Question &);

int Shown(QDialog *dialog)
{
    return dialog ? dialog->exec() : ModalResult::Cancel;
}

} // namespace

Answer DialogQuestions::Ask(const Question &question)
{
    // In the order of QuestionKind.
    static constexpr std::array<Handler, 9> Handlers{
        &DialogQuestions::AskError,    &DialogQuestions::AskInfo,     &DialogQuestions::AskKey,
        &DialogQuestions::AskOpenFile, &DialogQuestions::AskSaveFile, &DialogQuestions::AskDisk,
        &DialogQuestions::AskFolder,   &DialogQuestions::AskSettings, &DialogQuestions::AskPrint,
    };
    static_assert(Handlers.size() == static_cast<size_t>(QuestionKind::Print) + 1);
    return (this->*Handlers.at(static_cast<size_t>(question.kind)))(question);
}

KeyDialogState DialogQuestions::KeyState() const
{
    if (!m_dialogs.key)
        return {};
    return {m_dialogs.key->EntryText(), m_dialogs.key->LastConfirmedKey()};
}

Answer DialogQuestions::AskError(const Question &q)
{
    if (q.offerDefault)
        m_dialogs.error->SetErrorContinue(q.headline, q.hint, true);
    else
        m_dialogs.error->SetMessages(q.headline, q.hint, q.fix, q.cont);
    return {Shown(m_dialogs.error), {}, 0};
}

Answer DialogQuestions::AskInfo(const Question &q)
{
    m_dialogs.ok->SetMessages(q.headline, q.hint, q.offerCancel);
    return {Shown(m_dialogs.ok), {}, 0};
}

Answer DialogQuestions::AskKey(const Question &q)
{
    TFormDialogSetKeyConfig *key = m_dialogs.key;
    if (q.prepareLayout)
        key->PrepareCheckLayout();
    key->SetWrongKeyVisible(q.wrongKey);
    if (q.replaceText)
        key->SetEntryText(q.text);
    const int result = Shown(key);
    return {result, key->EntryText(), 0};
}

Answer DialogQuestions::AskOpenFile(const Question &q)
{
    QFileDialog dialog(m_dialogs.owner, q.headline, q.folder);
    UseRussianFileTypes(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(q.filters);
    if (q.selectedFilter >= 0 && q.selectedFilter < q.filters.size())
        dialog.selectNameFilter(q.filters.at(q.selectedFilter));
    dialog.setDefaultSuffix(q.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {ModalResult::Ok, dialog.selectedFiles().constFirst(),
            int(q.filters.indexOf(dialog.selectedNameFilter()))};
}

Answer DialogQuestions::AskSaveFile(const Question &q)
{
    QFileDialog dialog(m_dialogs.owner, q.headline, q.folder);
    UseRussianFileTypes(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(q.filters);
    if (q.selectedFilter >= 0 && q.selectedFilter < q.filters.size())
        dialog.selectNameFilter(q.filters.at(q.selectedFilter));
    dialog.setDefaultSuffix(q.defaultSuffix);
    if (!q.text.isEmpty())
        dialog.selectFile(q.text);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {ModalResult::Ok, dialog.selectedFiles().constFirst(),
            int(q.filters.indexOf(dialog.selectedNameFilter()))};
}

Answer DialogQuestions::AskDisk(const Question &)
{
    const int result = Shown(m_dialogs.disks);
    const RemovableDisk disk = m_dialogs.disks->SelectedDisk();
    if (result != ModalResult::Ok || disk.rootPath.isEmpty())
        return {ModalResult::Cancel, {}, 0};
    return {ModalResult::Ok, disk.rootPath, 0};
}

Answer DialogQuestions::AskFolder(const Question &q)
{
    m_dialogs.pathTree->SetChosenPath(q.text);
    const int result = Shown(m_dialogs.pathTree);
    return {result, result == ModalResult::Ok ? m_dialogs.pathTree->ChosenPath() : QString(), 0};
}

Answer DialogQuestions::AskSettings(const Question &)
{
    return {Shown(m_dialogs.config), {}, 0};
}

Answer DialogQuestions::AskPrint(const Question &q)
{
    if (!q.printer)
        return {};
    QPrintDialog dialog(q.printer, m_dialogs.owner);
    return {dialog.exec() == QDialog::Accepted ? ModalResult::Ok : ModalResult::Cancel, {}, 0};
}

} // namespace orva
