#pragma once
// Scalar types of the window system's calls and the helpers that pack values into message parameters.
//
// Threads: windows belong to the UI thread. Every call of the window system is made on it, except the
// thread-safe ones, which say so (PostMessage, PostThreadMessage, InvalidateRect and the video surface).
#include <cstdint>

#include "platform/base/Types.h"
#include "platform/gdi/IconHandle.h"
#include "platform/gdi/WindowHandle.h"

using UINT = uint32_t;
using DWORD = uint32_t;
using WPARAM = uintptr_t;  // pointer-sized: messages may carry object pointers
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using UINT_PTR = uintptr_t;
using LONG_PTR = intptr_t;
using ATOM = uint16_t;
/// Cursor handles; the cursor module gives them meaning, the window system only stores them.
using HCURSOR = uintptr_t;

constexpr Word LOWORD(uintptr_t V) { return Word(V & 0xFFFF); }
constexpr Word HIWORD(uintptr_t V) { return Word((V >> 16) & 0xFFFF); }
constexpr uint32_t MAKELONG(Word Low, Word High) { return uint32_t(Low) | (uint32_t(High) << 16); }
constexpr WPARAM MAKEWPARAM(Word Low, Word High) { return MAKELONG(Low, High); }
constexpr LPARAM MAKELPARAM(Word Low, Word High) { return LPARAM(MAKELONG(Low, High)); }
constexpr LRESULT MAKELRESULT(Word Low, Word High) { return LRESULT(MAKELONG(Low, High)); }
/// The signed 16-bit coordinates packed into a message parameter (screen or client points).
constexpr int GET_X_LPARAM(LPARAM L) { return int16_t(LOWORD(uintptr_t(L))); }
constexpr int GET_Y_LPARAM(LPARAM L) { return int16_t(HIWORD(uintptr_t(L))); }
constexpr LPARAM PointToLParam(TPoint P) { return MAKELPARAM(Word(P.X), Word(P.Y)); }
constexpr TPoint LParamToPoint(LPARAM L) { return { GET_X_LPARAM(L), GET_Y_LPARAM(L) }; }
