#include "GuardedConnect.h"

#include "Prompts.h"

#include <QApplication>

void ShowHandlerError(AppContext& context, QWidget* parent, const std::exception& error, const QString& action)
{
    const auto* dbError = dynamic_cast<const DbError*>(&error);
    const QString reason = dbError ? dbError->text() : QString::fromLocal8Bit(error.what());
    const QString text = action.isEmpty() ? reason : QStringLiteral("%1失败: %2").arg(action, reason);
    if (!parent)
        parent = QApplication::activeWindow();
    if (context.prompts)
        context.prompts->error(parent, text);
    else
        qWarning("%s", qPrintable(text));
}
