#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "base/NotificationCenter.h"

using pw::Notification;
using pw::NotificationCenter;
using pw::ObserverRegistration;

TEST(NotificationCenter, DeliversByNameAndSender)
{
    NotificationCenter center;
    int a = 0;
    int b = 0;
    std::vector<std::string> seen;
    const ObserverRegistration any("Progress", [&](const Notification& n) { seen.push_back(n.textValue("msg")); },
                                   nullptr, center);
    const ObserverRegistration fromA("Progress", [&](const Notification&) { ++a; }, &a, center);
    const ObserverRegistration fromB("Progress", [&](const Notification&) { ++b; }, &b, center);

    center.post("Progress", &a, {{"msg", std::string("one")}});
    center.post("Other", &a, {{"msg", std::string("ignored")}});
    center.post("Progress", nullptr, {{"msg", std::string("two")}});

    EXPECT_EQ(seen, (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 0);

    // Values fall back when missing or of the other kind.
    const Notification n{"x", nullptr, {{"count", 5LL}, {"text", std::string("t")}}};
    EXPECT_EQ(n.intValue("count"), 5);
    EXPECT_EQ(n.intValue("text", -1), -1);
    EXPECT_EQ(n.intValue("missing", 9), 9);
    EXPECT_EQ(n.textValue("count"), "");
}

TEST(NotificationCenter, RegistrationEndsWithItsScopeMovesAndMayChangeTheRegistryWhenCalled)
{
    NotificationCenter center;
    int calls = 0;
    {
        ObserverRegistration outer;
        {
            ObserverRegistration inner("n", [&](const Notification&) { ++calls; }, nullptr, center);
            outer = std::move(inner);
        }
        center.post("n");
        EXPECT_EQ(calls, 1) << "a moved registration keeps observing";
    }
    center.post("n");
    EXPECT_EQ(calls, 1);

    // Observers may change the registry while being called.
    calls = 0;
    NotificationCenter::Token self = 0;
    self = center.addObserver("n", [&](const Notification&) {
        ++calls;
        center.removeObserver(self);
        center.addObserver("later", [](const Notification&) {});
    });
    center.post("n");
    center.post("n");
    EXPECT_EQ(calls, 1);
}

TEST(NotificationCenter, PostsFromManyThreadsReachEveryObserver)
{
    NotificationCenter center;
    std::atomic<int> calls{0};
    const ObserverRegistration reg("tick", [&](const Notification&) { ++calls; }, nullptr, center);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&center] {
            for (int i = 0; i < 250; ++i) {
                center.post("tick");
                const ObserverRegistration churn("tick-other", [](const Notification&) {}, nullptr, center);
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(calls.load(), 1000);
}
