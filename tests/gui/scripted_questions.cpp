#include "scripted_questions.h"

namespace orva {

ScriptedQuestions &ScriptedQuestions::Then(const Answer &answer)
{
    m_script.append(answer);
    return *this;
}

ScriptedQuestions &ScriptedQuestions::Then(int result, const QString &text)
{
    return Then(Answer{result, text, 0});
}

Answer ScriptedQuestions::Ask(const Question &question)
{
    m_asked.append(question);
    Answer answer;
    if (m_script.isEmpty()) {
        ++m_unexpected;
        answer = Answer{ModalResult::Cancel, {}, 0};
    } else {
        answer = m_script.takeFirst();
    }
    if (question.kind == QuestionKind::FileKey) {
        // The dialog answers with its entry text whatever the result; "Применить" confirms it.
        m_keyState.entryText = answer.text;
        if (answer.ok())
            m_keyState.lastConfirmedKey = answer.text;
    }
    return answer;
}

QList<QuestionKind> ScriptedQuestions::askedKinds() const
{
    QList<QuestionKind> kinds;
    for (const Question &q : m_asked)
        kinds << q.kind;
    return kinds;
}

void ScriptedQuestions::clear()
{
    m_script.clear();
    m_asked.clear();
    m_unexpected = 0;
}

} // namespace orva
