#pragma once

#include <QWidget>

struct AppContext;
class QMenuBar;
class QTreeWidget;
class QTreeWidgetItem;

// The navigator: an always-on-top window whose tree offers the commands of the main window's
// menu bar. A node runs its menu item exactly as the menu would; disabled items are grey and do
// nothing. It frees itself when closed.
class TDaoHangForm : public QWidget {
    Q_OBJECT
public:
    TDaoHangForm(AppContext& context, QWidget* parent);

    QTreeWidget* commandTree = nullptr;

    // Adds a node for each top-level menu and, beneath it, each item of its submenu (separators
    // skipped), every node holding its menu item.
    void BuildNavigator(const QMenuBar& menu);

    void commandClicked(QTreeWidgetItem* node);

private:
    void setupUi();

    AppContext& m_ctx;
};
