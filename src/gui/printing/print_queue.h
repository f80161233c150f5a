#pragma once

#include <QString>

class QPrinter;

namespace orva {

// True when `printer` hands its job to the system's print queue (a printer chosen in the dialog) rather
// than writing a file.
bool PrintsToQueue(const QPrinter &printer);

// The print queue's refusal of the job just handed to it, or an empty text when it took the job or
// nothing is known. Where Qt prints through CUPS it hands the finished job over without looking at the
// answer: a queue that rejects jobs, or a print server that has stopped, leaves the painter and the
// printer reporting success. CUPS keeps the answer to its last request, and that is read here, from
// the CUPS library that Qt's print support has loaded; elsewhere nothing is known.
QString QueueRefusal();

} // namespace orva
