// "Печать": the pages are stored (no checks), the identifier normalised into the model, the standard
// print dialog asked through the window's modal seam, the user told when the chosen page would shrink
// the record, and the record printed.
#include "dialogs/modal_questions.h"
#include "frame/main_window.h"
#include "pdf_printer.h"
#include "print_flow.h"
#include "storage/record_file_name.h"

#include <QDate>
#include <QDir>
#include <QPrinter>

namespace orva {

void TForm2::B_PrintClick()
{
    UnLoad_All();
    QPrinter printer(QPrinter::HighResolution);
    // Print-to-file proposes the name a save would (with ".pdf"), before the identifier is grouped.
    ProposePrintFile(printer,
                     RecordPdfPath(m_settings, model().get(Panel::Name), model().get(Gprs::Identifier),
                                   m_configurationFile, QDir::homePath()));
    const AskPrinter askPrinter = [this](QPrinter &chosen) {
        Question question = Question::Of(QuestionKind::Print);
        question.printer = &chosen;
        return questions().Ask(question).ok();
    };
    // A record that the chosen page would shrink below easy reading is printed so only when the user
    // goes on; otherwise the print dialog opens again for another page.
    const ConfirmReduced confirmReduced = [this](double scale) {
        const PrintNotice notice = ReducedRecordNotice(scale);
        return questions().Ask(Question::Info(notice.headline, notice.hint, true)).ok();
    };
    const PrintResult result =
        RunPrintFlow(model(), printer, askPrinter, QDate::currentDate(), confirmReduced);
    if (result.failed())
        questions().Ask(Question::Error(result.headline, result.hint, true, false));
}

} // namespace orva
