#include "Records.h"

std::uint8_t* TUser::flag(const QString& name)
{
    for (int i = 0; i < PermissionCount; ++i)
        if (name.compare(QLatin1String(PermissionNames[i]), Qt::CaseInsensitive) == 0)
            return &flag(i);
    return nullptr;
}
