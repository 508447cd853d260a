#pragma once

// The framework's bookkeeping of open windows, shared by the runtime and the
// window class.
namespace fw::detail {

// Deletes the windows that were closed while a handler ran; called when the
// outermost handler returns.
void ReleaseClosedWindows();
// Closes and deletes every window still open; called when the program ends.
void CloseAllWindowsForExit();

}  // namespace fw::detail
