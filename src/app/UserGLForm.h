#pragma once

#include <QDialog>
#include <cstdint>

struct AppContext;
struct TUser;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class StringGrid;

// The user window: the list of users, the selected user's name, password and permission flags,
// and adding, editing (renaming) and deleting users. The built-in administrator can be neither
// edited nor deleted here.
class TUserGLForm : public QDialog {
    Q_OBJECT
public:
    explicit TUserGLForm(AppContext& context, QWidget* parent = nullptr);

    StringGrid* StringGrid1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;  // "添加/修改"
    QLineEdit* UserNameEdit = nullptr;
    QLineEdit* UserPass1Edit = nullptr;
    QLineEdit* UserPass2Edit = nullptr;
    QGroupBox* GroupBox2 = nullptr;  // "用户权限"
    QTabWidget* PageControl1 = nullptr;
    QPushButton* SaveButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* AddButton = nullptr;
    QPushButton* EditButton = nullptr;
    QPushButton* DelButton = nullptr;
    QPushButton* EscButton = nullptr;

    // The permission check boxes, one per flag.
    QCheckBox *UserGLCheck = nullptr, *UpPassCheck = nullptr, *DataClearCheck = nullptr,
              *DataBakCheck = nullptr, *ResumeCheck = nullptr, *XSDJCheck = nullptr, *XSTHCheck = nullptr,
              *XSBBXGCheck = nullptr, *CGDJCheck = nullptr, *CGTHCheck = nullptr, *CXKCCheck = nullptr,
              *CXXSCheck = nullptr, *CXCGCheck = nullptr, *CXXSLRCheck = nullptr, *CXGYSCheck = nullptr,
              *CXYGCheck = nullptr, *CXKHCheck = nullptr, *CXSZCheck = nullptr, *CXYGYJCheck = nullptr,
              *DataJCCheck = nullptr, *ZLSPCheck = nullptr, *ZLYGCheck = nullptr, *ZLGYSCheck = nullptr,
              *ZLKHCheck = nullptr, *ZLSYSCheck = nullptr, *ZLQYXXCheck = nullptr, *ZLSZCheck = nullptr,
              *ZLCPFLCheck = nullptr, *ZWYSKCheck = nullptr, *ZWYFKCheck = nullptr, *ZWSZDJCheck = nullptr;

    // 0 browse, 1 adding, 2 editing.
    std::uint8_t mode() const { return m_mode; }
    void SetMode(std::uint8_t mode);
    void ShowUser();

    void AddButtonClick();
    void EditButtonClick();
    void DelButtonClick();
    void SaveButtonClick();
    void CancelButtonClick();
    void EscButtonClick();
    void StringGrid1Click();

private:
    void setupUi();
    void FillUserGrid();
    QString currentName() const;
    void refuse(QLineEdit* box, const QString& text);

    AppContext& m_ctx;
    std::uint8_t m_mode = 0;
};

// The longest user name the window accepts, in characters (the login list shows longer names
// of older data elided).
inline constexpr int UserNameMaxLength = 50;
