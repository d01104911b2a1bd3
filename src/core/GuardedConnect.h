#pragma once

#include "AppContext.h"
#include "Database.h"

#include <QObject>
#include <QWidget>
#include <exception>
#include <functional>
#include <type_traits>

// Shows an error in the application's error box: a DbError with the engine's text, any other
// std::exception with its message. Parent is the window the box belongs to. An action names what
// failed, in front of the reason: "保存销售单" shows "保存销售单失败: <reason>".
void ShowHandlerError(AppContext& context, QWidget* parent, const std::exception& error,
                      const QString& action = {});

// Runs one handler; an exception it throws is shown through the context's prompts (with the
// action's name when one is given) and goes no further. Returns true when the handler ran to its
// end.
template <class Handler>
bool RunGuarded(AppContext& context, QWidget* parent, const QString& action, Handler&& handler)
{
    try {
        std::invoke(std::forward<Handler>(handler));
        return true;
    } catch (const std::exception& e) {
        ShowHandlerError(context, parent, e, action);
    }
    return false;
}

template <class Handler>
bool RunGuarded(AppContext& context, QWidget* parent, Handler&& handler)
{
    return RunGuarded(context, parent, QString(), std::forward<Handler>(handler));
}

namespace guarded_detail {

// A handler is a member function of the receiver or any callable; it takes the leading
// arguments of the signal that it accepts (none, some or all).
template <class Handler, class Receiver, class... Args>
constexpr bool Accepts()
{
    if constexpr (std::is_member_function_pointer_v<Handler>)
        return std::is_invocable_v<const Handler&, Receiver*, Args...>;
    else
        return std::is_invocable_v<const Handler&, Args...>;
}

}  // namespace guarded_detail

// Connects a signal to a handler so that no exception ever crosses the signal: an error thrown
// by the handler is shown in the error box (ShowHandlerError) and the window stays as it was.
// Every window connects its handlers this way:
//     GuardedConnect(SaveButton, &QPushButton::clicked, this, m_ctx, &TUserGLForm::SaveButtonClick);
//     GuardedConnect(Grid, &StringGrid::rowSelected, this, m_ctx, [this](int row) { ... });
// The connection ends with the receiver; the error box is parented to the receiver when it is a
// widget. A handler that changes data names its action, so the box says what failed:
//     GuardedConnect(DelButton, &QPushButton::clicked, this, m_ctx, QStringLiteral("删除单据"), &F::Delete);
template <class Sender, class Signal, class Receiver, class Handler>
QMetaObject::Connection GuardedConnect(const Sender* sender, Signal signal, Receiver* receiver, AppContext& context,
                                       const QString& action, Handler handler)
{
    static_assert(std::is_base_of_v<QObject, Receiver>, "the receiver is a QObject");
    auto guarded = [receiver, &context, action, handler](auto&&... args)
        requires(guarded_detail::Accepts<Handler, Receiver, decltype(args)...>())
    {
        QWidget* parent = nullptr;
        if constexpr (std::is_base_of_v<QWidget, Receiver>)
            parent = receiver;
        RunGuarded(context, parent, action, [&] {
            if constexpr (std::is_member_function_pointer_v<Handler>)
                std::invoke(handler, receiver, std::forward<decltype(args)>(args)...);
            else
                std::invoke(handler, std::forward<decltype(args)>(args)...);
        });
    };
    return QObject::connect(sender, signal, receiver, std::move(guarded));
}

template <class Sender, class Signal, class Receiver, class Handler>
QMetaObject::Connection GuardedConnect(const Sender* sender, Signal signal, Receiver* receiver, AppContext& context,
                                       Handler handler)
{
    return GuardedConnect(sender, signal, receiver, context, QString(), std::move(handler));
}
