/* The measuring script's yardstick: the least an emscripten SDL 1.2 page
 * does to show one 872 x 488 picture and redraw it on a press. Built by
 * web/bench/measure.js with the same emcc and size flags as the game; the
 * page around it is minimal.html. */
#include <SDL/SDL.h>
#include <SDL/SDL_image.h>
#include <emscripten.h>
#include <emscripten/html5.h>

static SDL_Surface *screen;
static SDL_Surface *picture;

static void draw(void)
{
    SDL_BlitSurface(picture, NULL, screen, NULL);
    SDL_Flip(screen);
    EM_ASM(if (Module['onIdle']) Module['onIdle']());
}

static EM_BOOL pressed(int type, const EmscriptenMouseEvent *event, void *data)
{
    (void)type;
    (void)event;
    (void)data;
    draw();
    return EM_FALSE;
}

int main(void)
{
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    screen = SDL_SetVideoMode(872, 488, 32, SDL_SWSURFACE);
    picture = IMG_Load("picture.img.png");
    if (screen == NULL || picture == NULL) return 1;
    emscripten_set_mousedown_callback("#canvas", NULL, EM_FALSE, pressed);
    emscripten_set_mouseup_callback("#canvas", NULL, EM_FALSE, pressed);
    draw();
    emscripten_exit_with_live_runtime();
    return 0;
}
