#include "base/NotificationCenter.h"

#include <algorithm>
#include <utility>

namespace pw {

long long Notification::intValue(const std::string& key, long long fallback) const
{
    const auto found = userInfo.find(key);
    if (found == userInfo.end())
        return fallback;
    const long long* value = std::get_if<long long>(&found->second);
    return value ? *value : fallback;
}

std::string Notification::textValue(const std::string& key) const
{
    const auto found = userInfo.find(key);
    if (found == userInfo.end())
        return {};
    const std::string* value = std::get_if<std::string>(&found->second);
    return value ? *value : std::string();
}

NotificationCenter& NotificationCenter::defaultCenter()
{
    static NotificationCenter center;
    return center;
}

NotificationCenter::Token NotificationCenter::addObserver(const std::string& name, Observer observer,
                                                          const void* sender)
{
    const std::lock_guard lock(mutex_);
    const Token token = nextToken_++;
    entries_.push_back({token, name, sender, std::make_shared<const Observer>(std::move(observer))});
    return token;
}

void NotificationCenter::removeObserver(Token token)
{
    const std::lock_guard lock(mutex_);
    std::erase_if(entries_, [token](const Entry& entry) { return entry.token == token; });
}

void NotificationCenter::post(const std::string& name, const void* sender, UserInfo userInfo)
{
    std::vector<std::shared_ptr<const Observer>> receivers;
    {
        const std::lock_guard lock(mutex_);
        for (const Entry& entry : entries_) {
            if (entry.name == name && (!entry.sender || entry.sender == sender))
                receivers.push_back(entry.observer);
        }
    }
    // Called without the lock, so observers may add or remove observers themselves.
    const Notification notification{name, sender, std::move(userInfo)};
    for (const auto& receiver : receivers)
        (*receiver)(notification);
}

ObserverRegistration::ObserverRegistration(const std::string& name, NotificationCenter::Observer observer,
                                           const void* sender, NotificationCenter& center)
    : center_(&center), token_(center.addObserver(name, std::move(observer), sender))
{
}

ObserverRegistration::ObserverRegistration(ObserverRegistration&& other) noexcept
    : center_(std::exchange(other.center_, nullptr)), token_(std::exchange(other.token_, 0))
{
}

ObserverRegistration& ObserverRegistration::operator=(ObserverRegistration&& other) noexcept
{
    if (this != &other) {
        reset();
        center_ = std::exchange(other.center_, nullptr);
        token_ = std::exchange(other.token_, 0);
    }
    return *this;
}

ObserverRegistration::~ObserverRegistration()
{
    reset();
}

void ObserverRegistration::reset()
{
    if (center_)
        center_->removeObserver(token_);
    center_ = nullptr;
    token_ = 0;
}

} // namespace pw
