// The one guard of the ATK bridge: every function of ours that ATK calls runs
// under it, so that no error unwinds through GLib's frames. An error answers
// "failed" (null, 0, FALSE) and goes to the program's error handler from the
// message loop.
#pragma once

#include <exception>
#include <type_traits>

#include "ui/guarded.h"

namespace platform_atk {

template <auto Function>
struct TGuard;

template <typename Result, typename... Args, Result (*Function)(Args...)>
struct TGuard<Function> {
  static Result Call(Args... args) noexcept {
    try {
      return Function(args...);
    } catch (...) {
      ReportErrorLater(std::current_exception());
      if constexpr (!std::is_void_v<Result>) {
        return Result{};
      }
    }
  }
};

// The guarded callback, for ATK's tables of functions: iface->get_name = Guarded<GetName>.
template <auto Function>
inline constexpr auto Guarded = &TGuard<Function>::Call;

}  // namespace platform_atk
