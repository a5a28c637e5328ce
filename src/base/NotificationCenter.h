#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <variant>
#include <vector>

namespace pw {

using NotificationValue = std::variant<long long, std::string>;
using UserInfo = std::map<std::string, NotificationValue>;

struct Notification {
    std::string name;
    const void* sender = nullptr;
    UserInfo userInfo;

    // The integer under the key, or fallback when it is missing or a text.
    long long intValue(const std::string& key, long long fallback = 0) const;
    // The text under the key, or "" when it is missing or an integer.
    std::string textValue(const std::string& key) const;
};

// Process-wide notifications: a post reaches every observer of its name synchronously, on
// the posting thread. Observers may be added and removed from any thread; an observer may
// still be running on another thread when removeObserver returns.
class NotificationCenter {
public:
    using Observer = std::function<void(const Notification&)>;
    using Token = std::uint64_t;

    static NotificationCenter& defaultCenter();

    // Observes the name; with a sender, only posts from that sender.
    Token addObserver(const std::string& name, Observer observer, const void* sender = nullptr);
    void removeObserver(Token token);
    void post(const std::string& name, const void* sender = nullptr, UserInfo userInfo = {});

private:
    struct Entry {
        Token token;
        std::string name;
        const void* sender;
        std::shared_ptr<const Observer> observer;
    };
    std::mutex mutex_;
    std::vector<Entry> entries_;
    Token nextToken_ = 1;
};

// Removes its observer when it goes out of scope.
class ObserverRegistration {
public:
    ObserverRegistration() = default;
    ObserverRegistration(const std::string& name, NotificationCenter::Observer observer,
                         const void* sender = nullptr,
                         NotificationCenter& center = NotificationCenter::defaultCenter());
    ObserverRegistration(ObserverRegistration&& other) noexcept;
    ObserverRegistration& operator=(ObserverRegistration&& other) noexcept;
    ObserverRegistration(const ObserverRegistration&) = delete;
    ObserverRegistration& operator=(const ObserverRegistration&) = delete;
    ~ObserverRegistration();

    void reset();

private:
    NotificationCenter* center_ = nullptr;
    NotificationCenter::Token token_ = 0;
};

} // namespace pw
