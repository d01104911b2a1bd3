#pragma once

#include <QWidget>
#include <functional>

struct AppContext;
class ChangeWatch;
class QPushButton;

// Offers to read a window's lists again when another counter (or a second copy of the program)
// changed the shop: a bar at the top of the window, "数据已更新, 刷新", shown until the operator
// clicks it or presses F5. Nothing is read before the operator asks, so the list being looked at
// and what is being typed stay as they are; the bar never takes the focus. F5 reads the lists
// again at any time.
class RefreshOffer : public QWidget {
    Q_OBJECT
public:
    // Puts the bar at the top of window's box layout; reread reads the window's lists again,
    // keeping what the operator chose where it can.
    RefreshOffer(AppContext& context, QWidget* window, std::function<void()> reread);

    QPushButton* refreshButton = nullptr;

private:
    void reread();

    std::function<void()> m_reread;
    ChangeWatch* m_watch = nullptr;
};
