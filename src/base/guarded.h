#pragma once

#include <functional>
#include <type_traits>
#include <utility>

// Runs one handler of a button, link or event. An exception escaping it ends the handler
// there and is shown as an error message; it never unwinds through Qt's signal machinery.
// Returns false when the handler failed.
bool guarded(const std::function<void()> &handler);

// Wraps a handler for connect(): the signal's arguments are passed on when the handler
// takes them, and dropped when it takes none.
template <class F>
auto guard(F handler)
{
    return [handler = std::move(handler)](auto &&...args) mutable -> void {
        guarded([&] {
            if constexpr (std::is_invocable_v<F &, decltype(args)...>)
                std::invoke(handler, std::forward<decltype(args)>(args)...);
            else
                std::invoke(handler);
        });
    };
}
