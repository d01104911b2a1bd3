#include "GuardedConnect.h"

#include "Prompts.h"

#include <QApplication>

void ShowHandlerError(AppContext& context, QWidget* parent, const std::exception& error)
{
    const auto* dbError = dynamic_cast<const DbError*>(&error);
    const QString text = dbError ? dbError->text() : QString::fromLocal8Bit(error.what());
    if (!parent)
        parent = QApplication::activeWindow();
    if (context.prompts)
        context.prompts->error(parent, text);
    else
        qWarning("%s", qPrintable(text));
}
