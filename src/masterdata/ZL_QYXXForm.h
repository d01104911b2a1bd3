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

    QLineEdit* nameEdit = nullptr;  // 公司名称
    QLineEdit* phoneEdit = nullptr;  // 联系电话
    QLineEdit* faxEdit = nullptr;  // 传真
    QLineEdit* postcodeEdit = nullptr;  // 邮编
    QLineEdit* addressEdit = nullptr;  // 地址
    QLineEdit* bankEdit = nullptr;  // 开户行
    QLineEdit* accountEdit = nullptr;  // 帐号
    QLineEdit* taxNumberEdit = nullptr;  // 税号
    QPlainTextEdit* introMemo = nullptr;  // 简介
    QPushButton* saveButton = nullptr;  // 保存
    QPushButton* cancelButton = nullptr;  // 取消

    void saveButtonClick();
    void cancelButtonClick();
    void introMemoChange();

private:
    void setupUi();
    AppContext& m_ctx;
    QString m_memoText;  // the introduction as last accepted
};

// The longest introduction the memo accepts, in characters.
inline constexpr int JianJieMaxLength = 300;
