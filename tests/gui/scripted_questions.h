#pragma once

#include "dialogs/modal_questions.h"

#include <QList>

namespace orva {

// Answers the main window's questions from a script and records every question asked. A question
// beyond the script is answered as a closed dialog (result 2) and counted as unexpected. It keeps the
// key dialog's state as the dialog does: the entry text is the text of its last answer (or the text a
// question put in), and an answer "Применить" confirms that text.
class ScriptedQuestions : public ModalQuestions
{
public:
    // Queues the next answers, in order.
    ScriptedQuestions &Then(const Answer &answer);
    ScriptedQuestions &Then(int result, const QString &text = QString());

    Answer Ask(const Question &question) override;
    KeyDialogState KeyState() const override { return m_keyState; }
    // What the user left in the key dialog's entry field earlier.
    void SetKeyEntryText(const QString &text) { m_keyState.entryText = text; }

    const QList<Question> &asked() const { return m_asked; }
    // The kinds of the questions asked, in order.
    QList<QuestionKind> askedKinds() const;
    int unexpected() const { return m_unexpected; }
    int remaining() const { return int(m_script.size()); }
    void clear();

private:
    QList<Answer> m_script;
    QList<Question> m_asked;
    int m_unexpected = 0;
    KeyDialogState m_keyState;
};

} // namespace orva
