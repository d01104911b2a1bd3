#pragma once

#include <QDate>

struct AppContext;
class QWidget;

// Before saving, changing or deleting business dated in a closed month: asks
// "该月已结存, 继续将使结存数据过期" and returns the answer (OK goes on). A month that is not
// closed goes on without a question. The change itself marks the month (ClosedMonths.h).
bool GoOnInClosedMonth(AppContext& context, QWidget* parent, const QDate& day);

inline constexpr const char* ClosedMonthQuestion = "该月已结存, 继续将使结存数据过期";
