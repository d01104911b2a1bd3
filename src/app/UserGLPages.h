#pragma once

#include "UserGLForm.h"

#include <vector>

// The permission pages of the user window: each check box with its caption and the flag it edits.
struct PermissionBox {
    QCheckBox* TUserGLForm::*member;
    const char* name;
    const char* caption;
    const char* flag;
};

struct PermissionPage {
    const char* caption;
    std::vector<PermissionBox> boxes;
};

inline const std::vector<PermissionPage> PermissionPages = {
    {"营业登记",
     {{&TUserGLForm::XSDJCheck, "XSDJCheck", "销售登记", "QX_XSDJ"},
      {&TUserGLForm::XSTHCheck, "XSTHCheck", "销售退货登记", "QX_XSTH"},
      {&TUserGLForm::CGDJCheck, "CGDJCheck", "采购登记", "QX_CGDJ"},
      {&TUserGLForm::CGTHCheck, "CGTHCheck", "采购退货登记", "QX_CGTH"},
      {&TUserGLForm::XSBBXGCheck, "XSBBXGCheck", "销售单打印设置", "QX_XSBBXG"}}},
    {"系统管理",
     {{&TUserGLForm::UserGLCheck, "UserGLCheck", "用户管理", "QX_UserGL"},
      {&TUserGLForm::UpPassCheck, "UpPassCheck", "个人密码修改", "QX_UpPass"},
      {&TUserGLForm::DataClearCheck, "DataClearCheck", "过期数据清除", "QX_ClearData"},
      {&TUserGLForm::DataBakCheck, "DataBakCheck", "数据备份", "QX_BeiFen"},
      {&TUserGLForm::ResumeCheck, "ResumeCheck", "数据恢复", "QX_HuiFu"},
      {&TUserGLForm::DataJCCheck, "DataJCCheck", "经营数据结存", "QX_DBJC"}}},
    {"查询统计",
     {{&TUserGLForm::CXKCCheck, "CXKCCheck", "库存查询", "QX_CXKC"},
      {&TUserGLForm::CXXSCheck, "CXXSCheck", "销售记录查询", "QX_CXXS"},
      {&TUserGLForm::CXCGCheck, "CXCGCheck", "采购记录查询", "QX_CXCG"},
      {&TUserGLForm::CXXSLRCheck, "CXXSLRCheck", "销售利润查询", "QX_CXXSLR"},
      {&TUserGLForm::CXGYSCheck, "CXGYSCheck", "供应商查询", "QX_CXGYS"},
      {&TUserGLForm::CXYGCheck, "CXYGCheck", "员工查询", "QX_CXYG"},
      {&TUserGLForm::CXKHCheck, "CXKHCheck", "客户查询", "QX_CXKH"},
      {&TUserGLForm::CXSZCheck, "CXSZCheck", "收支记录查询", "QX_CXSZ"},
      {&TUserGLForm::CXYGYJCheck, "CXYGYJCheck", "员工业绩查询", "QX_CXYGYJ"}}},
    {"资料配置",
     {{&TUserGLForm::ZLSPCheck, "ZLSPCheck", "商品设置", "QX_PZSP"},
      {&TUserGLForm::ZLYGCheck, "ZLYGCheck", "员工资料设置", "QX_PZYG"},
      {&TUserGLForm::ZLGYSCheck, "ZLGYSCheck", "供应商设置", "QX_PZGYS"},
      {&TUserGLForm::ZLKHCheck, "ZLKHCheck", "客户资料设置", "QX_PZKH"},
      {&TUserGLForm::ZLSYSCheck, "ZLSYSCheck", "系统初始化", "QX_PZSYS"},
      {&TUserGLForm::ZLSZCheck, "ZLSZCheck", "收支项目设置", "QX_PZSZ"},
      {&TUserGLForm::ZLQYXXCheck, "ZLQYXXCheck", "企业信息设置", "QX_PZQYXX"},
      {&TUserGLForm::ZLCPFLCheck, "ZLCPFLCheck", "产品分类配置", "QX_PZCPFL"}}},
    {"帐务管理",
     {{&TUserGLForm::ZWYSKCheck, "ZWYSKCheck", "销售应收款管理", "QX_ZWYSK"},
      {&TUserGLForm::ZWYFKCheck, "ZWYFKCheck", "采购应付款管理", "QX_ZWYFK"},
      {&TUserGLForm::ZWSZDJCheck, "ZWSZDJCheck", "营业收支登记", "QX_ZWSZDJ"}}},
};

// The page shown when the window opens.
inline constexpr int FirstShownPage = 3;  // "资料配置"
