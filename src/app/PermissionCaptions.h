#pragma once

#include "Records.h"

#include <QString>

// What the user window calls each permission flag, in record order (PermissionNames): the
// captions of its check boxes, also used where a flag is named to the operator (the audit log).
inline constexpr std::array<const char*, PermissionCount> PermissionCaptions = {
    "用户管理",   "个人密码修改", "过期数据清除", "数据备份",     "数据恢复",     "销售登记",
    "销售退货登记", "销售单打印设置", "采购登记",   "采购退货登记", "库存查询",     "销售记录查询",
    "采购记录查询", "销售利润查询", "供应商查询", "员工查询",     "客户查询",     "收支记录查询",
    "员工业绩查询", "经营数据结存", "商品设置",   "员工资料设置", "供应商设置",   "客户资料设置",
    "系统初始化", "企业信息设置", "收支项目设置", "产品分类配置", "销售应收款管理", "采购应付款管理",
    "营业收支登记"};

// The caption of a flag named by its column (letter case ignored); the name itself when unknown.
inline QString PermissionCaption(const QString& flag)
{
    for (int i = 0; i < PermissionCount; ++i)
        if (flag.compare(QLatin1String(PermissionNames[i]), Qt::CaseInsensitive) == 0)
            return QString::fromUtf8(PermissionCaptions[i]);
    return flag;
}
