#include "model/caps_lock.h"

#include <utility>

namespace {
std::function<bool()>& source() {
    static std::function<bool()> current;
    return current;
}
}  // namespace

void setCapsLockSource(std::function<bool()> newSource) { source() = std::move(newSource); }

bool capsLockToggledNow() {
    const std::function<bool()>& current = source();
    return current ? current() : false;
}
