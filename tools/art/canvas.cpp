// Surfaces, files, fonts and text: the plumbing every picture uses.
#include <SDL.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "art/art.h"

namespace art {

namespace {

constexpr std::array<const char*, kFontCount> kFontFiles = {
    VANTREL_SANS_FONT,   VANTREL_SANS_BOLD_FONT, VANTREL_SERIF_BOLD_FONT,
    VANTREL_NARROW_FONT, VANTREL_SOURCE_FONT,    VANTREL_LABEL_FONT,
};

bool joinPath(const Job* job, const char* relPath, char* out, size_t size)
{
    const int written = std::snprintf(out, size, "%s/%s", job->outDir, relPath);
    return written > 0 && static_cast<size_t>(written) < size;
}

}  // namespace

bool loadFonts(Fonts* fonts)
{
    fonts->library = nullptr;
    fonts->faces.fill(nullptr);
    fonts->cairoFaces.fill(nullptr);
    if (FT_Init_FreeType(&fonts->library) != 0) {
        fonts->library = nullptr;
        std::fprintf(stderr, "vantrel_art: FreeType does not start\n");
        return false;
    }
    for (size_t i = 0; i < kFontFiles.size(); ++i) {
        if (FT_New_Face(fonts->library, kFontFiles[i], 0, &fonts->faces[i]) != 0) {
            std::fprintf(stderr, "vantrel_art: cannot read the font %s\n", kFontFiles[i]);
            return false;
        }
        fonts->cairoFaces[i] = cairo_ft_font_face_create_for_ft_face(fonts->faces[i], 0);
    }
    return true;
}

void freeFonts(Fonts* fonts)
{
    for (size_t i = 0; i < fonts->faces.size(); ++i) {
        if (fonts->cairoFaces[i] != nullptr) {
            cairo_font_face_destroy(fonts->cairoFaces[i]);
        }
    }
    // Cairo keeps font data cached until it is reset; the faces must outlive it.
    cairo_debug_reset_static_data();
    for (FT_Face face : fonts->faces) {
        if (face != nullptr) {
            FT_Done_Face(face);
        }
    }
    if (fonts->library != nullptr) {
        FT_Done_FreeType(fonts->library);
    }
}

cairo_surface_t* newImage(int w, int h) { return cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h); }

cairo_surface_t* newLayer(int w, int h) { return cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h); }

cairo_surface_t* cropImage(cairo_surface_t* from, ScreenPos at, int w, int h)
{
    cairo_surface_t* image = newImage(w, h);
    cairo_t* cr = cairo_create(image);
    cairo_set_source_surface(cr, from, -at.x, -at.y);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_destroy(cr);
    return image;
}

cairo_t* beginDrawing(cairo_surface_t* surface)
{
    cairo_t* cr = cairo_create(surface);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_subpixel_order(options, CAIRO_SUBPIXEL_ORDER_DEFAULT);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
    return cr;
}

// POSIX calls rather than <filesystem>, whose header alone took a second of
// every first build's compiles.
bool makeParentDirs(const char* path)
{
    char dir[512];
    const size_t length = std::strlen(path);
    if (length >= sizeof dir) {
        return false;
    }
    std::memcpy(dir, path, length + 1);
    for (char* slash = std::strchr(dir + 1, '/'); slash != nullptr; slash = std::strchr(slash + 1, '/')) {
        *slash = '\0';
        struct stat info {};
        if (mkdir(dir, 0755) != 0 && !(errno == EEXIST && stat(dir, &info) == 0 && S_ISDIR(info.st_mode))) {
            return false;
        }
        *slash = '/';
    }
    return true;
}

bool writeBmp(const Job* job, const char* relPath, cairo_surface_t* image)
{
    char path[512];
    if (!joinPath(job, relPath, path, sizeof path) || !makeParentDirs(path)) {
        return false;
    }
    cairo_surface_flush(image);
    // Cairo's pixels are 32-bit words 0x00RRGGBB; SDL saves them as 24-bit BMP.
    SDL_Surface* view =
        SDL_CreateRGBSurfaceFrom(cairo_image_surface_get_data(image), cairo_image_surface_get_width(image),
                                 cairo_image_surface_get_height(image), 32, cairo_image_surface_get_stride(image),
                                 0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0);
    if (view == nullptr) {
        return false;
    }
    SDL_Surface* packed =
        SDL_CreateRGBSurface(SDL_SWSURFACE, view->w, view->h, 24, 0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0);
    bool ok =
        packed != nullptr && SDL_BlitSurface(view, nullptr, packed, nullptr) == 0 && SDL_SaveBMP(packed, path) == 0;
    if (!ok) {
        std::fprintf(stderr, "vantrel_art: cannot write %s: %s\n", path, SDL_GetError());
    }
    SDL_FreeSurface(packed);
    SDL_FreeSurface(view);
    return ok;
}

Element beginElement(cairo_surface_t* under, ScreenPos at, int w, int h)
{
    cairo_surface_t* image = cropImage(under, at, w, h);
    return {image, beginDrawing(image)};
}

bool finishElement(const Job* job, Element* element, const char* relPath)
{
    cairo_destroy(element->cr);
    const bool ok = writeBmp(job, relPath, element->image);
    cairo_surface_destroy(element->image);
    return ok;
}

bool writePng(const Job* job, const char* relPath, cairo_surface_t* image)
{
    char path[512];
    if (!joinPath(job, relPath, path, sizeof path) || !makeParentDirs(path)) {
        return false;
    }
    const bool ok = cairo_surface_write_to_png(image, path) == CAIRO_STATUS_SUCCESS;
    if (!ok) {
        std::fprintf(stderr, "vantrel_art: cannot write %s\n", path);
    }
    return ok;
}

bool copyFont(const Job* job)
{
    char path[512];
    if (!joinPath(job, kFontFile, path, sizeof path) || !makeParentDirs(path)) {
        return false;
    }
    std::FILE* from = std::fopen(VANTREL_SOURCE_FONT, "rb");
    std::FILE* to = from != nullptr ? std::fopen(path, "wb") : nullptr;
    bool ok = to != nullptr;
    char buffer[16384];
    for (size_t got = 0; ok && (got = std::fread(buffer, 1, sizeof buffer, from)) > 0;) {
        ok = std::fwrite(buffer, 1, got, to) == got;
    }
    ok = ok && !std::ferror(from);
    if (to != nullptr && std::fclose(to) != 0) {
        ok = false;
    }
    if (from != nullptr) {
        std::fclose(from);
    }
    if (!ok) {
        std::fprintf(stderr, "vantrel_art: cannot copy the font to %s\n", path);
    }
    return ok;
}

void setColor(cairo_t* cr, Rgb c) { setColorAlpha(cr, c, 1.0); }

void setColorAlpha(cairo_t* cr, Rgb c, double alpha)
{
    cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha);
}

namespace {

uint8_t mixChannel(uint8_t x, uint8_t y, double t) { return static_cast<uint8_t>(std::lround(x + (y - x) * t)); }

}  // namespace

Rgb mix(Rgb a, Rgb b, double t) { return {mixChannel(a.r, b.r, t), mixChannel(a.g, b.g, t), mixChannel(a.b, b.b, t)}; }

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

void addStop(cairo_pattern_t* gradient, double offset, Rgb c, double alpha)
{
    cairo_pattern_add_color_stop_rgba(gradient, offset, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha);
}

void setVerticalGradient(cairo_t* cr, double y0, Rgb top, double y1, Rgb bottom)
{
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, y0, 0, y1);
    addStop(gradient, 0, top);
    addStop(gradient, 1, bottom);
    cairo_set_source(cr, gradient);
    cairo_pattern_destroy(gradient);
}

void fillFramedPanel(cairo_t* cr, double x, double y, double w, double h, double radius)
{
    roundedRect(cr, x, y, w, h, radius);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.6);
    setColor(cr, kGold);
    cairo_stroke(cr);
    roundedRect(cr, x + 3.5, y + 3.5, w - 7, h - 7, radius - 3);
    cairo_set_line_width(cr, 0.8);
    setColorAlpha(cr, kGold, 0.3);
    cairo_stroke(cr);
}

void setFont(cairo_t* cr, const Fonts* fonts, int32_t font, double size)
{
    cairo_set_font_face(cr, fonts->cairoFaces[static_cast<size_t>(font)]);
    cairo_set_font_size(cr, size);
}

namespace {

// Liberation Sans has no narrow no-break space, so the gap is set by hand:
// about a fifth of the font size, a little narrower than a word space.
constexpr char kNarrowSpace[] = "\u202F";
constexpr double kNarrowSpaceEm = 0.22;

// Width of `text` (which may hold narrow spaces); draws it too when `show`.
double runText(cairo_t* cr, const char* text, bool show)
{
    cairo_matrix_t matrix;
    cairo_get_font_matrix(cr, &matrix);
    const double gap = matrix.xx * kNarrowSpaceEm;
    char piece[256];
    double width = 0;
    const char* rest = text;
    while (true) {
        const char* space = std::strstr(rest, kNarrowSpace);
        const size_t length =
            std::min(space == nullptr ? std::strlen(rest) : static_cast<size_t>(space - rest), sizeof piece - 1);
        std::memcpy(piece, rest, length);
        piece[length] = '\0';
        cairo_text_extents_t extents;
        cairo_text_extents(cr, piece, &extents);
        if (show) {
            cairo_show_text(cr, piece);  // leaves the point after the piece
            cairo_rel_move_to(cr, space == nullptr ? 0 : gap, 0);
        }
        width += extents.x_advance;
        if (space == nullptr) {
            return width;
        }
        width += gap;
        rest = space + std::strlen(kNarrowSpace);
    }
}

}  // namespace

double textWidth(cairo_t* cr, const char* text) { return runText(cr, text, false); }

void showText(cairo_t* cr, const char* text, double x, double baseline, int32_t align)
{
    double left = x;
    if (align != kAlignLeft) {
        const double width = textWidth(cr, text);
        left = align == kAlignCenter ? x - width / 2 : x - width;
    }
    cairo_move_to(cr, left, baseline);
    runText(cr, text, true);
}

void showEmbossed(cairo_t* cr, const char* text, double cx, double baseline, Rgb color)
{
    setColorAlpha(cr, kInk, 0.55);
    showText(cr, text, cx + 1, baseline + 1.5, kAlignCenter);
    setColor(cr, color);
    showText(cr, text, cx, baseline, kAlignCenter);
}

int scoreAscent(const Fonts* fonts, int pointSize)
{
    // Same arithmetic as the game's text library: the face's ascender scaled
    // to the nominal size at 72 dpi, rounded up to a whole pixel.
    const FT_Face face = fonts->faces[static_cast<size_t>(kFontScore)];
    const FT_Fixed scale = FT_DivFix(pointSize * 64, face->units_per_EM);
    const FT_Long ascent = FT_MulFix(face->ascender, scale);
    return static_cast<int>((ascent + 63) / 64);
}

}  // namespace art
