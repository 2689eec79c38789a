// The yardstick of the start-up benchmark: the least an SDL2 program does to show a window on the
// desktop, as the program does it (X11, the window's own framebuffer, waiting on the connection),
// filled with the light gray of a dialog and framed, of the size given on the command line; it
// ends when asked to close.
#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const int width = std::atoi(argv[1]);
  const int height = std::atoi(argv[2]);
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
  SDL_Window* window = SDL_CreateWindow("BARE", 0, 0, width, height, SDL_WINDOW_SHOWN);
  if (window == nullptr) return 1;
  SDL_Surface* surface = SDL_GetWindowSurface(window);
  SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 128));
  const SDL_Rect inside{4, 4, width - 8, height - 8};
  SDL_FillRect(surface, &inside, SDL_MapRGB(surface->format, 192, 192, 192));
  SDL_UpdateWindowSurface(window);
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return 1;
  // Waiting on the X connection, as the program does: SDL's own wait wakes itself through the
  // window, which may be gone by the time the X server gets to it.
  pollfd connection{ConnectionNumber(info.info.x11.display), POLLIN, 0};
  for (bool open = true; open;) {
    SDL_Event event;
    while (open && SDL_PollEvent(&event) != 0) {
      if (event.type == SDL_QUIT) open = false;
      if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED) {
        SDL_UpdateWindowSurface(window);
      }
    }
    if (open) poll(&connection, 1, -1);
  }
  SDL_DestroyWindow(window);
  SDL_Quit();
  return 0;
}
