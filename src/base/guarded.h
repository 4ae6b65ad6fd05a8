#pragma once

#include <cstddef>
#include <functional>
#include <tuple>
#include <type_traits>
#include <utility>

// Runs one handler of a button, link or event. An exception escaping it ends the handler
// there and is shown as an error message; it never unwinds through Qt's signal machinery.
// Returns false when the handler failed.
bool guarded(const std::function<void()> &handler);

namespace GuardDetail {

template <class F, class Tuple, std::size_t... I>
constexpr bool takesPrefix(std::index_sequence<I...>)
{
    return std::is_invocable_v<F &, std::tuple_element_t<I, Tuple>...>;
}

// Calls handler with as many of the leading arguments as it takes (a signal may carry
// more than the handler wants, such as Qt's private-signal tag).
template <std::size_t N, class F, class Tuple>
void callWithLeading(F &handler, Tuple &args)
{
    if constexpr (takesPrefix<F, Tuple>(std::make_index_sequence<N>())) {
        [&]<std::size_t... I>(std::index_sequence<I...>) {
            std::invoke(handler, std::get<I>(args)...);
        }(std::make_index_sequence<N>());
    } else {
        static_assert(N > 0, "the handler takes none of the signal's arguments");
        if constexpr (N > 0)
            callWithLeading<N - 1>(handler, args);
    }
}

} // namespace GuardDetail

// Wraps a handler for connect(): the signal's arguments are passed on as far as the
// handler takes them.
template <class F>
auto guard(F handler)
{
    return [handler = std::move(handler)](auto &&...args) mutable -> void {
        guarded([&] {
            auto forwarded = std::forward_as_tuple(std::forward<decltype(args)>(args)...);
            GuardDetail::callWithLeading<sizeof...(args)>(handler, forwarded);
        });
    };
}
