#pragma once

#include "dialogs/modal_questions.h"

#include <QList>

namespace orva {

// Answers the main window's questions from a script and records every question asked. A question
// beyond the script is answered as a closed dialog (result 2) and counted as unexpected.
class ScriptedQuestions : public ModalQuestions
{
public:
    // Queues the next answers, in order.
    ScriptedQuestions &Then(const Answer &answer);
    ScriptedQuestions &Then(int result, const QString &text = QString());

    Answer Ask(const Question &question) override;

    const QList<Question> &asked() const { return m_asked; }
    int unexpected() const { return m_unexpected; }
    int remaining() const { return int(m_script.size()); }
    void clear();

private:
    QList<Answer> m_script;
    QList<Question> m_asked;
    int m_unexpected = 0;
};

} // namespace orva
