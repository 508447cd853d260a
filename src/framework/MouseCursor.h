#pragma once

namespace fw {

enum class MouseCursor { Standard, FingerPointer };

// The system's cursors, as the program names them.
namespace System::Cursors {
inline constexpr MouseCursor StandardPointer = MouseCursor::Standard;
inline constexpr MouseCursor FingerPointer = MouseCursor::FingerPointer;
}  // namespace System::Cursors

}  // namespace fw
