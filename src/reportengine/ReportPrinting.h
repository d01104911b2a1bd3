#pragma once

#include "PageModel.h"

class QPrinter;
class QWidget;

// Sets a printer up for the model's page: paper, orientation, the whole sheet addressable.
void SetUpPrinter(QPrinter& printer, const PageModel& model);

// Sends the pages to a printer that is already chosen, showing a progress window that can
// stop the job: the page range chosen in the print dialog, as many copies as asked (the printer
// makes them when it can). False when the job was stopped or failed.
bool PrintPages(QPrinter& printer, const PageModel& model, QWidget* parent);

// Lets the operator choose a printer (the print dialog), then prints. False when the dialog
// was cancelled or the job failed.
bool PrintWithDialog(const PageModel& model, QWidget* parent);
