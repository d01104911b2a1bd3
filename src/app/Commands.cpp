#include "Commands.h"

#include <stdexcept>

namespace {

struct Row {
    const char* menu;
    const char* caption;
    const char* name;
    const char* flag;
    bool separatorBefore;
    const char* window;
    std::optional<DanKind> kind;
};

// The menu bar of the main window.
constexpr Row Rows[] = {
    {"系统管理", "密码修改", "N30", "QX_UpPass", false, "TUpPassForm", std::nullopt},
    {"系统管理", "用户管理", "N31", "QX_UserGL", false, "TUserGLForm", std::nullopt},
    {"系统管理", "操作日志", "N58", "QX_UserGL", false, "TAuditLogForm", std::nullopt},
    {"系统管理", "历史经营数据结存", "N28", "QX_DBJC", true, "TJieQunForm", std::nullopt},
    {"系统管理", "过期数据清理", "N29", "QX_ClearData", false, "TClearDataForm", std::nullopt},
    {"系统管理", "数据备份", "N32", "QX_BeiFen", true, "TDataBAK_Form", std::nullopt},
    {"系统管理", "数据恢复", "N33", "QX_HuiFu", false, "TDataCBAK_Form", std::nullopt},
    {"系统管理", "导航条", "N35", "", true, "", std::nullopt},
    {"系统管理", "退出", "N38", "", false, "", std::nullopt},
    {"销售管理", "销售登记", "N4", "QX_XSDJ", false, "TBase_XSDJForm", ForwardKind},
    {"销售管理", "销售退货", "N5", "QX_XSTH", false, "TBase_XSDJForm", ReturnKind},
    {"销售管理", "销售单打印设置", "N54", "QX_XSBBXG", false, "TPrintSetForm", std::nullopt},
    {"采购管理", "采购登记", "N6", "QX_CGDJ", false, "TBase_CGDJForm", ForwardKind},
    {"采购管理", "采购退货", "N7", "QX_CGTH", false, "TBase_CGDJForm", ReturnKind},
    {"查询统计", "库存查询", "N9", "QX_CXKC", false, "TCX_KuCunForm", std::nullopt},
    {"查询统计", "库存盘点", "N59", "QX_PZSP", false, "TStockCountForm", std::nullopt},
    {"查询统计", "销售查询", "N10", "QX_CXXS", true, "TCX_XiaoShouForm", ForwardKind},
    {"查询统计", "销售退货查询", "N52", "QX_CXXS", false, "TCX_XiaoShouForm", ReturnKind},
    {"查询统计", "采购查询", "N11", "QX_CXCG", false, "TCX_CaiGouForm", ForwardKind},
    {"查询统计", "采购退货查询", "N51", "QX_CXCG", false, "TCX_CaiGouForm", ReturnKind},
    {"查询统计", "销售利润统计", "N12", "QX_CXXSLR", true, "TCX_XSLRForm", std::nullopt},
    {"查询统计", "营业收支统计", "N27", "QX_CXSZ", false, "TCX_SZForm", std::nullopt},
    {"查询统计", "员工业绩统计", "N57", "QX_CXYGYJ", false, "TCX_YGYJForm", std::nullopt},
    {"查询统计", "客户查询", "N20", "QX_CXKH", true, "TCX_KeHuForm", std::nullopt},
    {"查询统计", "供应商查询", "N17", "QX_CXGYS", false, "TCX_GYSForm", std::nullopt},
    {"查询统计", "员工查询", "N18", "QX_CXYG", false, "TCX_YGForm", std::nullopt},
    {"资料配置", "系统初始化", "N24", "QX_PZSYS", false, "TInitSYSForm", std::nullopt},
    {"资料配置", "产品分类配置", "N56", "QX_PZCPFL", true, "TSPClassForm", std::nullopt},
    {"资料配置", "商品配置", "N14", "QX_PZSP", false, "TZLSet_ShangPinForm", std::nullopt},
    {"资料配置", "打印商品标签", "NLabels", "QX_PZSP", false, "TLabelPrintForm", std::nullopt},
    {"资料配置", "营业收支配置", "N25", "QX_PZSZ", false, "TZLSetYYSZForm", std::nullopt},
    {"资料配置", "员工配置", "N15", "QX_PZYG", true, "TYuanGongForm", std::nullopt},
    {"资料配置", "供应商配置", "N16", "QX_PZGYS", false, "TGongYingShangForm", std::nullopt},
    {"资料配置", "客户配置", "N19", "QX_PZKH", false, "TKeHuForm", std::nullopt},
    {"资料配置", "企业信息", "N34", "QX_PZQYXX", true, "TZL_QYXXForm", std::nullopt},
    {"帐务管理", "销售应收款", "N22", "QX_ZWYSK", false, "TXSYSKForm", std::nullopt},
    {"帐务管理", "采购应付款", "N23", "QX_ZWYFK", false, "TCGYFKForm", std::nullopt},
    {"帐务管理", "营业收支登记", "N26", "QX_ZWSZDJ", true, "TSZDJForm", std::nullopt},
    {"帮助", "帮助", "N49", "", false, "", std::nullopt},
    {"帮助", "关于", "N50", "", false, "TAboutForm", std::nullopt},
    {"", "计算器", "N53", "", false, "", std::nullopt},
};

std::vector<Command>& Table()
{
    static std::vector<Command> table = [] {
        std::vector<Command> t;
        for (const Row& r : Rows)
            t.push_back({QString::fromUtf8(r.menu), QString::fromUtf8(r.caption), QLatin1String(r.name),
                         QLatin1String(r.flag), r.separatorBefore, QLatin1String(r.window), r.kind, {}});
        return t;
    }();
    return table;
}

}  // namespace

const std::vector<Command>& CommandTable()
{
    return Table();
}

const Command* FindCommand(const QString& name)
{
    for (const Command& c : Table())
        if (c.name == name)
            return &c;
    return nullptr;
}

int RegisterCommandWindow(const QString& key, Opener opener)
{
    int count = 0;
    for (Command& c : Table())
        if (c.name == key || (!c.window.isEmpty() && c.window == key)) {
            c.opener = opener;
            ++count;
        }
    if (count == 0)
        throw std::invalid_argument("RegisterCommandWindow: no command or window named " + key.toStdString());
    return count;
}
