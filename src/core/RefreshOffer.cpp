#include "RefreshOffer.h"

#include "AppContext.h"
#include "ChangeWatch.h"
#include "GuardedConnect.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QShortcut>

RefreshOffer::RefreshOffer(AppContext& context, QWidget* window, std::function<void()> reread)
    : QWidget(window), m_reread(std::move(reread))
{
    setObjectName(QStringLiteral("RefreshOffer"));
    refreshButton = new QPushButton(QStringLiteral("数据已更新, 刷新"), this);
    refreshButton->setObjectName(QStringLiteral("RefreshButton"));
    refreshButton->setFocusPolicy(Qt::NoFocus);
    refreshButton->setToolTip(QStringLiteral("其他柜台保存了数据, 点击或按 F5 重新读取 (F5)"));
    refreshButton->setStyleSheet(QStringLiteral("QPushButton { background: #fff4c2; border: 1px solid #e0c060; "
                                                "padding: 3px 10px; text-align: left; }"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(refreshButton);
    if (auto* box = qobject_cast<QBoxLayout*>(window->layout()))
        box->insertWidget(0, this);
    hide();
    m_watch = &context.changes;
    connect(m_watch, &ChangeWatch::changedElsewhere, this, &QWidget::show);
    m_watch->poll();  // what the window reads now is the mark
    GuardedConnect(refreshButton, &QPushButton::clicked, this, context, &RefreshOffer::reread);
    auto* key = new QShortcut(QKeySequence(Qt::Key_F5), window);
    GuardedConnect(key, &QShortcut::activated, this, context, &RefreshOffer::reread);
}

void RefreshOffer::reread()
{
    m_watch->poll();  // a change heard from now on is one the lists read now may miss
    hide();
    m_reread();
}
