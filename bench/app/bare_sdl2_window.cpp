// The yardstick of the start-up benchmark: the least an SDL2 program does to show a window on the
// desktop, as the program does it (X11, the window's own framebuffer), filled with the light gray
// of a dialog and framed, of the size given on the command line; it ends when asked to close.
#include <SDL.h>

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
  for (SDL_Event event; SDL_WaitEvent(&event) != 0;) {
    if (event.type == SDL_QUIT) break;
    if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED) SDL_UpdateWindowSurface(window);
  }
  SDL_DestroyWindow(window);
  SDL_Quit();
  return 0;
}
