#pragma once

class QPrinter;
class QWidget;

namespace orva {

// The standard print dialog for `printer`, modal over `parent`; true when the user chose to print.
// The editor's modal seam calls it; tests answer instead.
bool AskPrinterWithDialog(QPrinter &printer, QWidget *parent);

} // namespace orva
