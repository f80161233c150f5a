// The check protocol of the main window: the rules come from the core, the window shows each failure in
// the error box and acts on the answer.
#include "frame/main_window.h"

#include "frame/check_rules.h"

#include "dialogs/modal_questions.h"
#include "fields/field_changes.h"

#include <QTabWidget>

namespace orva {

bool TForm2::Check_All(bool)
{
    return RunChecks(ChainPosition{}, std::nullopt);
}

bool TForm2::RunCheck(CheckId check)
{
    return RunChecks(m_checkRules->CheckStart(check), check);
}

bool TForm2::RunChecks(ChainPosition from, std::optional<CheckId> only)
{
    ChainPosition position = from;
    while (const std::optional<RuleFailure> failure = m_checkRules->FirstFailure(model(), position)) {
        if (only && failure->checkId != *only)
            break;
        // A value with an allowed range offers its default; other rules offer only "Исправить".
        const Question question = failure->defaultOffered
                                      ? Question::ErrorWithDefault(failure->headline, failure->hint, true)
                                      : Question::Error(failure->headline, failure->hint, true, false);
        const Answer answer = questions().Ask(question);

        if (answer.result == ModalResult::Ok) {
            DefaultOptions options;
            for (const EditorPage *page : m_pageList) {
                if (page)
                    page->AddDefaultOptions(options);
            }
            // Nothing to write means nothing was fixed: the model stays unsaved rather than invalid.
            if (!m_checkRules->ApplyDefault(model(), *failure, options))
                return false;
            if (m_changes)
                m_changes->Note(ChangeSource::Program);
            if (EditorPage *page = PageNamed(failure->page))
                page->RedrawAfterDefault(m_pages->currentWidget() == page->tab());
            position = failure->position.next();
            continue;
        }
        if (answer.result == ModalResult::Retry)
            ReturnToFailure(*failure);
        // Any other answer (the box was closed) fails the check where the user is.
        return false;
    }
    return true;
}

void TForm2::ReturnToFailure(const RuleFailure &failure)
{
    EditorPage *page = PageNamed(failure.page);
    if (!page)
        return;
    m_pages->setCurrentWidget(page->tab());
    if (!failure.listControl.isEmpty() && failure.listRow >= 0)
        page->SelectListRow(failure.listControl, failure.listRow);
    if (failure.focusControl.isEmpty())
        return;
    if (auto *control = findChild<QWidget *>(failure.focusControl))
        control->setFocus(Qt::OtherFocusReason);
}

EditorPage *TForm2::PageNamed(const QString &objectName) const
{
    for (EditorPage *page : m_pageList) {
        if (page && page->tab()->objectName() == objectName)
            return page;
    }
    return nullptr;
}

} // namespace orva
