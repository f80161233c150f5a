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
    if (m_script.isEmpty()) {
        ++m_unexpected;
        return Answer{ModalResult::Cancel, {}, 0};
    }
    return m_script.takeFirst();
}

void ScriptedQuestions::clear()
{
    m_script.clear();
    m_asked.clear();
    m_unexpected = 0;
}

} // namespace orva
