#pragma once

#include <QString>
#include <functional>
#include <vector>

struct AppContext;
class QWidget;

// Opens the window of a command: creates it owned by parent, gives it the command's mode (0 for
// a window without modes) and shows it modally; the window is freed when it closes.
using Opener = std::function<void(AppContext& context, QWidget* parent, int mode)>;

// One command of the main window. The main window builds its menu bar from the table, in order;
// the navigator is built from the menu bar.
struct Command {
    QString menu;          // top-level menu; empty for a command on the menu bar itself
    QString caption;
    QString name;          // component name of the menu item ("N30")
    QString flag;          // permission flag of TUser that enables it; empty: always enabled
    bool separatorBefore;  // a menu separator precedes the item
    QString window;        // class of the window it opens; empty: a command of the main window
    int mode;              // the mode given to the window (SetDanKind/SetQueryKind), 0 for none
    Opener opener;         // empty until the window registers itself: the command does nothing
};

// Every command of the main window, in menu order.
const std::vector<Command>& CommandTable();

// The command with this component name, or nullptr.
const Command* FindCommand(const QString& name);

// Makes the commands whose component name or window class is key open their window with opener.
// Returns the number of commands it was given to (0 means key names no command).
int RegisterCommandWindow(const QString& key, Opener opener);

// An opener for a window class built as Form(AppContext&, QWidget* parent) and shown with exec().
template <class Form>
Opener ModalWindow()
{
    return [](AppContext& context, QWidget* parent, int) {
        Form form(context, parent);
        form.exec();
    };
}
