#pragma once

#include "Progress.h"

#include <QProgressDialog>

// The progress window of a maintenance operation: modal to its window, shown only when the work
// lasts more than a moment, without a cancel button (the operation is one unit), closed when the
// object goes out of scope.
class ProgressWindow {
public:
    ProgressWindow(QWidget* parent, const QString& text);
    ~ProgressWindow();

    // What the data routine is handed.
    Progress progress();

private:
    QProgressDialog m_dialog;
};
