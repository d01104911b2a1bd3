#pragma once

#include <QString>
#include <QVariant>

// A value of a dataset in its default print form: numbers in the general format (no fixed
// number of decimals), dates as "yyyy-MM-dd", a missing or null value as an empty text.
QString FieldText(const QVariant& value);
