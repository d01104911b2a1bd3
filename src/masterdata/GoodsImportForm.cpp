#include "GoodsImportForm.h"

#include "GoodsImport.h"
#include "NumberText.h"
#include "StringGrid.h"

#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

TGoodsImportForm::TGoodsImportForm(const QString& fileName, const GoodsImportCheck& check, QWidget* parent)
    : QDialog(parent)
{
    setupUi();
    setWindowTitle(QStringLiteral("从Excel导入 - ") + QFileInfo(fileName).fileName());
    QVector<QStringList> rows;
    rows.reserve(check.rows.size());
    for (const GoodsImportRow& r : check.rows)
        rows.append({QString::number(r.line), r.PinPai, r.ChanPin, r.CPType, r.GuiGe, FormatGeneral(r.PJCB),
                     QString::number(r.ShuLiang)});
    itemGrid->setDataRows(std::move(rows));
    ErrorMemo->setPlainText(check.errors.join(u'\n'));
    ErrorMemo->setVisible(!check.errors.isEmpty());
    OKButton->setEnabled(check.ok());
    if (check.ok())
        SummaryLabel->setText(QStringLiteral("共%1个商品可以导入，请核对后点击“导入”。").arg(check.rows.size()));
    else
        SummaryLabel->setText(QStringLiteral("有%1处错误，未导入任何商品。请在表格中改正后重新导入。")
                                  .arg(check.errors.size()));
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}
