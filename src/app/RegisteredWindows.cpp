#include "RegisteredWindows.h"

#include "AboutForm.h"
#include "AccountsForm.h"
#include "AuditLogForm.h"
#include "CX_CaiGouForm.h"
#include "CX_KuCunForm.h"
#include "CX_SZForm.h"
#include "ContactLookupForm.h"
#include "CX_XiaoShouForm.h"
#include "CX_XSLRForm.h"
#include "CX_YGYJForm.h"
#include "ClearDataForm.h"
#include "CGDJForm.h"
#include "Commands.h"
#include "GongYingShangForm.h"
#include "KeHuForm.h"
#include "DataBAKForm.h"
#include "InitSYSForm.h"
#include "JieQunForm.h"
#include "PrintSetForm.h"
#include "SPClassForm.h"
#include "StockCountForm.h"
#include "SZDJForm.h"
#include "UpPassForm.h"
#include "UserGLForm.h"
#include "XSDJForm.h"
#include "YuanGongForm.h"
#include "ZL_QYXXForm.h"
#include "LabelPrintForm.h"
#include "ZLSet_ShangPinForm.h"
#include "ZLSetYYSZForm.h"

void RegisterWindows()
{
    RegisterCommandWindow(QStringLiteral("TUpPassForm"), ModalWindow<TUpPassForm>());
    RegisterCommandWindow(QStringLiteral("TUserGLForm"), ModalWindow<TUserGLForm>());
    RegisterCommandWindow(QStringLiteral("TAuditLogForm"), ModalWindow<TAuditLogForm>());
    RegisterCommandWindow(QStringLiteral("TZL_QYXXForm"), ModalWindow<TZL_QYXXForm>());
    RegisterCommandWindow(QStringLiteral("TPrintSetForm"), ModalWindow<TPrintSetForm>());
    RegisterCommandWindow(QStringLiteral("TZLSet_ShangPinForm"), ModalWindow<TZLSet_ShangPinForm>());
    RegisterCommandWindow(QStringLiteral("TLabelPrintForm"), ModalWindow<TLabelPrintForm>());
    RegisterCommandWindow(QStringLiteral("TSPClassForm"), ModalWindow<TSPClassForm>());
    RegisterCommandWindow(QStringLiteral("TXSYSKForm"), ModalWindow<TXSYSKForm>());
    RegisterCommandWindow(QStringLiteral("TCGYFKForm"), ModalWindow<TCGYFKForm>());
    RegisterCommandWindow(QStringLiteral("TZLSetYYSZForm"), ModalWindow<TZLSetYYSZForm>());
    RegisterCommandWindow(QStringLiteral("TSZDJForm"), ModalWindow<TSZDJForm>());
    RegisterCommandWindow(QStringLiteral("TKeHuForm"), ModalWindow<TKeHuForm>());
    RegisterCommandWindow(QStringLiteral("TGongYingShangForm"), ModalWindow<TGongYingShangForm>());
    RegisterCommandWindow(QStringLiteral("TYuanGongForm"), ModalWindow<TYuanGongForm>());
    RegisterCommandWindow(QStringLiteral("TJieQunForm"), ModalWindow<TJieQunForm>());
    RegisterCommandWindow(QStringLiteral("TClearDataForm"), ModalWindow<TClearDataForm>());
    RegisterCommandWindow(QStringLiteral("TInitSYSForm"), ModalWindow<TInitSYSForm>());
    RegisterCommandWindow(QStringLiteral("TDataBAK_Form"), ModalWindow<TDataBAK_Form>());
    RegisterCommandWindow(QStringLiteral("TDataCBAK_Form"), ModalWindow<TDataCBAK_Form>());
    RegisterCommandWindow(QStringLiteral("TCX_KuCunForm"), ModalWindow<TCX_KuCunForm>());
    RegisterCommandWindow(QStringLiteral("TStockCountForm"), ModalWindow<TStockCountForm>());
    RegisterCommandWindow(QStringLiteral("TCX_SZForm"), ModalWindow<TCX_SZForm>());
    RegisterCommandWindow(QStringLiteral("TCX_KeHuForm"), ModalWindow<TCX_KeHuForm>());
    RegisterCommandWindow(QStringLiteral("TCX_GYSForm"), ModalWindow<TCX_GYSForm>());
    RegisterCommandWindow(QStringLiteral("TCX_YGForm"), ModalWindow<TCX_YGForm>());
    RegisterCommandWindow(QStringLiteral("TBase_XSDJForm"),
                          ModalWindowWithKind<TBase_XSDJForm>(&TBase_XSDJForm::SetDanKind));
    RegisterCommandWindow(QStringLiteral("TBase_CGDJForm"),
                          ModalWindowWithKind<TBase_CGDJForm>(&TBase_CGDJForm::SetDanKind));
    RegisterCommandWindow(QStringLiteral("TCX_XiaoShouForm"), ModalWindowWithKind(&TCX_XiaoShouForm::SetQueryKind));
    RegisterCommandWindow(QStringLiteral("TCX_CaiGouForm"), ModalWindowWithKind(&TCX_CaiGouForm::SetQueryKind));
    RegisterCommandWindow(QStringLiteral("TCX_XSLRForm"), ModalWindow<TCX_XSLRForm>());
    RegisterCommandWindow(QStringLiteral("TCX_YGYJForm"), ModalWindow<TCX_YGYJForm>());
    RegisterCommandWindow(QStringLiteral("TAboutForm"), ModalWindow<TAboutForm>());
}
