#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace ui {

// A list of handlers called in the order they were connected. The form connects its event handlers to the
// events of a control; the skin connects to the change notifications to mirror a control into its widget.
template <typename... Args> class Signal {
public:
    using Handler = std::function<void(Args...)>;

    void connect(Handler handler) { handlers_.push_back(std::move(handler)); }

    void operator()(Args... args) const {
        for (const Handler& handler : handlers_)
            handler(args...);
    }

private:
    std::vector<Handler> handlers_;
};

} // namespace ui
