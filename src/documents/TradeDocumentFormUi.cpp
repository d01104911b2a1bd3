// Layout of the sales and purchase document windows.
#include "TradeDocumentForm.h"

#include "StringGrid.h"
#include "Keyboard.h"
#include "ScreenHelpers.h"
#include "WindowParts.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* Caption(const QString& text)
{
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QLineEdit* TotalEdit(QWidget* parent, const char* name, bool enabled)
{
    auto* edit = MakeEdit(parent, name);
    edit->setEnabled(enabled);
    edit->setAlignment(Qt::AlignRight);
    edit->setFixedWidth(110);
    return edit;
}

}  // namespace

void TradeDocumentForm::setupUi(const ControlNames& names, QWidget* extraHeader, const QString& extraCaption,
                                const QList<QPushButton*>& extraButtons)
{
    setObjectName(QLatin1String(names.form));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    partnerBox = Named(new QComboBox(this), names.partnerBox);
    partnerBox->setEditable(true);
    partnerBox->setInsertPolicy(QComboBox::NoInsert);
    partnerBox->setMaxVisibleItems(20);
    // Sized by a fixed number of characters: measuring 20,000 names would take longer than the
    // rest of opening the window.
    partnerBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    partnerBox->setMinimumContentsLength(24);
    partnerLink = Named(new QLabel(QString::fromUtf8(names.linkText), this), names.partnerLink);
    partnerLink->setCursor(Qt::PointingHandCursor);
    partnerLink->setStyleSheet(QStringLiteral("color: #1a4fa0; text-decoration: underline;"));
    phoneEdit = MakeEdit(this, names.phoneEdit);
    addressEdit = MakeEdit(this, names.addressEdit);
    dateLabel = Named(Caption(QString()), names.dateLabel);
    documentDate = MakeDateEdit(this, "DateTimePicker1");
    numberEdit = MakeEdit(this, names.numberEdit);
    numberEdit->setPlaceholderText(QStringLiteral("当日单号已用完，请输入单号"));
    numberEdit->setMinimumWidth(130);
    AutoDHButton = MakeButton(this, "AutoDHButton", QStringLiteral("自动升成单号"));
    RemarkEdit = MakeEdit(this, "RemarkEdit");

    auto* header = new QGridLayout;
    header->setHorizontalSpacing(8);
    header->setVerticalSpacing(8);
    header->addWidget(Caption(QString::fromUtf8(names.partnerCaption)), 0, 0);
    header->addWidget(partnerBox, 0, 1, 1, 3);
    header->addWidget(partnerLink, 0, 4, 1, 4);
    header->addWidget(Caption(QStringLiteral("联系电话")), 1, 0);
    header->addWidget(phoneEdit, 1, 1, 1, 3);
    header->addWidget(Caption(QStringLiteral("地址")), 1, 4);
    header->addWidget(addressEdit, 1, 5, 1, 3);
    int column = 0;
    if (auto* list = qobject_cast<QComboBox*>(extraHeader)) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(8);
    }
    if (extraHeader) {
        setTabOrder(addressEdit, extraHeader);  // made before the window's own controls
        header->addWidget(Caption(extraCaption), 2, 0);
        header->addWidget(extraHeader, 2, 1);
        column = 2;
    }
    header->addWidget(dateLabel, 2, column);
    header->addWidget(documentDate, 2, column + 1);
    header->addWidget(Caption(QStringLiteral("单号")), 2, column + 2);
    header->addWidget(numberEdit, 2, column + 3);
    header->addWidget(AutoDHButton, 2, column + 4);
    header->addWidget(Caption(QStringLiteral("备注")), 3, 0);
    header->addWidget(RemarkEdit, 3, 1, 1, 7);
    header->setColumnStretch(1, 1);
    header->setColumnStretch(5, 1);

    lineGrid = Named(new StringGrid(this), "StringGrid1");
    lineGrid->verticalHeader()->setDefaultSectionSize(std::max(18, fontMetrics().height() + 4));
    lineGrid->horizontalHeader()->setStretchLastSection(true);
    lineGrid->setMinimumHeight(240);
    AddButton = MakeButton(this, "AddButton", QStringLiteral("添加商品(F2)"));
    DelRowButton = MakeButton(this, "DelRowButton", QStringLiteral("删除行"));
    DelRowButton->setToolTip(QStringLiteral("Delete"));
    DelAllButton = MakeButton(this, "DelAllButton", QStringLiteral("清空"));
    auto* lineButtons = new QVBoxLayout;
    lineButtons->addWidget(AddButton);
    lineButtons->addWidget(DelRowButton);
    lineButtons->addWidget(DelAllButton);
    lineButtons->addStretch();
    auto* lines = new QHBoxLayout;
    lines->addWidget(lineGrid, 1);
    lines->addLayout(lineButtons);

    auto* totals = new QGroupBox(QStringLiteral("合计"), this);
    SLEdit = TotalEdit(totals, "SLEdit", false);
    JEEdit = TotalEdit(totals, "JEEdit", false);
    paidLabel = Named(Caption(QString()), names.paidLabel);
    SSEdit = TotalEdit(totals, "SSEdit", true);
    QKEdit = TotalEdit(totals, "QKEdit", false);
    QKEdit->setReadOnly(true);
    auto* totalRow = new QHBoxLayout(totals);
    totalRow->addWidget(Caption(QStringLiteral("数量")));
    totalRow->addWidget(SLEdit);
    totalRow->addSpacing(12);
    totalRow->addWidget(Caption(QStringLiteral("金额")));
    totalRow->addWidget(JEEdit);
    totalRow->addSpacing(12);
    totalRow->addWidget(paidLabel);
    totalRow->addWidget(SSEdit);
    totalRow->addSpacing(12);
    totalRow->addWidget(Caption(QStringLiteral("欠款")));
    totalRow->addWidget(QKEdit);
    totalRow->addStretch();

    NewDButton = MakeButton(this, "NewDButton", QString());
    NewDButton->setToolTip(QStringLiteral("Ctrl+Enter"));
    NewDButton->setMinimumWidth(96);
    PrintButton = MakeButton(this, "PrintButton", QStringLiteral("打印"));
    previewButton = MakeButton(this, names.previewButton, QStringLiteral("打印预览"));
    CloseButton = MakeButton(this, "CloseButton", QStringLiteral("退出"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : QList<QPushButton*>{NewDButton, PrintButton, previewButton} + extraButtons
                              + QList<QPushButton*>{CloseButton})
        buttons->addWidget(b);

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(14, 12, 14, 12);
    top->setSpacing(10);
    top->addLayout(header);
    top->addLayout(lines, 1);
    top->addWidget(totals);
    top->addLayout(buttons);
    resize(820, 560);

    // Enter walks the header to "添加商品": partner -> (salesperson) -> 添加商品; the other header
    // fields go straight to 添加商品, the amount paid to the confirm button.
    EnterMovesFocus(partnerBox, extraHeader ? extraHeader : AddButton);
    for (QWidget* w : {extraHeader, static_cast<QWidget*>(phoneEdit), static_cast<QWidget*>(addressEdit),
                       static_cast<QWidget*>(documentDate), static_cast<QWidget*>(numberEdit),
                       static_cast<QWidget*>(RemarkEdit)})
        if (w)
            EnterMovesFocus(w, AddButton);
    EnterMovesFocus(SSEdit, NewDButton);
    QList<QWidget*> watched{partnerBox, phoneEdit, addressEdit, documentDate, numberEdit, RemarkEdit,
                            lineGrid, SSEdit, AutoDHButton, AddButton, DelRowButton, DelAllButton,
                            NewDButton, PrintButton, previewButton, CloseButton};
    if (extraHeader)
        watched << extraHeader;
    for (QPushButton* b : extraButtons)
        watched << b;
    for (QWidget* w : watched)
        w->installEventFilter(this);
    InstallFloatKeyFilter(SSEdit);
}
