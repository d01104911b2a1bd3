#include "ClosedMonthQuestion.h"

#include "AppContext.h"
#include "ClosedMonths.h"

bool GoOnInClosedMonth(AppContext& context, QWidget* parent, const QDate& day)
{
    return !IsMonthClosed(context.db(), day)
        || context.prompts->question(parent, QString::fromUtf8(ClosedMonthQuestion));
}
