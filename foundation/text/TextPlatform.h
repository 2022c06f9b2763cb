// The few platform services that the text classes need: the task-modal
// message box of the foundation's diagnostics, the last error code, the
// locale-aware comparison and mapping of texts and the interlocked reference count.  The native
// build stands in for them (the box goes to the error stream).
#pragma once

#include <cstdint>
#include <string>

namespace textplatform {

// An owner window handle; nullptr for none.
using OwnerWindow = void*;

// Shows a message box with an OK button, task-modal and set to the
// foreground, and returns its result.
int showTaskModalBox(OwnerWindow owner, const char* caption, const char* text);

// The platform's locale-aware, case-sensitive comparison of two texts
// (0 when they are equal).
int compareText(const char* a, const char* b);

// The calling thread's last error code.
std::uint32_t lastErrorCode();

// Maps text with the system default locale and the given LCMapString flags.
// False when the mapping yields nothing; result is then unchanged.
bool localeMap(std::uint32_t flags, const char* text, std::string& result);

std::int32_t interlockedIncrement(volatile std::int32_t* value);
std::int32_t interlockedDecrement(volatile std::int32_t* value);

}  // namespace textplatform
