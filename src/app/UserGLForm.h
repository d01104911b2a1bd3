#pragma once

#include "EditMode.h"

#include <QDialog>

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

    StringGrid* userGrid = nullptr;
    QGroupBox* accountBox = nullptr;  // "添加/修改"
    QLineEdit* UserNameEdit = nullptr;
    QLineEdit* UserPass1Edit = nullptr;
    QLineEdit* UserPass2Edit = nullptr;
    QGroupBox* permissionBox = nullptr;  // "用户权限"
    QTabWidget* permissionTabs = nullptr;
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

    // Browse, adding or editing.
    EditMode mode() const { return m_mode; }
    void SetMode(EditMode mode);
    void ShowUser();

    void AddButtonClick();
    void EditButtonClick();
    void DelButtonClick();
    void SaveButtonClick();
    void CancelButtonClick();
    void EscButtonClick();
    void userSelected();

private:
    void setupUi();
    void FillUserGrid();
    QString currentName() const;
    void refuse(QLineEdit* box, const QString& text);

    AppContext& m_ctx;
    EditMode m_mode = EditMode::Browse;
};

// The longest user name the window accepts, in characters (the login list shows longer names
// of older data elided).
inline constexpr int UserNameMaxLength = 50;
