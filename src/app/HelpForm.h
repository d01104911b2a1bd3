#pragma once

#include <QDialog>

class QTextBrowser;

// The program's own help window: the user guide (an HTML file beside the program) in a text
// browser, links between its pages followed inside the window. Needs no desktop browser.
class THelpForm : public QDialog {
    Q_OBJECT
public:
    THelpForm(const QString& helpFile, QWidget* parent = nullptr);

    QTextBrowser* HelpBrowser = nullptr;
};
