#pragma once

// The records that carry documents and master data between windows and data routines.
// Every field is named after the column it carries; records are plain values. Amounts, prices
// and costs are Money (exact cents); the REAL columns get Money::yuan().

#include "Money.h"

#include <QDate>
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>

// Document kind handed to the document and query windows: the forward kind or its return. Its
// enumerators are named in the enclosing scope (ForwardKind, ReturnKind); a number becomes a kind
// only by an explicit conversion.
enum class DanKind : std::uint8_t { ForwardKind = 1, ReturnKind = 2 };
using enum DanKind;

struct TXiaoShouDan {          // sales document header (sale or sales return)
    QString dh;
    int shuliang = 0;
    Money jinE;
    QString yewuyuan;
    QString KeHu;
    QDate in_date;
    QString KeHuPhone;
    QString KeHuAddress;
    Money QK;
    QString Remark;
};

struct TCaiGouDan {            // purchase document header (purchase or purchase return)
    QString dh;
    int shuliang = 0;
    Money jinE;
    Money QK;
    QString GYS;
    QDate in_date;
    QString Remark;
};

struct TShangPinItem {         // one goods line of a document
    QString dh;
    QDate in_date;
    QString PinPai;
    QString chanpin;
    QString guige;
    Money danjia;
    int shuliang = 0;
    Money jinE;
    Money CB;           // the goods' average cost when sold
};

// The 31 permission flags in record order; PermissionNames()[i] is the column of flag i.
inline constexpr int PermissionCount = 31;
inline constexpr std::array<const char*, PermissionCount> PermissionNames = {
    "QX_UserGL", "QX_UpPass", "QX_ClearData", "QX_BeiFen", "QX_HuiFu", "QX_XSDJ", "QX_XSTH",
    "QX_XSBBXG", "QX_CGDJ", "QX_CGTH", "QX_CXKC", "QX_CXXS", "QX_CXCG", "QX_CXXSLR", "QX_CXGYS",
    "QX_CXYG", "QX_CXKH", "QX_CXSZ", "QX_CXYGYJ", "QX_DBJC", "QX_PZSP", "QX_PZYG", "QX_PZGYS",
    "QX_PZKH", "QX_PZSYS", "QX_PZQYXX", "QX_PZSZ", "QX_PZCPFL", "QX_ZWYSK", "QX_ZWYFK",
    "QX_ZWSZDJ"};

struct TUser {
    QString UserName;
    QString UserPassword;
    std::uint8_t QX_UserGL = 0, QX_UpPass = 0, QX_ClearData = 0, QX_BeiFen = 0, QX_HuiFu = 0,
                 QX_XSDJ = 0, QX_XSTH = 0, QX_XSBBXG = 0, QX_CGDJ = 0, QX_CGTH = 0, QX_CXKC = 0,
                 QX_CXXS = 0, QX_CXCG = 0, QX_CXXSLR = 0, QX_CXGYS = 0, QX_CXYG = 0, QX_CXKH = 0,
                 QX_CXSZ = 0, QX_CXYGYJ = 0, QX_DBJC = 0, QX_PZSP = 0, QX_PZYG = 0, QX_PZGYS = 0,
                 QX_PZKH = 0, QX_PZSYS = 0, QX_PZQYXX = 0, QX_PZSZ = 0, QX_PZCPFL = 0,
                 QX_ZWYSK = 0, QX_ZWYFK = 0, QX_ZWSZDJ = 0;

    // Flag by its index in PermissionNames (record order).
    std::uint8_t& flag(int i) { return *flagPtr(this, i); }
    std::uint8_t flag(int i) const { return *flagPtr(const_cast<TUser*>(this), i); }
    // Flag by column name (letter case ignored); nullptr when no such flag.
    std::uint8_t* flag(const QString& name);

private:
    static std::uint8_t* flagPtr(TUser* u, int i) { return &u->QX_UserGL + i; }
};
static_assert(offsetof(TUser, QX_ZWSZDJ) - offsetof(TUser, QX_UserGL) == PermissionCount - 1,
              "permission flags must be contiguous");

struct TGsInfo {
    QString GSName, GSAddress, GSPhone, GSFax, GSYouBian, GSKaiHuHan, GSZhanHao, GSShuiHao,
        GSJianJie;
};

struct TKeHu {
    QString KeHu, LXR, phone, FAX, address, Email, Remark, yb;
};

struct TGongYingShang {
    QString GYS, LXR, phone, FAX, address, YB, Email, WZ, KHH, ZH, SH, Remark;
};

struct TYuanGong {
    QString Name, Sex, Age, ID, Address, Phone;
    QDate InDate;
    QString Remark;
};

struct TShouZhi {
    QString dh;
    QString type;
    QDate in_date;
    QString Item;
    Money JinE;
    QString remark;
};

// Paper settings of the printed sales document.
struct TXSDPrintSet {
    std::uint8_t PaperSize = 9;
    int Width = 210;
    int Length = 297;
    std::uint8_t Orientation = 0;
    int TopMargin = 10;
    int BottomMargin = 10;
    int LeftMargin = 10;
    int RightMargin = 10;
    int ReceiptWidth = 80;  // width of the till roll of the receipt slip: 80 or 58 millimetres
    // Where the receipt slip goes: 0 the system's print dialog, 1 a raw queue, 2 a device file,
    // 3 a network printer (ReceiptConnection); the queue's name, the file or host:port.
    int ReceiptPrinter = 0;
    QString ReceiptTarget;
    bool ReceiptDrawer = false;  // open the cash drawer with each slip printed on an ESC/POS printer
    int NumberBarcode = 0;  // 1: the sales document's page carries its number as a barcode
};
