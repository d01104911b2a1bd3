#include "ContactColumns.h"

QVector<GridColumn> KeHuColumns()
{
    return {{QStringLiteral("客户"), 100, QStringLiteral("KeHu")},  {QStringLiteral("联系人"), 80, QStringLiteral("LXR")},
            {QStringLiteral("电话"), 110, QStringLiteral("phone")},  {QStringLiteral("传真"), 110, QStringLiteral("FAX")},
            {QStringLiteral("地址"), 160, QStringLiteral("address")}, {QStringLiteral("邮编"), 60, QStringLiteral("yb")},
            {QStringLiteral("Email"), 80, QStringLiteral("Email")},  {QStringLiteral("备注"), 120, QStringLiteral("Remark")}};
}

QVector<GridColumn> GYSColumns()
{
    return {{QStringLiteral("供应商"), 100, QStringLiteral("GYS")},   {QStringLiteral("联系人"), 80, QStringLiteral("LXR")},
            {QStringLiteral("电话"), 110, QStringLiteral("phone")},   {QStringLiteral("传真"), 110, QStringLiteral("FAX")},
            {QStringLiteral("地址"), 160, QStringLiteral("address")}, {QStringLiteral("邮编"), 60, QStringLiteral("YB")},
            {QStringLiteral("Email"), 80, QStringLiteral("Email")},   {QStringLiteral("网站"), 80, QStringLiteral("WZ")},
            {QStringLiteral("开户行"), 100, QStringLiteral("KHH")},   {QStringLiteral("帐号"), 80, QStringLiteral("ZH")},
            {QStringLiteral("税号"), 80, QStringLiteral("SH")},       {QStringLiteral("备注"), 150, QStringLiteral("Remark")}};
}

QVector<GridColumn> YuanGongColumns()
{
    return {{QStringLiteral("姓名"), 80, QStringLiteral("Name")},
            {QStringLiteral("性别"), 40, QStringLiteral("Sex")},
            {QStringLiteral("年龄"), 30, QStringLiteral("Age")},
            {QStringLiteral("电话"), 110, QStringLiteral("Phone")},
            {QStringLiteral("住址"), 120, QStringLiteral("Address")},
            {QStringLiteral("身份证"), 100, QStringLiteral("ID")},
            {QStringLiteral("上岗日期"), 90, QStringLiteral("InDate"), GridFormat::Date},
            {QStringLiteral("备注"), 150, QStringLiteral("Remark")}};
}
