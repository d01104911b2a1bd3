#pragma once

#include <QApplication>

class Prompts;

// The application object. It is the program's default error handler: an error that escapes an
// event handler (a DbError with the database engine's text, or any other std::exception) is
// shown in an error box, and the program goes back to its event loop with every window usable.
// Every window it shows opens inside the available area of its screen (KeepWindowsOnScreen).
class QingLanApplication : public QApplication {
    Q_OBJECT
public:
    QingLanApplication(int& argc, char** argv);

    // Where error boxes go (the message boxes of the program, or a test's recorder), the failed
    // exports of the list grids too.
    void setPrompts(Prompts* prompts);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void showError(const QString& text);
    Prompts* m_prompts = nullptr;
};
