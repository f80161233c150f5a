#include "print_dialog.h"

#include <QPrintDialog>

namespace orva {

bool AskPrinterWithDialog(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace orva
