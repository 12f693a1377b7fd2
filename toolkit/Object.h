// Base object, events and the exception type every layer above Win32 uses.
#pragma once

#include <exception>
#include <functional>
#include <string>

class TObject {
public:
    virtual ~TObject() = default;
};

// Events are optional callbacks taking the sender first; an empty one is skipped.
using TNotifyEvent = std::function<void(TObject* sender)>;

// Calls a copy: a handler may assign or clear its own event, which frees the
// stored closure while the handler still runs in it.
template <typename Event, typename... Args> void Fire(const Event& event, Args&&... args)
{
    if (!event) return;
    const Event running = event;
    running(std::forward<Args>(args)...);
}

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& Message() const { return message_; }

private:
    std::string message_;
};
