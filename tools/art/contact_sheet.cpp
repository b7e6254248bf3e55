// The reviewer's page: the screens composed the way the game composes them
// (same loaders, same colour key, same font) and then every picture at its
// own size, each under its file name.
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "art/art.h"
#include "cards/card_list.h"
#include "cards/display_state.h"
#include "cards/evaluate.h"

namespace art {

namespace {

constexpr int kSheetWidth = 1792;
constexpr int kSheetMaxHeight = 4800;  // cut to what is used
constexpr double kMargin = 16;
constexpr double kGap = 12;
constexpr double kLabelRoom = 16;
constexpr Rgb kSheetColor = {26, 28, 38};

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

bool blitFile(const Job* job, Canvas* canvas, const char* relPath, ScreenPos pos, bool keyed)
{
    Loaded loaded = loadBitmap(job, relPath);
    if (!loaded.ok) {
        return false;
    }
    if (keyed) {
        SDL_SetColorKey(loaded.surface, SDL_SRCCOLORKEY,
                        SDL_MapRGB(loaded.surface->format, kChipColorKey.r, kChipColorKey.g, kChipColorKey.b));
    }
    SDL_Rect place = {pos.x, pos.y, 0, 0};
    SDL_BlitSurface(loaded.surface, nullptr, canvas->view, &place);
    SDL_FreeSurface(loaded.surface);
    cairo_surface_mark_dirty(canvas->image);
    return true;
}

bool blitText(const Job* job, Canvas* canvas, const char* text, int pointSize, ScreenPos pos, Rgb color)
{
    char path[512];
    std::snprintf(path, sizeof path, "%s/%s", job->outDir, kFontFile);
    TTF_Font* font = TTF_OpenFont(path, pointSize);
    if (font == nullptr) {
        std::fprintf(stderr, "vantrel_art: contact sheet cannot open %s\n", path);
        return false;
    }
    const SDL_Color sdlColor = {color.r, color.g, color.b, 0};
    SDL_Surface* rendered = TTF_RenderText_Blended(font, text, sdlColor);
    if (rendered != nullptr) {
        SDL_Rect place = {pos.x, pos.y, 0, 0};
        SDL_BlitSurface(rendered, nullptr, canvas->view, &place);
        SDL_FreeSurface(rendered);
    }
    TTF_CloseFont(font);
    cairo_surface_mark_dirty(canvas->image);
    return rendered != nullptr;
}

// What one composed screen shows.
struct Scene {
    int32_t screen;
    const char* title;
    bool score;
    std::array<int32_t, 7> values;  // bank, bet, win, won, lost, best, total
    bool chips;
    int32_t pressedChip;
    bool hand;
    std::array<int32_t, kHandSlots> cards;
    std::array<int32_t, kHandSlots> garder;
    int32_t carte;
    int32_t message;
    int32_t combination;
};

constexpr std::array<Scene, 8> kScenes = {{
    {kScreenStart, "Accueil", false, {}, false, -1, false, {}, {}, 0, -1, -1},
    {kScreenJeu, "Mise", true, {30, 20, 0, 3, 2, 40, 70}, true, 3, false, {}, {}, kCarteUp, kMsgMise, kCombinationAide},
    {kScreenJeu,
     "Première main",
     true,
     {30, 20, 0, 3, 2, 40, 70},
     false,
     -1,
     true,
     {cardId(5, kSuitTrefle), cardId(9, kSuitCarreau), cardId(12, kSuitCoeur), cardId(12, kSuitPique),
      cardId(14, kSuitCoeur)},
     {1, 1, 0, 0, 0},
     kCarteUp,
     kMsgFirstHand,
     kCombinationAide},
    {kScreenJeu,
     "Résultat, nombres à dix chiffres",
     true,
     {2147483647, 1000000000, 1999999999, 1234567890, 987654321, 2000000000, 2147483647},
     false,
     -1,
     true,
     {cardId(7, kSuitTrefle), cardId(7, kSuitCoeur), cardId(13, kSuitCarreau), cardId(13, kSuitTrefle),
      cardId(13, kSuitPique)},
     {0, 0, 0, 1, 1},
     kRejouerUp,
     kMsgWin,
     kHandFullHouse},
    {kScreenOption, "Options", false, {}, false, -1, false, {}, {}, 0, -1, -1},
    {kScreenAide, "Aide", false, {}, false, -1, false, {}, {}, 0, -1, -1},
    {kScreenApropos, "À propos", false, {}, false, -1, false, {}, {}, 0, -1, -1},
    {kScreenGameover, "Partie terminée", false, {}, false, -1, false, {}, {}, 0, -1, -1},
}};

bool composeScene(const Job* job, const Scene& scene, Canvas* canvas)
{
    bool ok = blitFile(job, canvas, imageFor(kBackgroundImages, scene.screen), kBackgroundPos, false);
    if (scene.screen == kScreenStart) {
        ok = ok && blitFile(job, canvas, imageFor(kAideButtonImages, kButtonUp), kAideButtonPos, false) &&
             blitFile(job, canvas, imageFor(kAproposButtonImages, kButtonUp), kAproposButtonPos, false) &&
             blitFile(job, canvas, imageFor(kNewGameButtonImages, kButtonUp), kNewGameButtonPos, false) &&
             blitFile(job, canvas, imageFor(kResumeButtonImages, kResumeClosed), kResumeButtonPos, false) &&
             blitFile(job, canvas, imageFor(kOptionButtonImages, kButtonUp), kOptionButtonPos, false);
    } else if (scene.screen == kScreenOption || scene.screen == kScreenAide || scene.screen == kScreenApropos) {
        ok = ok && blitFile(job, canvas, imageFor(kRetourButtonImages, kButtonUp), kRetourButtonPos, false);
    } else if (scene.screen == kScreenGameover) {
        ok = ok && blitFile(job, canvas, imageFor(kContinuerButtonImages, kButtonUp), kContinuerButtonPos, false);
    }
    if (scene.screen == kScreenAide) {
        ok = ok && blitText(job, canvas, kWebAddress, kAideTextPt, kAideAddressPos, kPageTextColor);
    } else if (scene.screen == kScreenApropos) {
        ok = ok && blitText(job, canvas, kWebAddress, kAproposTextPt, kAproposAddressPos, kPageTextColor) &&
             blitText(job, canvas, kVersionText, kAproposTextPt, kAproposVersionPos, kPageTextColor);
    }
    if (scene.screen != kScreenJeu) {
        return ok;
    }
    ok = ok && blitFile(job, canvas, kScoreBackdropImage, kScoreBackdropPos, false) &&
         blitFile(job, canvas, imageFor(kAideButtonImages, kButtonUp), kAideButtonPos, false) &&
         blitFile(job, canvas, imageFor(kAproposButtonImages, kButtonUp), kAproposButtonPos, false) &&
         blitFile(job, canvas, imageFor(kCarteButtonImages, scene.carte), kCarteButtonPos, false);
    for (size_t chip = 0; scene.chips && chip < kChipImages.size(); ++chip) {
        const int32_t face = static_cast<int32_t>(chip) == scene.pressedChip ? kButtonDown : kButtonUp;
        ok = ok && blitFile(job, canvas, imageFor(kChipImages[chip], face), kChipPos[chip], true);
    }
    for (size_t slot = 0; scene.hand && slot < kCardPos.size(); ++slot) {
        char path[kCardPathSize];
        ok = ok &&
             blitFile(job, canvas, imageFor(kGarderButtonImages, scene.garder[slot]), kGarderButtonPos[slot], false);
        ok = ok && cardImagePath(scene.cards[slot], path, sizeof path) &&
             blitFile(job, canvas, path, kCardPos[slot], false);
    }
    for (size_t slot = 0; slot < kScoreSlots.size(); ++slot) {
        char digits[16];
        std::snprintf(digits, sizeof digits, "%d", scene.values[slot]);
        ok = ok && blitText(job, canvas, digits, kScoreSlots[slot].pointSize, kScoreSlots[slot].pos, kScoreColor);
    }
    return ok && blitFile(job, canvas, imageFor(kMessageImages, scene.message), kMessagePos, false) &&
           blitFile(job, canvas, imageFor(kCombinationImages, scene.combination), kCombinationPos, false);
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
    setFont(cr, fonts, FONT_SANS_BOLD, 17);
    setColor(cr, kGold);
    showText(cr, title, kMargin, flow->y + 18, ALIGN_LEFT);
    flow->y += 30;
}

void placePicture(cairo_t* cr, const Fonts* fonts, Flow* flow, cairo_surface_t* picture, double scale,
                  const char* label)
{
    const double w = cairo_image_surface_get_width(picture) * scale;
    const double h = cairo_image_surface_get_height(picture) * scale;
    if (flow->x + w > kSheetWidth - kMargin) {
        breakRow(flow);
    }
    cairo_save(cr);
    cairo_translate(cr, flow->x, flow->y);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, picture, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);
    setFont(cr, fonts, FONT_SANS, 9.5);
    setColor(cr, {178, 180, 190});
    cairo_save(cr);
    cairo_rectangle(cr, flow->x, flow->y + h, std::max(w, 60.0), kLabelRoom);
    cairo_clip(cr);
    showText(cr, label, flow->x, flow->y + h + 11, ALIGN_LEFT);
    cairo_restore(cr);
    flow->x += std::max(w, 60.0) + kGap;
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

template <size_t N>
bool placeTable(cairo_t* cr, const Job* job, Flow* flow, const ImageTable<N>& table)
{
    bool ok = true;
    for (const char* path : table) {
        if (path != nullptr) {
            ok = ok && placeFile(cr, job, flow, path, 1.0);
        }
    }
    return ok;
}

bool paintScenes(cairo_t* cr, const Job* job, Flow* flow)
{
    paintSection(cr, job->fonts, flow, "Écrans composés comme dans le jeu");
    bool ok = true;
    for (size_t i = 0; i < kScenes.size() && ok; ++i) {
        Canvas canvas = newCanvas(kScreenWidth, kScreenHeight);
        ok = composeScene(job, kScenes[i], &canvas);
        placePicture(cr, job->fonts, flow, canvas.image, 1.0, kScenes[i].title);
        freeCanvas(&canvas);
    }
    return ok;
}

bool paintPictures(cairo_t* cr, const Job* job, Flow* flow)
{
    bool ok = true;
    paintSection(cr, job->fonts, flow, "Fonds (au quart)");
    for (const char* path : kBackgroundImages) {
        ok = ok && placeFile(cr, job, flow, path, 0.25);
    }
    paintSection(cr, job->fonts, flow, "Cartes");
    for (int32_t id = 0; id <= kDeckSize && ok; ++id) {
        char path[kCardPathSize];
        ok = cardImagePath(id, path, sizeof path) && placeFile(cr, job, flow, path, 1.0);
    }
    paintSection(cr, job->fonts, flow, "Jetons (le vert autour du disque est la couleur transparente)");
    for (const ImageTable<2>& chip : kChipImages) {
        ok = ok && placeTable(cr, job, flow, chip);
    }
    paintSection(cr, job->fonts, flow, "Boutons");
    ok = ok && placeTable(cr, job, flow, kNewGameButtonImages) && placeTable(cr, job, flow, kResumeButtonImages) &&
         placeTable(cr, job, flow, kOptionButtonImages) && placeTable(cr, job, flow, kCarteButtonImages) &&
         placeTable(cr, job, flow, kAideButtonImages) && placeTable(cr, job, flow, kAproposButtonImages) &&
         placeTable(cr, job, flow, kRetourButtonImages) && placeTable(cr, job, flow, kContinuerButtonImages) &&
         placeTable(cr, job, flow, kGarderButtonImages);
    paintSection(cr, job->fonts, flow, "Messages, légendes, panneau des scores et icône");
    ok = ok && placeTable(cr, job, flow, kMessageImages) && placeTable(cr, job, flow, kCombinationImages) &&
         placeFile(cr, job, flow, kScoreBackdropImage, 1.0);
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

}  // namespace

bool writeContactSheet(const Job* job, const char* sheetPath)
{
    if (TTF_Init() != 0) {
        return false;
    }
    cairo_surface_t* sheet = newImage(kSheetWidth, kSheetMaxHeight);
    cairo_t* cr = beginDrawing(sheet);
    setColor(cr, kSheetColor);
    cairo_paint(cr);
    setFont(cr, job->fonts, FONT_SERIF_BOLD, 26);
    setColor(cr, kGold);
    showText(cr, "Vantrel : toutes les images du jeu", kMargin, 40, ALIGN_LEFT);
    Flow flow = {kMargin, 56, 0};
    bool ok = paintScenes(cr, job, &flow) && paintPictures(cr, job, &flow);
    cairo_destroy(cr);
    TTF_Quit();
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
