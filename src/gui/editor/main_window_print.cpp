// "Печать": the pages are stored (no checks), the identifier normalised into the model, the standard
// print dialog asked through the window's modal seam, and the record printed.
#include "dialogs/modal_questions.h"
#include "main_window.h"
#include "print_flow.h"

#include <QDate>
#include <QPrinter>

namespace orva {

void TForm2::B_PrintClick()
{
    UnLoad_All();
    QPrinter printer(QPrinter::HighResolution);
    const AskPrinter askPrinter = [this](QPrinter &chosen) {
        Question question = Question::Of(QuestionKind::Print);
        question.printer = &chosen;
        return questions().Ask(question).ok();
    };
    const PrintResult result = RunPrintFlow(model(), printer, askPrinter, QDate::currentDate());
    if (result.failed())
        questions().Ask(Question::Error(result.headline, result.hint, true, false));
}

} // namespace orva
