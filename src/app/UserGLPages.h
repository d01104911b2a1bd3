#pragma once

#include "UserGLForm.h"

#include <vector>

// The permission pages of the user window: each check box with the flag it edits (its caption
// is the flag's, PermissionCaptions.h).
struct PermissionBox {
    QCheckBox* TUserGLForm::*member;
    const char* name;
    const char* flag;
};

struct PermissionPage {
    const char* caption;
    std::vector<PermissionBox> boxes;
};

inline const std::vector<PermissionPage> PermissionPages = {
    {"营业登记",
     {{&TUserGLForm::XSDJCheck, "XSDJCheck", "QX_XSDJ"},
      {&TUserGLForm::XSTHCheck, "XSTHCheck", "QX_XSTH"},
      {&TUserGLForm::CGDJCheck, "CGDJCheck", "QX_CGDJ"},
      {&TUserGLForm::CGTHCheck, "CGTHCheck", "QX_CGTH"},
      {&TUserGLForm::XSBBXGCheck, "XSBBXGCheck", "QX_XSBBXG"}}},
    {"系统管理",
     {{&TUserGLForm::UserGLCheck, "UserGLCheck", "QX_UserGL"},
      {&TUserGLForm::UpPassCheck, "UpPassCheck", "QX_UpPass"},
      {&TUserGLForm::DataClearCheck, "DataClearCheck", "QX_ClearData"},
      {&TUserGLForm::DataBakCheck, "DataBakCheck", "QX_BeiFen"},
      {&TUserGLForm::ResumeCheck, "ResumeCheck", "QX_HuiFu"},
      {&TUserGLForm::DataJCCheck, "DataJCCheck", "QX_DBJC"}}},
    {"查询统计",
     {{&TUserGLForm::CXKCCheck, "CXKCCheck", "QX_CXKC"},
      {&TUserGLForm::CXXSCheck, "CXXSCheck", "QX_CXXS"},
      {&TUserGLForm::CXCGCheck, "CXCGCheck", "QX_CXCG"},
      {&TUserGLForm::CXXSLRCheck, "CXXSLRCheck", "QX_CXXSLR"},
      {&TUserGLForm::CXGYSCheck, "CXGYSCheck", "QX_CXGYS"},
      {&TUserGLForm::CXYGCheck, "CXYGCheck", "QX_CXYG"},
      {&TUserGLForm::CXKHCheck, "CXKHCheck", "QX_CXKH"},
      {&TUserGLForm::CXSZCheck, "CXSZCheck", "QX_CXSZ"},
      {&TUserGLForm::CXYGYJCheck, "CXYGYJCheck", "QX_CXYGYJ"}}},
    {"资料配置",
     {{&TUserGLForm::ZLSPCheck, "ZLSPCheck", "QX_PZSP"},
      {&TUserGLForm::ZLYGCheck, "ZLYGCheck", "QX_PZYG"},
      {&TUserGLForm::ZLGYSCheck, "ZLGYSCheck", "QX_PZGYS"},
      {&TUserGLForm::ZLKHCheck, "ZLKHCheck", "QX_PZKH"},
      {&TUserGLForm::ZLSYSCheck, "ZLSYSCheck", "QX_PZSYS"},
      {&TUserGLForm::ZLSZCheck, "ZLSZCheck", "QX_PZSZ"},
      {&TUserGLForm::ZLQYXXCheck, "ZLQYXXCheck", "QX_PZQYXX"},
      {&TUserGLForm::ZLCPFLCheck, "ZLCPFLCheck", "QX_PZCPFL"}}},
    {"帐务管理",
     {{&TUserGLForm::ZWYSKCheck, "ZWYSKCheck", "QX_ZWYSK"},
      {&TUserGLForm::ZWYFKCheck, "ZWYFKCheck", "QX_ZWYFK"},
      {&TUserGLForm::ZWSZDJCheck, "ZWSZDJCheck", "QX_ZWSZDJ"}}},
};

// The page shown when the window opens.
inline constexpr int FirstShownPage = 3;  // "资料配置"
