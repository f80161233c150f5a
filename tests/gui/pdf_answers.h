#pragma once
// The print dialog answered with "print to file": a printer that writes a PDF file.

#include "scripted_questions.h"

#include <QPrinter>

#include <memory>

namespace orva {

// Answers the print dialog with a printer that writes a PDF file to `path`.
class PdfAnswers : public ScriptedQuestions
{
public:
    explicit PdfAnswers(QString path) : m_path(std::move(path)) {}
    Answer Ask(const Question &question) override
    {
        if (question.kind == QuestionKind::Print && question.printer) {
            question.printer->setOutputFormat(QPrinter::PdfFormat);
            question.printer->setOutputFileName(m_path);
        }
        return ScriptedQuestions::Ask(question);
    }

private:
    QString m_path;
};

// Puts PdfAnswers in place of the fixture's answerer.
template <typename Fixture> PdfAnswers *InstallPdfAnswers(Fixture &fx, const QString &path)
{
    auto answers = std::make_unique<PdfAnswers>(path);
    PdfAnswers *script = answers.get();
    fx.window->SetQuestions(std::move(answers));
    fx.questions = script;
    return script;
}

} // namespace orva
