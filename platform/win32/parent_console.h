// A window program has no console of its own: started from one, it writes its
// help and usage errors there.
#pragma once

namespace platform_win32 {

// Standard output and error go to the console of the program that started
// this one, unless they lead somewhere already (redirected, or under Wine).
void UseParentConsole();

}  // namespace platform_win32
