#pragma once

namespace Runtime {

// Whether the user's session has a bus to talk to, found without connecting:
// libdbus would start a bus of its own for a program that asks where there is
// none (a bare X11 session).
[[nodiscard]] bool HaveSessionBus();

} // namespace Runtime
