#include "FieldText.h"

#include "NumberText.h"

#include <QDate>
#include <QDateTime>

#include <cmath>

QString FieldText(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return FormatGeneral(std::round(value.toDouble() * 100) / 100);  // to the cent
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    case QMetaType::QDateTime:
        return value.toDateTime().date().toString(QStringLiteral("yyyy-MM-dd"));
    default:
        return value.toString();
    }
}
