#include "ZL_QYXXForm.h"

#include "AppContext.h"
#include "GuardedConnect.h"
#include "ScreenHelpers.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <algorithm>

TZL_QYXXForm::TZL_QYXXForm(AppContext& context, QWidget* parent) : QDialog(parent), m_ctx(context)
{
    setupUi();
    GuardedConnect(saveButton, &QPushButton::clicked, this, m_ctx, &TZL_QYXXForm::saveButtonClick);
    GuardedConnect(cancelButton, &QPushButton::clicked, this, m_ctx, &TZL_QYXXForm::cancelButtonClick);
    GuardedConnect(introMemo, &QPlainTextEdit::textChanged, this, m_ctx, &TZL_QYXXForm::introMemoChange);

    const TGsInfo& g = m_ctx.GsInfo;
    m_memoText = g.GSJianJie;
    nameEdit->setText(g.GSName);
    phoneEdit->setText(g.GSPhone);
    faxEdit->setText(g.GSFax);
    postcodeEdit->setText(g.GSYouBian);
    addressEdit->setText(g.GSAddress);
    bankEdit->setText(g.GSKaiHuHan);
    accountEdit->setText(g.GSZhanHao);
    taxNumberEdit->setText(g.GSShuiHao);
    introMemo->setPlainText(g.GSJianJie);
}

// The memo accepts at most JianJieMaxLength characters: input that would make it longer keeps
// what fits and drops the rest of it, the cursor after what was kept. A longer stored
// introduction is shown and kept whole; it can only get shorter.
void TZL_QYXXForm::introMemoChange()
{
    const QString text = introMemo->toPlainText();
    if (text.size() <= JianJieMaxLength || text.size() <= m_memoText.size()) {
        m_memoText = text;
        return;
    }
    const TextEdit edit = EditBetween(m_memoText, text);
    qsizetype room = std::max<qsizetype>(0, JianJieMaxLength - (m_memoText.size() - edit.replaced));
    if (room > 0 && room < edit.inserted.size() && edit.inserted[room].isLowSurrogate())
        --room;  // never half a pair
    m_memoText = text.left(edit.head) + edit.inserted.left(room) + text.right(edit.tail);
    const QSignalBlocker quiet(introMemo);
    introMemo->setPlainText(m_memoText);
    QTextCursor c = introMemo->textCursor();
    c.setPosition(int(edit.head + room));
    introMemo->setTextCursor(c);
}

void TZL_QYXXForm::saveButtonClick()
{
    TGsInfo info;
    info.GSName = nameEdit->text();
    info.GSAddress = addressEdit->text();
    info.GSPhone = phoneEdit->text();
    info.GSFax = faxEdit->text();
    info.GSYouBian = postcodeEdit->text();
    info.GSKaiHuHan = bankEdit->text();
    info.GSZhanHao = accountEdit->text();
    info.GSShuiHao = taxNumberEdit->text();
    info.GSJianJie = introMemo->toPlainText().remove(u'\r').remove(u'\n');  // stored on one line
    info = StoredGsInfo(info);
    if (WriteGsInfo(m_ctx.ProgramDir, info)) {
        m_ctx.GsInfo = info;
        m_ctx.prompts->message(this, QStringLiteral("保存成功！"));
    } else {
        m_ctx.prompts->message(this, QStringLiteral("保存失败!"));
    }
    accept();
}

void TZL_QYXXForm::cancelButtonClick()
{
    reject();
}
