#pragma once

#include "GridColumns.h"

#include <QDialog>

struct AppContext;
class GridFilter;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;
class StringGrid;

// The columns of the three lists.
inline const QVector<GridColumn> PinPaiColumns = {{QStringLiteral("品牌"), 170, QStringLiteral("PinPai")}};
inline const QVector<GridColumn> ChanPinColumns = {{QStringLiteral("产品"), 130, QStringLiteral("ChanPin")},
                                                   {QStringLiteral("产品类型"), 120, QStringLiteral("CPType")}};
inline const QVector<GridColumn> GuiGeColumns = {
    {QStringLiteral("规格/型号"), 220, QStringLiteral("GuiGe")},
    {QStringLiteral("平均成本"), 90, QStringLiteral("PJCB"), GridFormat::Number},
    {QStringLiteral("库存数量"), 80, QStringLiteral("ShuLiang"), GridFormat::Integer}};

// "商品设置": brands, the products of the selected brand and the goods items of the selected
// product side by side, each list with a find-as-you-type box above it; the tab pages add, edit
// and delete at each level through TZLSet_SPEditForm; "从Excel导入…" brings in a whole catalogue.
class TZLSet_ShangPinForm : public QDialog {
    Q_OBJECT
public:
    explicit TZLSet_ShangPinForm(AppContext& context, QWidget* parent = nullptr);

    StringGrid* brandGrid = nullptr;    // brands
    StringGrid* productGrid = nullptr;  // products of the selected brand
    StringGrid* itemGrid = nullptr;     // goods items of the selected product
    QLineEdit* PPFilterEdit = nullptr;
    QLineEdit* CPFilterEdit = nullptr;
    QLineEdit* GGFilterEdit = nullptr;
    QTabWidget* editTabs = nullptr;
    QWidget* brandPage = nullptr;  // 品牌管理
    QWidget* productPage = nullptr;  // 产品管理
    QWidget* itemPage = nullptr;   // 规格型号管理
    QPushButton *PP_AddButton = nullptr, *PP_EditButton = nullptr, *PP_DelButton = nullptr;
    QPushButton *CP_AddButton = nullptr, *CP_EditButton = nullptr, *CP_DelButton = nullptr;
    QPushButton *GG_AddButton = nullptr, *GG_EditButton = nullptr, *GG_DelButton = nullptr;
    QPushButton* ImportButton = nullptr;  // 从Excel导入…
    QPushButton* LabelButton = nullptr;   // 打印标签…: the label window, the brand and product chosen
    QPushButton* exitButton = nullptr;    // 退出

    void brandSelected();
    void productSelected();
    void PP_AddButtonClick();
    void PP_EditButtonClick();
    void PP_DelButtonClick();
    void CP_AddButtonClick();
    void CP_EditButtonClick();
    void CP_DelButtonClick();
    void GG_AddButtonClick();
    void GG_EditButtonClick();
    void GG_DelButtonClick();
    void ImportButtonClick();
    void LabelButtonClick();
    void exitButtonClick();

    // Imports the catalogue sheet of an .xlsx or CSV file: checks every row, shows the preview,
    // and writes it when the user confirms.
    void ImportFile(const QString& path);

private:
    void setupUi();
    void LoadGoodsGrids();
    void ListPinPai();   // brands, then their products and goods items
    void ListChanPin();  // products of the selected brand, then their goods items
    void ListGuiGe();    // goods items of the selected product
    QString selectedPinPai() const;
    QString selectedChanPin() const;
    QString selectedGuiGe() const;

    AppContext& m_ctx;
    GridFilter* m_ppFilter = nullptr;
    GridFilter* m_cpFilter = nullptr;
    GridFilter* m_ggFilter = nullptr;
};
