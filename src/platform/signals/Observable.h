// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Change notification for control models: the Qt host subscribes and mirrors
// the model into its widget; tests read the models directly.
#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace vantor {

class Observable {
public:
    Observable() = default;
    // Listeners belong to one object: copies start without them.
    Observable(const Observable&) {}
    Observable& operator=(const Observable&) { return *this; }
    virtual ~Observable() = default;

    int subscribe(std::function<void()> listener) {
        m_listeners.emplace_back(m_nextId, std::move(listener));
        return m_nextId++;
    }
    void unsubscribe(int id) {
        std::erase_if(m_listeners, [id](const auto& l) { return l.first == id; });
    }

protected:
    void changed() {
        // A listener may unsubscribe while we iterate: walk a copy.
        auto copy = m_listeners;
        for (auto& l : copy) l.second();
    }

private:
    std::vector<std::pair<int, std::function<void()>>> m_listeners;
    int m_nextId = 1;
};

}  // namespace vantor
