#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <utility>

namespace ui {

// A list of handlers called in the order they were connected. The form connects its event handlers to the
// events of a control; the skin connects to the change notifications to mirror a control into its widget.
// A handler may connect more handlers, to this signal too (the skin builds a panel's widgets when the
// panel's control first shows): they are kept in place, so the handler running stays where it is, and
// they hear from the next emission on.
template <typename... Args> class Signal {
public:
    using Handler = std::function<void(Args...)>;

    void connect(Handler handler) { handlers_.push_back(std::move(handler)); }

    void operator()(Args... args) const {
        const std::size_t connected = handlers_.size();
        for (std::size_t index = 0; index < connected; ++index)
            handlers_[index](args...);
    }

private:
    // A deque keeps every handler where it is as more are connected.
    std::deque<Handler> handlers_;
};

} // namespace ui
