// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A change notification with any number of receivers. Receivers run in the order they
// subscribed; one that subscribes or ends a subscription while a notification runs takes
// effect from the next notification on. An exception thrown by a receiver stops the
// notification and reaches the caller (a table's beforePost refuses a post that way).

#include <functional>
#include <memory>
#include <vector>

class QObject;

namespace zuv::core {

// Ends its subscription when reset or destroyed. Safe to keep after the notifier is gone.
class Subscription {
public:
    Subscription() = default;
    ~Subscription() { reset(); }
    Subscription(Subscription&& other) noexcept = default;
    Subscription& operator=(Subscription&& other) noexcept;
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;

    void reset();
    bool connected() const;

private:
    friend class Notifier;
    struct Slot;
    explicit Subscription(std::weak_ptr<Slot> slot) : m_slot(std::move(slot)) {}
    std::weak_ptr<Slot> m_slot;
};

class Notifier {
public:
    Notifier() = default;
    Notifier(const Notifier&) = delete;
    Notifier& operator=(const Notifier&) = delete;

    // The receiver runs until the returned handle is reset or destroyed.
    [[nodiscard]] Subscription subscribe(std::function<void()> receiver);
    // The receiver runs as long as context exists (context null: as long as the notifier).
    void subscribe(QObject* context, std::function<void()> receiver);
    void notify() const;
    int receiverCount() const;

private:
    std::shared_ptr<Subscription::Slot> add(std::function<void()> receiver);
    std::vector<std::shared_ptr<Subscription::Slot>> m_slots;
};

} // namespace zuv::core
