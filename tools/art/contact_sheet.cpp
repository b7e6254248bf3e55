// The reviewer's page: the screens as the game itself draws them (its own
// routines, tables and font) and then every picture of the layout tables at
// its own size, each under its file name.
#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "art/art.h"
#include "cards/card_list.h"
#include "cards/evaluate.h"
#include "display/elements.h"
#include "display/screens.h"
#include "display/text_panels.h"
#include "state/display_state.h"
#include "state/modes.h"

namespace art {

namespace {

constexpr int kSheetWidth = 1792;
constexpr int kSheetMaxHeight = 4800;  // cut to what is used
constexpr double kMargin = 16;
constexpr double kGap = 12;
constexpr double kLabelRoom = 16;

// A picture the tool wrote, loaded back as the game loads it.
struct Loaded {
    SDL_Surface* surface;
    bool ok;
};

Loaded loadBitmap(const Job* job, const char* relPath)
{
    char path[512];
    std::snprintf(path, sizeof path, "%s/%s", job->outDir, relPath);
    SDL_Surface* surface = SDL_LoadBMP(path);
    if (surface == nullptr) {
        std::fprintf(stderr, "vantrel_art: contact sheet cannot load %s\n", path);
    }
    return {surface, surface != nullptr};
}

// A cairo picture with an SDL view on the same pixels, so SDL can blit into it.
struct Canvas {
    cairo_surface_t* image;
    SDL_Surface* view;
};

Canvas newCanvas(int w, int h)
{
    cairo_surface_t* image = newImage(w, h);
    cairo_surface_flush(image);
    SDL_Surface* view =
        SDL_CreateRGBSurfaceFrom(cairo_image_surface_get_data(image), w, h, 32, cairo_image_surface_get_stride(image),
                                 0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0);
    return {image, view};
}

void freeCanvas(Canvas* canvas)
{
    SDL_FreeSurface(canvas->view);
    cairo_surface_destroy(canvas->image);
}

// What one composed screen shows: the round-loop mode whose screen it is,
// the display fields and purse values that differ from a fresh round.
struct Scene {
    const char* title;
    int32_t mode;
    int32_t screen;                 // for the screens outside a round
    std::array<int32_t, 7> values;  // bank, bet, win, won, lost, best, total
    int32_t pressedChip;
    std::array<int32_t, kHandSlots> cards;
    std::array<int32_t, kHandSlots> garder;
    int32_t carte;
    int32_t message;
    int32_t combination;
};

constexpr int32_t kNoChip = -1;
constexpr std::array<Scene, 8> kScenes = {{
    {"Accueil", kModeStart, kScreenStart, {}, kNoChip, {}, {}, kCarteUp, kMsgMise, kCombinationAide},
    {"Mise", kModeBet, kScreenJeu, {30, 20, 0, 3, 2, 40, 70}, 3, {}, {}, kCarteUp, kMsgMise, kCombinationAide},
    {"Première main",
     kModeFirstHand,
     kScreenJeu,
     {30, 20, 0, 3, 2, 40, 70},
     kNoChip,
     {cardId(5, kSuitTrefle), cardId(9, kSuitCarreau), cardId(12, kSuitCoeur), cardId(12, kSuitPique),
      cardId(11, kSuitCoeur)},
     {kButtonDown, kButtonDown, kButtonUp, kButtonUp, kButtonUp},
     kCarteUp,
     kMsgFirstHand,
     kCombinationAide},
    {"Résultat, nombres à dix chiffres",
     kModeResult,
     kScreenJeu,
     {2147483647, 1000000000, 1999999999, 1234567890, 987654321, 2000000000, 2147483647},
     kNoChip,
     {cardId(7, kSuitTrefle), cardId(7, kSuitCoeur), cardId(13, kSuitCarreau), cardId(13, kSuitTrefle),
      cardId(13, kSuitPique)},
     {kButtonUp, kButtonUp, kButtonUp, kButtonDown, kButtonDown},
     kRejouerUp,
     kMsgWin,
     kHandFullHouse},
    {"Options", kModeOption, kScreenOption, {}, kNoChip, {}, {}, kCarteUp, kMsgMise, kCombinationAide},
    {"Aide", kModeOption, kScreenAide, {}, kNoChip, {}, {}, kCarteUp, kMsgMise, kCombinationAide},
    {"À propos", kModeOption, kScreenApropos, {}, kNoChip, {}, {}, kCarteUp, kMsgMise, kCombinationAide},
    {"Partie terminée", kModeGameOver, kScreenGameover, {}, kNoChip, {}, {}, kCarteUp, kMsgMise, kCombinationAide},
}};

// Draws the scene on `screen` with the game's own routines, from the game's
// runtime folder (the current directory): the start and round screens are
// the game's compositions; the options, the two pages and game over are
// drawn element by element the way the round loop and the pages draw them.
void composeScene(const Scene& scene, SDL_Surface* screen)
{
    DisplayState display;
    resetDisplayState(&display);
    display.screen = scene.screen;
    display.carteButton = scene.carte;
    display.message = scene.message;
    display.combination = scene.combination;
    display.handCards = scene.cards;
    display.garderButtons = scene.garder;
    if (scene.pressedChip != kNoChip) {
        display.chipButtons[static_cast<size_t>(scene.pressedChip)] = kButtonDown;
    }
    Purse purse;
    resetPurse(&purse);
    purse.bank = scene.values[0];
    purse.bet = scene.values[1];
    purse.win = scene.values[2];
    purse.handsWon = scene.values[3];
    purse.handsLost = scene.values[4];
    purse.bestWin = scene.values[5];
    purse.totalWon = scene.values[6];

    if (scene.mode == kModeStart) {
        showStartScreen(&display, screen);
    } else if (scene.mode == kModeBet) {
        showBetScreen(&display, &purse, screen);
    } else if (scene.mode == kModeFirstHand || scene.mode == kModeResult) {
        showCardScreen(&display, &purse, screen);
    } else {
        drawBackground(&display, screen);
        if (scene.screen == kScreenGameover) {
            drawContinuerButton(&display, screen);
        } else {
            drawRetourButton(&display, screen);
        }
        if (scene.screen == kScreenAide) {
            drawAideText(screen);
        } else if (scene.screen == kScreenApropos) {
            drawAproposText(screen);
        }
    }
}

// Left-to-right placement of labelled pictures, wrapping at the page edge.
struct Flow {
    double x;
    double y;
    double rowHeight;
};

void breakRow(Flow* flow)
{
    if (flow->rowHeight > 0) {
        flow->y += flow->rowHeight + kLabelRoom + kGap;
    }
    flow->x = kMargin;
    flow->rowHeight = 0;
}

void paintSection(cairo_t* cr, const Fonts* fonts, Flow* flow, const char* title)
{
    breakRow(flow);
    setFont(cr, fonts, kFontSansBold, 17);
    setColor(cr, kGold);
    showText(cr, title, kMargin, flow->y + 18, kAlignLeft);
    flow->y += 30;
}

void placePicture(cairo_t* cr, const Fonts* fonts, Flow* flow, cairo_surface_t* picture, double scale,
                  const char* label)
{
    const double w = cairo_image_surface_get_width(picture) * scale;
    const double h = cairo_image_surface_get_height(picture) * scale;
    setFont(cr, fonts, kFontSans, 9.5);
    if (flow->x + std::max(w, textWidth(cr, label)) > kSheetWidth - kMargin) {
        breakRow(flow);
    }
    cairo_save(cr);
    cairo_translate(cr, flow->x, flow->y);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, picture, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);
    // The label is never cut: a picture narrower than its label gets the
    // label's width.
    setFont(cr, fonts, kFontSans, 9.5);
    setColor(cr, kSheetLabel);
    showText(cr, label, flow->x, flow->y + h + 11, kAlignLeft);
    flow->x += std::max(w, textWidth(cr, label)) + kGap;
    flow->rowHeight = std::max(flow->rowHeight, h);
}

bool placeFile(cairo_t* cr, const Job* job, Flow* flow, const char* relPath, double scale)
{
    Loaded loaded = loadBitmap(job, relPath);
    if (!loaded.ok) {
        return false;
    }
    Canvas canvas = newCanvas(loaded.surface->w, loaded.surface->h);
    SDL_BlitSurface(loaded.surface, nullptr, canvas.view, nullptr);
    cairo_surface_mark_dirty(canvas.image);
    SDL_FreeSurface(loaded.surface);
    // Each picture is labelled with its file's own name, without folders.
    const char* slash = std::strrchr(relPath, '/');
    const char* label = slash == nullptr ? relPath : slash + 1;
    placePicture(cr, job->fonts, flow, canvas.image, scale, label);
    freeCanvas(&canvas);
    return true;
}

void paintScenes(cairo_t* cr, const Job* job, Flow* flow, SDL_Surface* screen)
{
    paintSection(cr, job->fonts, flow, "Écrans composés par le jeu");
    for (const Scene& scene : kScenes) {
        composeScene(scene, screen);
        Canvas canvas = newCanvas(kScreenWidth, kScreenHeight);
        SDL_BlitSurface(screen, nullptr, canvas.view, nullptr);
        cairo_surface_mark_dirty(canvas.image);
        placePicture(cr, job->fonts, flow, canvas.image, 1.0, scene.title);
        freeCanvas(&canvas);
    }
}

bool paintPictures(cairo_t* cr, const Job* job, Flow* flow)
{
    bool ok = true;
    // Every picture of the layout's list, element by element; the
    // backgrounds at a quarter of their size.
    paintSection(cr, job->fonts, flow, "Images, élément par élément (jetons\u202F: le vert est transparent)");
    for (const ImageElement& element : kImageElements) {
        const double scale = element.size.w == kScreenWidth ? 0.25 : 1.0;
        for (size_t value = 0; value < element.imageCount && ok; ++value) {
            ok = element.images[value] == nullptr || placeFile(cr, job, flow, element.images[value], scale);
        }
    }
    if (ok) {
        char path[512];
        std::snprintf(path, sizeof path, "%s/%s", job->outDir, kIconFile);
        cairo_surface_t* icon = cairo_image_surface_create_from_png(path);
        ok = cairo_surface_status(icon) == CAIRO_STATUS_SUCCESS;
        if (ok) {
            placePicture(cr, job->fonts, flow, icon, 2.0, "icon.png (×2)");
        }
        cairo_surface_destroy(icon);
    }
    return ok;
}

// The scenes are drawn by the game's routines, in a window of the dummy
// video driver (the routines flip), from inside the folder just written (the
// game reads its files relative to where it runs).
bool paintGameScreens(cairo_t* cr, const Job* job, Flow* flow)
{
    std::error_code error;
    const std::filesystem::path here = std::filesystem::current_path(error);
    std::filesystem::current_path(job->outDir, error);
    if (error) {
        std::fprintf(stderr, "vantrel_art: contact sheet cannot enter %s\n", job->outDir);
        return false;
    }
    SDL_putenv(const_cast<char*>("SDL_VIDEODRIVER=dummy"));
    SDL_Surface* screen = nullptr;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) {
        screen = SDL_SetVideoMode(kScreenWidth, kScreenHeight, kScreenDepth, SDL_SWSURFACE);
    }
    if (screen == nullptr) {
        std::fprintf(stderr, "vantrel_art: contact sheet has no video: %s\n", SDL_GetError());
    } else {
        paintScenes(cr, job, flow, screen);
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    std::filesystem::current_path(here, error);
    return screen != nullptr && !error;
}

}  // namespace

bool writeContactSheet(const Job* job, const char* sheetPath)
{
    cairo_surface_t* sheet = newImage(kSheetWidth, kSheetMaxHeight);
    cairo_t* cr = beginDrawing(sheet);
    setColor(cr, kSheetGround);
    cairo_paint(cr);
    setFont(cr, job->fonts, kFontSerifBold, 26);
    setColor(cr, kGold);
    showText(cr, "Vantrel\u202F: toutes les images du jeu", kMargin, 40, kAlignLeft);
    Flow flow = {kMargin, 56, 0};
    bool ok = paintGameScreens(cr, job, &flow) && paintPictures(cr, job, &flow);
    cairo_destroy(cr);
    if (ok) {
        breakRow(&flow);
        const int used = std::min(kSheetMaxHeight, static_cast<int>(flow.y + kMargin));
        cairo_surface_t* page = cropImage(sheet, {0, 0}, kSheetWidth, used);
        ok = cairo_surface_write_to_png(page, sheetPath) == CAIRO_STATUS_SUCCESS;
        cairo_surface_destroy(page);
        if (!ok) {
            std::fprintf(stderr, "vantrel_art: cannot write %s\n", sheetPath);
        }
    }
    cairo_surface_destroy(sheet);
    return ok;
}

}  // namespace art
