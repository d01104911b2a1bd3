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

    TreeView1 = new QTreeWidget(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->header()->hide();
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->setIndentation(16);
    TreeView1->setStyleSheet(QStringLiteral("QTreeWidget { background: white; }"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(TreeView1);
}
