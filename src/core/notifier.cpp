// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "notifier.h"

#include <QObject>
#include <QPointer>

#include <algorithm>

namespace zuv::core {

struct Subscription::Slot {
    std::function<void()> receiver;
    bool connected = true;
};

Subscription& Subscription::operator=(Subscription&& other) noexcept
{
    if (this != &other) {
        reset();
        m_slot = std::move(other.m_slot);
    }
    return *this;
}

void Subscription::reset()
{
    if (const auto slot = m_slot.lock()) {
        slot->connected = false;
        slot->receiver = nullptr;
    }
    m_slot.reset();
}

bool Subscription::connected() const
{
    const auto slot = m_slot.lock();
    return slot && slot->connected;
}

std::shared_ptr<Subscription::Slot> Notifier::add(std::function<void()> receiver)
{
    // Ended subscriptions are dropped here rather than in notify(), which may be running.
    std::erase_if(m_slots, [](const auto& s) { return !s->connected; });
    auto slot = std::make_shared<Subscription::Slot>();
    slot->receiver = std::move(receiver);
    m_slots.push_back(slot);
    return slot;
}

Subscription Notifier::subscribe(std::function<void()> receiver)
{
    return Subscription(add(std::move(receiver)));
}

void Notifier::subscribe(QObject* context, std::function<void()> receiver)
{
    if (!context) {
        add(std::move(receiver));
        return;
    }
    // The guard also covers the time between the context's own destructor and the
    // destroyed signal of its QObject base.
    QPointer<QObject> guard(context);
    const std::weak_ptr<Subscription::Slot> slot = add([guard, receiver = std::move(receiver)] {
        if (guard)
            receiver();
    });
    QObject::connect(context, &QObject::destroyed, [slot] {
        if (const auto s = slot.lock()) {
            s->connected = false;
            s->receiver = nullptr;
        }
    });
}

void Notifier::notify() const
{
    // A copy: receivers may subscribe or unsubscribe while this runs.
    const auto current = m_slots;
    for (const auto& slot : current) {
        if (!slot->connected)
            continue;
        const auto receiver = slot->receiver;   // survives the receiver ending itself
        receiver();
    }
}

int Notifier::receiverCount() const
{
    return static_cast<int>(std::count_if(m_slots.begin(), m_slots.end(),
                                          [](const auto& s) { return s->connected; }));
}

} // namespace zuv::core
