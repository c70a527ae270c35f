#pragma once

#include <QtGlobal>
#include <optional>

// The keyboard's state as the platform tells it, also before any key is
// pressed and after a lock key has been let go.
namespace KeyboardState {
// The X modifier bits now (Caps Lock 0x02, Num Lock 0x10); none where the
// platform is not X11.
std::optional<quint32> nativeModifiers();
} // namespace KeyboardState
