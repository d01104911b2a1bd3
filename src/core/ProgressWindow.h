#pragma once

#include "Progress.h"

#include <QProgressDialog>
#include <functional>

// The progress window of long work, modal to its window and closed when the object goes out of
// scope. Two kinds:
// - a maintenance operation of known steps (the data routine is handed progress()): shown only
//   when the work lasts more than a moment, without a cancel button (the operation is one unit);
// - work of unknown length that may be abandoned (RunInBackground): a moving bar and "取消",
//   shown when show() is called; a click on "取消" calls cancel once.
class ProgressWindow {
public:
    ProgressWindow(QWidget* parent, const QString& text);
    ProgressWindow(QWidget* parent, const QString& text, std::function<void()> cancel);
    ~ProgressWindow();

    // What the data routine is handed.
    Progress progress();
    void show();

private:
    QProgressDialog m_dialog;
};
