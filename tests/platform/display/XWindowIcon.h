#pragma once
// The icon the X server holds for a native window (_NET_WM_ICON), for tests of the icons windows show.
#include <SDL.h>

#include <cstdint>
#include <vector>

/// The first picture of Native's _NET_WM_ICON: its size and pixels as 0xAARRGGBB, top row first; empty
/// when the window has none (or there is no X server).
struct XWindowIcon {
  int Width { 0 };
  int Height { 0 };
  std::vector<uint32_t> Pixels;

  static XWindowIcon Of(SDL_Window* Native);
};
