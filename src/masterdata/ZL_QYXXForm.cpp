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
    GuardedConnect(Button1, &QPushButton::clicked, this, m_ctx, &TZL_QYXXForm::Button1Click);
    GuardedConnect(Button2, &QPushButton::clicked, this, m_ctx, &TZL_QYXXForm::Button2Click);
    GuardedConnect(Memo1, &QPlainTextEdit::textChanged, this, m_ctx, &TZL_QYXXForm::Memo1Change);

    const TGsInfo& g = m_ctx.GsInfo;
    m_memoText = g.GSJianJie;
    Edit1->setText(g.GSName);
    Edit2->setText(g.GSPhone);
    Edit3->setText(g.GSFax);
    Edit4->setText(g.GSYouBian);
    Edit5->setText(g.GSAddress);
    Edit6->setText(g.GSKaiHuHan);
    Edit7->setText(g.GSZhanHao);
    Edit8->setText(g.GSShuiHao);
    Memo1->setPlainText(g.GSJianJie);
}

// The memo accepts at most JianJieMaxLength characters: input that would make it longer keeps
// what fits and drops the rest of it, the cursor after what was kept. A longer stored
// introduction is shown and kept whole; it can only get shorter.
void TZL_QYXXForm::Memo1Change()
{
    const QString text = Memo1->toPlainText();
    if (text.size() <= JianJieMaxLength || text.size() <= m_memoText.size()) {
        m_memoText = text;
        return;
    }
    const TextEdit edit = EditBetween(m_memoText, text);
    qsizetype room = std::max<qsizetype>(0, JianJieMaxLength - (m_memoText.size() - edit.replaced));
    if (room > 0 && room < edit.inserted.size() && edit.inserted[room].isLowSurrogate())
        --room;  // never half a pair
    m_memoText = text.left(edit.head) + edit.inserted.left(room) + text.right(edit.tail);
    const QSignalBlocker quiet(Memo1);
    Memo1->setPlainText(m_memoText);
    QTextCursor c = Memo1->textCursor();
    c.setPosition(int(edit.head + room));
    Memo1->setTextCursor(c);
}

void TZL_QYXXForm::Button1Click()
{
    TGsInfo info;
    info.GSName = Edit1->text();
    info.GSAddress = Edit5->text();
    info.GSPhone = Edit2->text();
    info.GSFax = Edit3->text();
    info.GSYouBian = Edit4->text();
    info.GSKaiHuHan = Edit6->text();
    info.GSZhanHao = Edit7->text();
    info.GSShuiHao = Edit8->text();
    info.GSJianJie = Memo1->toPlainText().remove(u'\r').remove(u'\n');  // stored on one line
    info = StoredGsInfo(info);
    if (WriteGsInfo(m_ctx.ProgramDir, info)) {
        m_ctx.GsInfo = info;
        m_ctx.prompts->message(this, QStringLiteral("保存成功！"));
    } else {
        m_ctx.prompts->message(this, QStringLiteral("保存失败!"));
    }
    accept();
}

void TZL_QYXXForm::Button2Click()
{
    reject();
}
