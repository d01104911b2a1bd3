#include "DaoHangForm.h"

#include "GuardedConnect.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTreeWidget>

namespace {

QAction* NodeItem(const QTreeWidgetItem* node)
{
    return qobject_cast<QAction*>(node->data(0, Qt::UserRole).value<QObject*>());
}

// The caption without the access-key decoration ("&F" -> "F", "&&" -> "&").
QString PlainCaption(const QAction* item)
{
    QString text = item->text();
    for (int i = 0; i < text.size(); ++i)
        if (text[i] == u'&')
            text.remove(i, 1);
    return text;
}

}  // namespace

TDaoHangForm::TDaoHangForm(AppContext& context, QWidget* parent) : QWidget(parent), m_ctx(context)
{
    setupUi();
    setAttribute(Qt::WA_DeleteOnClose);
    GuardedConnect(commandTree, &QTreeWidget::itemClicked, this, m_ctx, &TDaoHangForm::commandClicked);
}

void TDaoHangForm::BuildNavigator(const QMenuBar& menu)
{
    const QColor grey = palette().color(QPalette::Dark);
    const auto attach = [&](QTreeWidgetItem* node, QAction* item) {
        node->setText(0, PlainCaption(item));
        node->setData(0, Qt::UserRole, QVariant::fromValue<QObject*>(item));
        if (!item->isEnabled())
            node->setForeground(0, grey);
    };
    const std::function<void(QTreeWidgetItem*, QMenu*)> addSubmenu = [&](QTreeWidgetItem* parent, QMenu* sub) {
        for (QAction* item : sub->actions()) {
            if (item->isSeparator())
                continue;
            auto* node = new QTreeWidgetItem(parent);
            attach(node, item);
            if (item->menu())
                addSubmenu(node, item->menu());
        }
    };
    for (QAction* top : menu.actions()) {
        auto* node = new QTreeWidgetItem(commandTree);
        attach(node, top);
        if (top->menu())
            addSubmenu(node, top->menu());
    }
    commandTree->expandAll();
}

void TDaoHangForm::commandClicked(QTreeWidgetItem* node)
{
    if (!node || !node->isSelected())
        return;
    QAction* item = NodeItem(node);
    if (item && !item->menu())
        item->trigger();  // a disabled item does nothing
    commandTree->clearSelection();
}
