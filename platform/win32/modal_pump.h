// While the system runs a modal loop of its own (the user sizing a window, a
// message box), the toolkit's timers keep firing and its windows keep
// repainting, as they would under the program's own loop.
#pragma once

namespace platform_win32 {

// Active from construction to destruction; nests.
class TModalPump {
 public:
  TModalPump();
  ~TModalPump();
  TModalPump(const TModalPump&) = delete;
  TModalPump& operator=(const TModalPump&) = delete;
};

}  // namespace platform_win32
