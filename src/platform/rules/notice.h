#pragma once

#include <functional>
#include <map>
#include <memory>
#include <utility>

namespace quendal {

// How a model tells whoever shows its state that the state has changed: each listener is
// called, in the order they came, with what changed, for as long as its subscription is
// kept. A listener may end its own or another's subscription while it hears.
template <typename... Args>
class Notice {
  public:
    using Listener = std::function<void(Args...)>;

  private:
    using Listeners = std::map<int, Listener>;

  public:
    // A listener's place: it hears nothing more once this is gone. It may outlive the
    // notice, which then has nobody left to forget.
    class Subscription {
      public:
        Subscription() = default;
        Subscription(std::weak_ptr<Listeners> listeners, int id)
            : listeners_(std::move(listeners)), id_(id) {}
        Subscription(Subscription&& other) noexcept
            : listeners_(std::exchange(other.listeners_, {})), id_(other.id_) {}
        Subscription& operator=(Subscription&& other) noexcept {
            std::swap(listeners_, other.listeners_);
            std::swap(id_, other.id_);
            return *this;
        }
        Subscription(const Subscription&) = delete;
        Subscription& operator=(const Subscription&) = delete;
        ~Subscription() {
            if (const auto listeners = listeners_.lock()) {
                listeners->erase(id_);
            }
        }

      private:
        std::weak_ptr<Listeners> listeners_;
        int id_ = 0;
    };

    Notice() = default;
    Notice(const Notice&) = delete;
    Notice& operator=(const Notice&) = delete;

    [[nodiscard]] Subscription listen(Listener listener) {
        listeners_->emplace(nextId_, std::move(listener));
        return Subscription(listeners_, nextId_++);
    }

    void notify(Args... args) const {
        // Each listener is looked up afresh: one may have gone meanwhile.
        const auto listeners = listeners_;
        for (auto it = listeners->begin(); it != listeners->end();) {
            const int id = it->first;
            it->second(args...);
            it = listeners->upper_bound(id);
        }
    }

  private:
    std::shared_ptr<Listeners> listeners_ = std::make_shared<Listeners>();
    int nextId_ = 0;
};

}  // namespace quendal
