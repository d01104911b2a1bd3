#include "ClearDataForm.h"

#include "AppContext.h"
#include "ExitBackup.h"
#include "GuardedConnect.h"
#include "ClearDataStore.h"
#include "MonthKey.h"
#include "NumberText.h"
#include "BackgroundWork.h"
#include "StringGrid.h"

#include <QPushButton>

TClearDataForm::TClearDataForm(AppContext& context, QWidget* parent) : QDialog(parent), m_ctx(context)
{
    setupUi();
    GuardedConnect(ClearButton, &QPushButton::clicked, this, m_ctx, QStringLiteral("清除过期数据"), &TClearDataForm::ClearButtonClick);
    connect(EscButton, &QPushButton::clicked, this, &QDialog::close);
    RunGuarded(m_ctx, this, [this] { ListUnclearedJieQun(); });
}

void TClearDataForm::ListUnclearedJieQun()
{
    QVector<QStringList> rows;
    for (const QString& key : ::ListUnclearedJieQun(m_ctx.db()))
        rows.append({key.left(4), key.mid(4, 2)});
    monthGrid->setDataRows(std::move(rows));
    monthGrid->setRow(1);
}

void TClearDataForm::ClearButtonClick()
{
    const int row = monthGrid->row();
    const QString year = row > 0 ? monthGrid->cell(0, row).trimmed() : QString();
    const QString month = row > 0 ? monthGrid->cell(1, row).trimmed() : QString();
    const QString key = MonthKey(year, month);
    if (!IsValidMonthKey(key)) {
        m_ctx.prompts->message(this, QStringLiteral("请先在列表中选择要清除数据的月份!"));
        return;
    }
    QString question = QStringLiteral("确定要清楚") + year + QStringLiteral("年") + month
                     + QStringLiteral("月的业务数据吗?") + QStringLiteral("\n\r") + QStringLiteral("数据被清楚后将无法恢复!");
    // Documents still owing money leave the receivables and payables with their month.
    if (const MonthOwing owing = GetMonthOwing(m_ctx.db(), key); owing.count() > 0)
        question += QStringLiteral("\n\n该月有%1张单据仍有欠款(销售应收%2元,采购应付%3元),清除后将不再出现在应收款和应付款中!")
                        .arg(owing.count())
                        .arg(FormatGeneral(RoundFloat(2, owing.salesOwed)),
                             FormatGeneral(RoundFloat(2, owing.purchaseOwed)));
    question += QStringLiteral("\n\n清除前将自动备份数据库。");
    if (!m_ctx.prompts->warningQuestion(this, question))
        return;
    const QString backup = BackupBeforeChange(m_ctx, this);
    RunMaintenance(m_ctx, this, QStringLiteral("正在清除%1年%2月的业务数据...").arg(year, month),
                   [&](Database& db, const Progress& progress) { ClearMonthData(db, key, progress); });
    ListUnclearedJieQun();
    m_ctx.prompts->message(this, QStringLiteral("已清除%1年%2月的业务数据。\n").arg(year, month)
                                     + BackupBeforeChangeText(backup));
}
