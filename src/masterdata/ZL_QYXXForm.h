#pragma once

#include <QDialog>
#include <QString>

struct AppContext;
struct TGsInfo;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "企业信息配置": the dealer's own particulars, kept in section "Basic" of Set.ini and in GsInfo,
// printed on the sales document.
class TZL_QYXXForm : public QDialog {
    Q_OBJECT
public:
    explicit TZL_QYXXForm(AppContext& context, QWidget* parent = nullptr);

    QLineEdit* Edit1 = nullptr;  // 公司名称
    QLineEdit* Edit2 = nullptr;  // 联系电话
    QLineEdit* Edit3 = nullptr;  // 传真
    QLineEdit* Edit4 = nullptr;  // 邮编
    QLineEdit* Edit5 = nullptr;  // 地址
    QLineEdit* Edit6 = nullptr;  // 开户行
    QLineEdit* Edit7 = nullptr;  // 帐号
    QLineEdit* Edit8 = nullptr;  // 税号
    QPlainTextEdit* Memo1 = nullptr;  // 简介
    QPushButton* Button1 = nullptr;  // 保存
    QPushButton* Button2 = nullptr;  // 取消

    void Button1Click();
    void Button2Click();
    void Memo1Change();

private:
    void setupUi();
    AppContext& m_ctx;
    QString m_memoText;  // the introduction as last accepted
};

// The longest introduction the memo accepts, in characters.
inline constexpr int JianJieMaxLength = 300;
