#include "Prompts.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace {

bool Show(QWidget* parent, const QString& caption, const QString& text, QMessageBox::Icon icon,
          QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton = QMessageBox::NoButton)
{
    QMessageBox box(icon, caption, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    if (QAbstractButton* ok = box.button(QMessageBox::Ok))
        ok->setText(QStringLiteral("确定"));
    if (QAbstractButton* cancel = box.button(QMessageBox::Cancel))
        cancel->setText(QStringLiteral("取消"));
    return box.exec() == QMessageBox::Ok;
}

}  // namespace

void BoxPrompts::message(QWidget* parent, const QString& text)
{
    Show(parent, QString::fromUtf8(AppTitle), text, QMessageBox::NoIcon, QMessageBox::Ok);
}

bool BoxPrompts::question(QWidget* parent, const QString& text)
{
    return Show(parent, QStringLiteral("提示"), text, QMessageBox::NoIcon,
                QMessageBox::Ok | QMessageBox::Cancel);
}

bool BoxPrompts::warningQuestion(QWidget* parent, const QString& text)
{
    return Show(parent, QStringLiteral("提示"), text, QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel,
                QMessageBox::Cancel);
}

void BoxPrompts::error(QWidget* parent, const QString& text)
{
    Show(parent, QString::fromUtf8(AppTitle), text, QMessageBox::Critical, QMessageBox::Ok);
}

void RecordingPrompts::message(QWidget*, const QString& text)
{
    entries.append({Entry::Message, text});
}

bool RecordingPrompts::question(QWidget*, const QString& text)
{
    entries.append({Entry::Question, text});
    return answers.isEmpty() ? true : answers.takeFirst();
}

bool RecordingPrompts::warningQuestion(QWidget*, const QString& text)
{
    entries.append({Entry::WarningQuestion, text});
    return answers.isEmpty() ? true : answers.takeFirst();
}

void RecordingPrompts::error(QWidget*, const QString& text)
{
    entries.append({Entry::Error, text});
}

QStringList RecordingPrompts::texts() const
{
    QStringList list;
    for (const Entry& e : entries)
        list << e.text;
    return list;
}
