#pragma once

#include "Records.h"  // DanKind

#include <QString>
#include <functional>
#include <optional>
#include <vector>

struct AppContext;
class QWidget;

// Opens the window of a command: creates it owned by parent, gives it the command's kind (none
// for a window without kinds) and shows it modally; the window is freed when it closes.
using Opener = std::function<void(AppContext& context, QWidget* parent, std::optional<DanKind> kind)>;

// One command of the main window. The main window builds its menu bar from the table, in order;
// the navigator is built from the menu bar.
struct Command {
    QString menu;          // top-level menu; empty for a command on the menu bar itself
    QString caption;
    QString name;          // component name of the menu item ("N30")
    QString flag;          // permission flag of TUser that enables it; empty: always enabled
    bool separatorBefore;  // a menu separator precedes the item
    QString window;        // class of the window it opens; empty: a command of the main window
    std::optional<DanKind> kind;  // the kind given to the window (SetDanKind/SetQueryKind); none for none
    Opener opener;         // empty until the window registers itself: the command does nothing
};

// Every command of the main window, in menu order.
const std::vector<Command>& CommandTable();

// The command with this component name, or nullptr.
const Command* FindCommand(const QString& name);

// Makes the commands whose component name or window class is key open their window with opener
// (an empty opener takes it back). Returns the number of commands it was given to; a key that
// names no command throws std::invalid_argument, so that a misspelt name never goes unnoticed.
int RegisterCommandWindow(const QString& key, Opener opener);

// An opener for a window class built as Form(AppContext&, QWidget* parent) and shown with exec().
template <class Form>
Opener ModalWindow()
{
    return [](AppContext& context, QWidget* parent, std::optional<DanKind>) {
        Form form(context, parent);
        form.exec();
    };
}

// An opener for a window opened with a kind: the command's kind goes to the window's setter
// (SetDanKind, SetQueryKind) before the window is shown:
//     RegisterCommandWindow("TBase_XSDJForm", ModalWindowWithKind(&TBase_XSDJForm::SetDanKind));
template <class Form>
Opener ModalWindowWithKind(void (Form::*setter)(DanKind))
{
    return [setter](AppContext& context, QWidget* parent, std::optional<DanKind> kind) {
        Form form(context, parent);
        if (kind)
            (form.*setter)(*kind);
        form.exec();
    };
}
