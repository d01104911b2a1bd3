// Layout of the navigator.
#include "DaoHangForm.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

void TDaoHangForm::setupUi()
{
    setObjectName(QStringLiteral("DaoHangForm"));
    setWindowTitle(QStringLiteral("导航条"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(190, 520);

    commandTree = new QTreeWidget(this);
    commandTree->setObjectName(QStringLiteral("TreeView1"));
    commandTree->header()->hide();
    commandTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    commandTree->setIndentation(16);
    commandTree->setStyleSheet(QStringLiteral("QTreeWidget { background: white; }"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(commandTree);
}
