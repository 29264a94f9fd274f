// The pictures of the world: terrain, dungeon rooms, structures, the cube
// textures of the 3D view, the cross and the title. Every picture is drawn
// here from fixed seeds; none is loaded from anywhere.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "make_data.h"

namespace {

struct point {
    int x, y;
};

// The darkest shade any unkeyed picture uses: pure black is reserved.
constexpr rgb near_black{18, 16, 20};
// The outline of figures laid over a ground.
constexpr rgb outline_dark{36, 28, 30};

int wrap(int value, int size)
{
    return ((value % size) + size) % size;
}

void set_wrapped(canvas& picture, int x, int y, rgb colour)
{
    picture.set(wrap(x, picture.width), wrap(y, picture.height), colour);
}

// Blends the pixel towards colour by t / 256; pixels outside are ignored.
void tint(canvas& picture, int x, int y, rgb colour, int t)
{
    if (picture.inside(x, y)) picture.set(x, y, mix(picture.get(x, y), colour, std::clamp(t, 0, 256)));
}

void tint_wrapped(canvas& picture, int x, int y, rgb colour, int t)
{
    tint(picture, wrap(x, picture.width), wrap(y, picture.height), colour, t);
}

void line_wrapped(canvas& picture, int x0, int y0, int x1, int y1, rgb colour)
{
    trace_line(x0, y0, x1, y1, [&](int x, int y) { set_wrapped(picture, x, y, colour); });
}

// Smooth value noise 0..255 with lattice spacing `cell`, repeating every
// `period` pixels in both directions (period a multiple of cell), so that
// textures made from it tile seamlessly.
int smooth_noise(uint32_t seed, int x, int y, int cell, int period)
{
    const int cells = std::max(1, period / cell);
    x = wrap(x, period);
    y = wrap(y, period);
    const int i = x / cell, j = y / cell;
    auto corner = [&](int a, int b) { return int(noise_at(seed, wrap(a, cells), wrap(b, cells)) & 255u); };
    auto ease = [](int t) { return t * t * (768 - 2 * t) / 65536; };
    const int sx = ease((x % cell) * 256 / cell), sy = ease((y % cell) * 256 / cell);
    const int top = corner(i, j) * (256 - sx) + corner(i + 1, j) * sx;
    const int bottom = corner(i, j + 1) * (256 - sx) + corner(i + 1, j + 1) * sx;
    return (top * (256 - sy) + bottom * sy) >> 16;
}

// Octaves of smooth noise from `cell` down to 2 pixels, each of half the
// weight of the one before: 0..255, mostly near 128.
int fractal_noise(uint32_t seed, int x, int y, int cell, int period)
{
    int sum = 0, weight = 0;
    for (int size = cell, w = 256; size >= 2; size /= 2, w /= 2) {
        sum += smooth_noise(seed + uint32_t(size), x, y, size, period) * w;
        weight += w;
    }
    return sum / weight;
}

// Every pixel brightened by the fractal noise, +-amplitude at the extremes.
void mottle(canvas& picture, uint32_t seed, int cell, int amplitude)
{
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const int n = fractal_noise(seed, x, y, cell, picture.width) - 128;
            picture.set(x, y, shade(picture.get(x, y), n * amplitude / 64));
        }
}

// Light of a colour around (cx, cy), strongest (strength / 256) at the
// centre and fading to nothing at radius.
void glow(canvas& picture, float cx, float cy, float radius, rgb colour, int strength)
{
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const float d = std::hypot(float(x) + 0.5f - cx, float(y) + 0.5f - cy) / radius;
            if (d < 1.0f) tint(picture, x, y, colour, int(float(strength) * (1.0f - d) * (1.0f - d)));
        }
}

// Pixels whose squared distance from (cx, cy) lies within [inner2, outer2].
void fill_ring(canvas& picture, int cx, int cy, int inner2, int outer2, rgb colour)
{
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const int d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
            if (d2 >= inner2 && d2 <= outer2) picture.set(x, y, colour);
        }
}

// ---- Pixel art: rows of characters, each standing for a colour ------------

struct ink {
    char key;
    rgb colour;
};

// The colours shared by the small figures; a picture may add or override keys.
constexpr ink common_inks[] = {
    {'k', {40, 30, 32}},    {'x', {30, 24, 34}},    {'v', {88, 54, 30}},    {'w', {136, 86, 46}},
    {'W', {180, 126, 70}},  {'h', {150, 104, 28}},  {'g', {220, 176, 56}},  {'G', {255, 234, 132}},
    {'d', {80, 78, 84}},    {'s', {126, 124, 126}}, {'S', {170, 168, 166}}, {'T', {210, 208, 202}},
    {'i', {70, 74, 86}},    {'I', {132, 138, 150}}, {'J', {200, 206, 216}}, {'f', {246, 140, 36}},
    {'F', {255, 238, 140}}, {'o', {190, 62, 30}},   {'r', {132, 28, 30}},   {'R', {200, 50, 42}},
    {'b', {234, 226, 204}}, {'B', {174, 164, 142}}, {'p', {236, 220, 178}}, {'P', {192, 166, 118}},
    {'c', {242, 238, 222}}, {'u', {60, 110, 210}},  {'U', {150, 200, 255}}, {'e', {50, 180, 84}},
    {'y', {240, 214, 60}},  {'a', {226, 40, 74}},   {'n', {120, 118, 126}}, {'N', {170, 170, 178}},
    {'l', {108, 66, 40}},   {'q', {226, 212, 178}}, {'Q', {184, 166, 132}},
};

std::optional<rgb> ink_colour(char key, std::initializer_list<ink> extra)
{
    for (const ink& entry : extra)
        if (entry.key == key) return entry.colour;
    for (const ink& entry : common_inks)
        if (entry.key == key) return entry.colour;
    return std::nullopt;
}

// Draws the art with its top-left corner at (x0, y0); '.' leaves a pixel as it is.
void stamp(canvas& picture, int x0, int y0, std::span<const std::string_view> art,
           std::initializer_list<ink> extra = {})
{
    for (size_t row = 0; row < art.size(); ++row)
        for (size_t column = 0; column < art[row].size(); ++column) {
            const char key = art[row][column];
            if (key == '.') continue;
            if (const std::optional<rgb> colour = ink_colour(key, extra))
                picture.set(x0 + int(column), y0 + int(row), *colour);
            else
                std::fprintf(stderr, "make_data: art uses the unknown ink '%c'\n", key);
        }
}

canvas blank_figure()
{
    return canvas(16, 16, key_colour);
}

// The figure (drawn on key_colour) outlined, casting its shadow down-right,
// laid over the ground.
void lay_figure(canvas& ground, canvas figure, rgb outline = outline_dark)
{
    outline_figure(figure, key_colour, outline);
    auto covered = [&](int x, int y) { return figure.inside(x, y) && !(figure.get(x, y) == key_colour); };
    for (int y = 0; y < ground.height; ++y)
        for (int x = 0; x < ground.width; ++x)
            if (!covered(x, y) && covered(x - 1, y - 1)) tint(ground, x, y, near_black, 110);
    for (int y = 0; y < ground.height; ++y)
        for (int x = 0; x < ground.width; ++x)
            if (covered(x, y)) ground.set(x, y, figure.get(x, y));
}

// The art laid as an outlined figure over the ground.
void lay_art(canvas& ground, int x0, int y0, std::span<const std::string_view> art,
             std::initializer_list<ink> extra = {})
{
    canvas figure = blank_figure();
    stamp(figure, x0, y0, art, extra);
    lay_figure(ground, figure);
}

// ---- Grounds -----------------------------------------------------------------

constexpr rgb grass_green{92, 148, 62};

// Meadow grass with lighter and darker blades; every pixel independent, so it tiles.
canvas grass_ground(uint32_t seed, rgb base = grass_green)
{
    canvas picture(16, 16, base);
    mottle(picture, seed, 8, 10);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const uint32_t n = noise_at(seed + 1, x, y) % 16;
            if (n == 0) picture.set(x, y, shade(mix(picture.get(x, y), rgb{170, 200, 90}, 110), 14));
            if (n == 1 || n == 2) picture.set(x, y, shade(picture.get(x, y), -22));
        }
    return picture;
}

constexpr rgb flagstone{112, 104, 94};
constexpr rgb flagstone_joint{58, 52, 50};

// Flagstones of 8 x 8 pixels, every other row shifted by half a stone.
canvas flagstone_floor()
{
    canvas picture(16, 16, flagstone);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const int row = y / 8;
            const int shifted = wrap(x + (row % 2) * 4, 16);
            const int column = shifted / 8, lx = shifted % 8, ly = y % 8;
            if (lx == 7 || ly == 7) {
                picture.set(x, y, flagstone_joint);
                continue;
            }
            int tone = int(noise_at(41, column, row) % 25) - 12;
            if (lx == 0 || ly == 0) tone += 12;
            if (lx == 6 || ly == 6) tone -= 12;
            tone += int(noise_at(42, x, y) % 9) - 4;
            picture.set(x, y, shade(flagstone, tone));
        }
    return picture;
}

// ---- Terrain -----------------------------------------------------------------

canvas plain()
{
    canvas picture = grass_ground(11);
    constexpr struct {
        int x, y;
        rgb petal;
    } flowers[] = {{3, 4, {240, 236, 200}}, {12, 10, {246, 210, 80}}, {7, 13, {240, 236, 200}}};
    for (const auto& flower : flowers) {
        picture.set(flower.x, flower.y, flower.petal);
        picture.set(flower.x + 1, flower.y + 1, shade(grass_green, -26));
    }
    return picture;
}

// A round tree crown seen from above, lit from the top left, wrapping at the edges.
struct crown {
    int x, y;
    float radius;
};

void draw_crown_shadow(canvas& picture, const crown& tree)
{
    const int reach = int(tree.radius) + 2;
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (float((dx - 1) * (dx - 1) + (dy - 2) * (dy - 2)) <= tree.radius * tree.radius)
                tint_wrapped(picture, tree.x + dx, tree.y + dy, near_black, 120);
}

void draw_crown(canvas& picture, const crown& tree, rgb leaf, uint32_t seed)
{
    const int reach = int(tree.radius) + 1;
    const float r2 = tree.radius * tree.radius, inner = (tree.radius - 1.0f) * (tree.radius - 1.0f);
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
            const float d2 = float(dx * dx + dy * dy);
            if (d2 > r2) continue;
            int tone = int(-float(dx + dy) * 28.0f / (2.0f * tree.radius));
            if (d2 > inner) tone -= 30;
            const uint32_t n = noise_at(seed, wrap(tree.x + dx, 16), wrap(tree.y + dy, 16)) % 5;
            tone += n == 0 ? 14 : n == 1 ? -12 : 0;
            if (dx == -int(tree.radius / 2) && dy == -int(tree.radius / 2)) tone += 26;
            set_wrapped(picture, tree.x + dx, tree.y + dy, shade(leaf, tone));
        }
}

// A crowded wood of round crowns: shadows first, then the crowns from back to front.
canvas round_forest(std::span<const crown> trees, rgb floor, rgb leaf, uint32_t seed)
{
    canvas picture(16, 16, floor);
    mottle(picture, seed, 8, 10);
    for (const crown& tree : trees) draw_crown_shadow(picture, tree);
    for (const crown& tree : trees) draw_crown(picture, tree, leaf, seed + 1);
    return picture;
}

constexpr crown dense_wood[] = {{3, 2, 3.6f},  {11, 1, 3.6f}, {7, 7, 3.6f},
                                {15, 8, 3.6f}, {3, 12, 3.6f}, {11, 13, 3.6f}};
constexpr crown broad_wood[] = {{4, 3, 4.4f}, {12, 6, 4.4f}, {5, 12, 4.4f}, {13, 14, 3.4f}};

canvas forest()
{
    return round_forest(dense_wood, {38, 70, 32}, {44, 112, 40}, 21);
}

canvas forest_fruit()
{
    canvas picture = round_forest(dense_wood, {42, 76, 34}, {58, 122, 44}, 23);
    constexpr point fruit[] = {{2, 1}, {4, 3},  {10, 0}, {12, 2},  {6, 6},   {8, 8},   {14, 7},
                               {1, 9}, {2, 11}, {4, 13}, {10, 12}, {12, 14}, {15, 10}, {8, 4}};
    for (size_t i = 0; i < std::size(fruit); ++i) {
        const rgb colour = i % 3 == 0 ? rgb{246, 150, 40} : rgb{220, 44, 36};
        set_wrapped(picture, fruit[i].x, fruit[i].y, colour);
        set_wrapped(picture, fruit[i].x, fruit[i].y + 1, shade(colour, -70));
    }
    return picture;
}

canvas forest_leaf()
{
    return round_forest(broad_wood, {70, 120, 44}, {112, 178, 66}, 25);
}

canvas forest_autumn()
{
    canvas picture(16, 16, {84, 86, 40});
    mottle(picture, 27, 8, 10);
    constexpr rgb leaves[] = {{222, 170, 44}, {214, 108, 34}, {232, 196, 70},
                              {178, 72, 36},  {220, 140, 40}, {200, 160, 48}};
    for (const crown& tree : dense_wood) draw_crown_shadow(picture, tree);
    for (size_t i = 0; i < std::size(dense_wood); ++i)
        draw_crown(picture, dense_wood[i], leaves[i], 28 + uint32_t(i));
    // A few leaves fallen between the trees.
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (noise_at(29, x, y) % 23 == 0 && picture.get(x, y).g < 100)
                picture.set(x, y, leaves[noise_at(30, x, y) % 6]);
    return picture;
}

// A conifer seen from the side: tiers of needles widening downwards, lit from
// the left, with a dark rim on its shaded side and its shadow to the right.
void draw_pine(canvas& picture, int cx, int top, int tiers, rgb needle)
{
    const int height = tiers * 3;
    auto half_width = [](int row) { return row / 3 + row % 3; };
    for (int row = 0; row < height; ++row)
        for (int dx = 1; dx <= half_width(row) + 1; ++dx)
            tint_wrapped(picture, cx + dx, top + row + 1, near_black, 70);
    set_wrapped(picture, cx, top + height, {92, 60, 36});
    set_wrapped(picture, cx + 1, top + height, {60, 40, 26});
    for (int row = 0; row < height; ++row) {
        const int half = half_width(row);
        for (int dx = -half; dx <= half; ++dx) {
            int tone = dx < 0 ? 26 : dx > 0 ? -14 : 6;
            if (dx == half || row % 3 == 2) tone -= 26;
            if (dx == -half && row % 3 != 2) tone += 12;
            set_wrapped(picture, cx + dx, top + row, shade(needle, tone));
        }
    }
}

canvas forest_pine()
{
    canvas picture(16, 16, {78, 100, 56});
    mottle(picture, 31, 8, 12);
    constexpr struct {
        int x, top, tiers;
    } pines[] = {{4, 0, 2}, {12, 4, 2}, {4, 8, 2}, {12, 12, 2}};  // from back to front
    for (const auto& pine : pines) draw_pine(picture, pine.x, pine.top, pine.tiers, {34, 98, 62});
    return picture;
}

// Bare grey-blue trees on pale dead grass.
canvas forest_gray()
{
    const rgb floor{136, 138, 116};
    canvas picture(16, 16, floor);
    mottle(picture, 33, 8, 12);
    const rgb bark{150, 160, 182}, bark_dark{78, 86, 110};
    constexpr point trees[] = {{4, 8}, {12, 4}, {9, 15}};
    for (const auto& tree : trees) {
        for (int dx = 1; dx <= 4; ++dx) tint_wrapped(picture, tree.x + dx, tree.y + 1, near_black, 70);
        for (int dy = 0; dy < 6; ++dy) {
            set_wrapped(picture, tree.x, tree.y - dy, bark);
            set_wrapped(picture, tree.x + 1, tree.y - dy, bark_dark);
        }
        line_wrapped(picture, tree.x, tree.y - 3, tree.x - 3, tree.y - 6, bark);
        line_wrapped(picture, tree.x - 2, tree.y - 5, tree.x - 2, tree.y - 7, bark);
        line_wrapped(picture, tree.x + 1, tree.y - 3, tree.x + 4, tree.y - 6, bark_dark);
        line_wrapped(picture, tree.x + 3, tree.y - 5, tree.x + 4, tree.y - 8, bark_dark);
        line_wrapped(picture, tree.x, tree.y - 5, tree.x, tree.y - 8, bark);
        set_wrapped(picture, tree.x + 1, tree.y - 7, bark_dark);
    }
    line_wrapped(picture, 0, 12, 3, 13, bark_dark);
    line_wrapped(picture, 0, 11, 2, 12, bark);
    return picture;
}

// Open water: a blue base with drifting crests, each a light line over a darker trough.
canvas water_picture(rgb base, rgb crest, uint32_t seed, int crest_count)
{
    canvas picture(16, 16, base);
    mottle(picture, seed, 8, 8);
    constexpr struct {
        int x, y, length;
    } crests[] = {{2, 2, 4}, {10, 4, 3}, {5, 8, 4}, {13, 11, 4}, {1, 13, 3}, {8, 14, 3}};
    for (int i = 0; i < crest_count; ++i) {
        const auto& c = crests[i];
        for (int dx = 0; dx < c.length; ++dx) {
            tint_wrapped(picture, c.x + dx, c.y, crest, 200);
            tint_wrapped(picture, c.x + dx + 1, c.y + 1, shade(base, -26), 200);
        }
    }
    return picture;
}

canvas water()
{
    return water_picture({70, 140, 210}, {176, 220, 248}, 35, 6);
}
canvas water_deep()
{
    return water_picture({28, 54, 118}, {70, 104, 168}, 36, 4);
}

canvas swamp()
{
    canvas picture(16, 16, {96, 96, 56});
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const int n = fractal_noise(37, x, y, 8, 16);
            picture.set(x, y,
                        shade(mix(rgb{110, 108, 58}, rgb{86, 72, 44}, n), int(noise_at(38, x, y) % 9) - 4));
        }
    constexpr struct {
        int x, y, rx, ry;
    } pools[] = {{4, 4, 4, 2}, {12, 11, 3, 2}, {13, 3, 2, 1}};
    for (const auto& pool : pools)
        for (int dy = -pool.ry; dy <= pool.ry; ++dy)
            for (int dx = -pool.rx; dx <= pool.rx; ++dx)
                if (dx * dx * pool.ry * pool.ry + dy * dy * pool.rx * pool.rx <=
                    pool.rx * pool.rx * pool.ry * pool.ry)
                    set_wrapped(picture, pool.x + dx, pool.y + dy,
                                dy == -pool.ry ? rgb{46, 62, 50} : shade(rgb{62, 96, 88}, dy * 6));
    for (const auto& pool : pools) {
        set_wrapped(picture, pool.x - 1, pool.y, {140, 170, 150});
        set_wrapped(picture, pool.x, pool.y, {112, 142, 124});
    }
    constexpr struct {
        int x, y, height;
    } reeds[] = {{8, 7, 4}, {10, 8, 3}, {1, 12, 4}, {3, 13, 3}, {7, 15, 3}, {15, 7, 3}};
    for (const auto& reed : reeds) {
        for (int dy = 0; dy < reed.height; ++dy) set_wrapped(picture, reed.x, reed.y - dy, {56, 100, 38});
        set_wrapped(picture, reed.x + 1, reed.y, {60, 52, 34});
        set_wrapped(picture, reed.x, reed.y - reed.height, {116, 70, 36});
        set_wrapped(picture, reed.x, reed.y - reed.height + 1, {96, 56, 30});
    }
    return picture;
}

// Sand with dune ridges: a bright crest line over a shaded lee side.
canvas desert()
{
    canvas picture(16, 16, {222, 192, 128});
    constexpr int ridge[16] = {0, 0, 1, 1, 2, 2, 3, 3, 3, 2, 2, 1, 1, 0, 0, 0};
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const int phase = wrap(y - ridge[x] - ridge[wrap(x + 5, 16)] / 2, 8);
            constexpr int tone[8] = {22, 10, 4, 0, -4, -8, -14, -24};
            const int grain = int(noise_at(39, x, y) % 9) - 4;
            picture.set(x, y, shade(rgb{222, 192, 128}, tone[phase] + grain));
        }
    return picture;
}

// Rounded hills shaded as domes lit from the upper left, on grass.
canvas hills()
{
    canvas picture = grass_ground(41, {108, 146, 66});
    constexpr struct {
        int x, y, rx, ry;
    } humps[] = {{5, 9, 6, 6}, {12, 7, 4, 4}, {11, 14, 5, 4}};
    for (const auto& hump : humps) {
        canvas figure = blank_figure();
        for (int dy = -hump.ry; dy <= 1; ++dy)
            for (int dx = -hump.rx; dx <= hump.rx; ++dx) {
                const float nx = float(dx) / float(hump.rx), ny = float(dy) / float(hump.ry);
                const float flat = 1.0f - nx * nx - ny * ny;
                if (flat < 0.0f) continue;
                const float light = std::clamp(-0.55f * nx - 0.6f * ny + 0.6f * std::sqrt(flat), 0.0f, 1.0f);
                const rgb colour = mix(rgb{74, 96, 42}, rgb{168, 182, 94}, int(light * 256.0f));
                figure.set(hump.x + dx, hump.y + dy, shade(colour, int(noise_at(42, dx, dy) % 9) - 4));
            }
        lay_figure(picture, figure, {66, 74, 38});
    }
    return picture;
}

// A rocky peak from the side: a lit left face, a shaded right face and
// optionally a cap of snow with a ragged lower edge.
struct peak {
    int apex_x, apex_y, base_y, left_x, right_x, snow_rows;
};

void draw_peak(canvas& figure, const peak& p, rgb rock, uint32_t seed)
{
    for (int y = p.apex_y; y <= p.base_y; ++y) {
        const float t = float(y - p.apex_y) / float(p.base_y - p.apex_y);
        const int left = p.apex_x + int(float(p.left_x - p.apex_x) * t) + int(noise_at(seed, 0, y) % 2);
        const int right = p.apex_x + int(float(p.right_x - p.apex_x) * t) - int(noise_at(seed, 1, y) % 2);
        const int ridge = p.apex_x + (y - p.apex_y) / 3;
        const bool snowy = y - p.apex_y < p.snow_rows + int(noise_at(seed, 2, y) % 2);
        for (int x = left; x <= right; ++x) {
            const bool lit = x <= ridge;
            const bool snow_here = snowy || (y - p.apex_y < p.snow_rows + 2 && noise_at(seed, x, y) % 3 == 0);
            rgb colour =
                snow_here ? (lit ? rgb{238, 242, 250} : rgb{188, 200, 222}) : shade(rock, lit ? 26 : -22);
            if (!snow_here) colour = shade(colour, int(noise_at(seed + 1, x, y) % 13) - 6);
            figure.set(x, y, colour);
        }
    }
    // Cracks running down the rock.
    for (int y = p.apex_y + p.snow_rows + 2; y < p.base_y; y += 3) {
        const int x = p.apex_x + int(noise_at(seed + 2, 0, y) % 5) - 2;
        figure.set(x, y, shade(rock, -44));
        figure.set(x + 1, y + 1, shade(rock, -44));
    }
}

canvas mountain()
{
    canvas picture = grass_ground(43);
    canvas figure = blank_figure();
    draw_peak(figure, {4, 5, 13, -1, 8, 0}, {128, 122, 114}, 44);
    draw_peak(figure, {9, 1, 14, 2, 16, 0}, {138, 132, 124}, 45);
    lay_figure(picture, figure, {56, 52, 54});
    return picture;
}

canvas mountain_high()
{
    canvas picture = grass_ground(46, {96, 130, 70});
    canvas figure = blank_figure();
    draw_peak(figure, {3, 6, 15, -2, 8, 2}, {112, 110, 124}, 47);
    draw_peak(figure, {9, 0, 15, 1, 17, 5}, {118, 116, 130}, 48);
    lay_figure(picture, figure, {50, 48, 60});
    return picture;
}

// Pale cobbles in sandy joints with a darker rim: it reads as a road among
// grass and, copied over any other cell, as the path marker.
canvas road()
{
    const rgb stone{230, 220, 190}, joint{176, 150, 106}, rim{128, 98, 62};
    canvas picture(16, 16, joint);
    for (int y = 1; y < 15; ++y)
        for (int x = 1; x < 15; ++x) {
            const int row = (y - 1) / 3, ly = (y - 1) % 3;
            const int shifted = x - 1 + (row % 2) * 2;
            const int column = shifted / 4, lx = shifted % 4;
            if (lx == 3 || ly == 2) continue;
            int tone = int(noise_at(51, column, row) % 25) - 12;
            if (ly == 0 && lx < 2) tone += 10;
            if (ly == 1 && lx == 2) tone -= 14;
            picture.set(x, y, shade(stone, tone + int(noise_at(52, x, y) % 7) - 3));
        }
    for (int i = 0; i < 16; ++i) {
        picture.set(i, 0, rim);
        picture.set(i, 15, rim);
        picture.set(0, i, rim);
        picture.set(15, i, rim);
    }
    return picture;
}

// ---- Settlements and sites on the land --------------------------------------

// A cottage seen from the front: a gable roof over plaster walls.
constexpr std::string_view cottage_art[] = {
    "...R...", "..RRr..", ".RRRrr.", "RRRRrrr", "qqqqqqQ", "qxqqvqQ", "qqqqvqQ",
};

canvas village(rgb roof)
{
    canvas picture = grass_ground(61);
    const rgb path{150, 124, 84};
    constexpr point trail[] = {{7, 9}, {8, 10}, {8, 11}, {9, 12}, {10, 12},
                               {2, 9}, {3, 9},  {4, 9},  {5, 9},  {6, 9}};
    for (const auto& step : trail)
        picture.set(step.x, step.y, shade(path, int(noise_at(62, step.x, step.y) % 11) - 5));
    constexpr point houses[] = {{1, 1}, {8, 3}, {3, 8}, {10, 9}};
    for (const auto& house : houses)
        lay_art(picture, house.x, house.y, cottage_art, {{'R', roof}, {'r', shade(roof, -46)}});
    return picture;
}

constexpr rgb neutral_roof{146, 96, 58};

// Broken walls of grey stone standing in the grass, with rubble beside them.
canvas ruin()
{
    canvas picture = grass_ground(63, {104, 142, 66});
    canvas figure = blank_figure();
    constexpr struct {
        int x, y, w, h;
    } walls[] = {{2, 2, 5, 2}, {10, 2, 3, 3}, {2, 2, 2, 10}, {12, 4, 2, 5}, {2, 11, 7, 2}, {11, 11, 2, 2}};
    for (const auto& wall : walls)
        for (int y = wall.y; y < wall.y + wall.h; ++y)
            for (int x = wall.x; x < wall.x + wall.w; ++x) {
                const bool top = y == wall.y;
                const int tone = int(noise_at(64, x, y) % 15) - 7;
                figure.set(x, y, shade(top ? rgb{176, 172, 164} : rgb{132, 128, 124}, tone));
            }
    // Gaps knocked out of the walls.
    constexpr point gaps[] = {{3, 6}, {6, 2}, {13, 8}, {7, 12}};
    for (const point& gap : gaps) figure.set(gap.x, gap.y, key_colour);
    lay_figure(picture, figure, {54, 56, 50});
    constexpr point rubble[] = {{6, 5}, {8, 3}, {14, 10}, {9, 13}, {5, 14}, {9, 7}, {14, 2}};
    for (const auto& stone : rubble) {
        picture.set(stone.x, stone.y, {160, 156, 150});
        picture.set(stone.x + 1, stone.y, {96, 94, 92});
    }
    return picture;
}

constexpr std::string_view small_castle_art[] = {
    "..kRR.........", "..kRr.........", "..k...........", "S.S.S....S.S.S",
    "TSSSs....TSSSs", "SSxSs....SSxSs", "SSxSsS.S.SSxSs", "SSSSsSSSsSSSSs",
    "SsSSsSxxsSsSSs", "SSSSsxxxxSSSSs", "SSsSsxixxSSsSs", "sssssxixxsssss",
};

canvas castle_small()
{
    canvas picture = grass_ground(65);
    lay_art(picture, 1, 2, small_castle_art);
    return picture;
}

// A mound of rock rising out of the grass, lit from the upper left.
void draw_rock_mound(canvas& figure, rgb rock, uint32_t seed)
{
    for (int y = 1; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const int dx = x - 8, dy = y - 13;
            if (dx * dx * 144 + dy * dy * 64 > 64 * 144) continue;
            const int tone = -dx * 3 - dy * 2 + int(noise_at(seed, x, y) % 15) - 7;
            const bool crack = noise_at(seed + 1, x / 3, y / 2) % 5 == 0 && noise_at(seed + 2, x, y) % 2 == 0;
            figure.set(x, y, shade(rock, tone - (crack ? 30 : 0)));
        }
}

// A dark opening whose pixels grow darker towards the middle.
void draw_opening(canvas& figure, int cx, int top, int half_width, int bottom)
{
    for (int y = top; y <= bottom; ++y)
        for (int x = cx - half_width; x <= cx + half_width; ++x) {
            const int arch_dy = top + half_width - y;
            if (arch_dy > 0 && (x - cx) * (x - cx) + arch_dy * arch_dy > half_width * half_width) continue;
            const int depth = std::max(0, 22 - 4 * std::abs(x - cx) - (y - top));
            figure.set(x, y, shade(rgb{40, 32, 40}, -depth));
        }
}

canvas grottus()
{
    canvas picture = grass_ground(66);
    canvas figure = blank_figure();
    draw_rock_mound(figure, {136, 122, 106}, 67);
    draw_opening(figure, 8, 8, 3, 15);
    lay_figure(picture, figure, {60, 52, 46});
    return picture;
}

// A mine entrance: a timber frame in a rock face, rails running out of it.
canvas mine_picture(bool iron)
{
    canvas picture = grass_ground(68, {110, 138, 66});
    canvas figure = blank_figure();
    draw_rock_mound(figure, iron ? rgb{128, 110, 100} : rgb{130, 122, 110}, 69);
    if (iron)
        for (int y = 3; y < 15; ++y)
            for (int x = 1; x < 15; ++x)
                if (!(figure.get(x, y) == key_colour) && noise_at(70, x, y) % 9 == 0)
                    figure.set(x, y, {168, 72, 40});
    fill_rect(figure, 5, 9, 6, 7, {34, 28, 34});
    fill_rect(figure, 6, 10, 4, 6, {24, 20, 26});
    constexpr std::string_view frame_art[] = {"WWWWWWWW", "wv....vw", "w......w", "w......w",
                                              "w......w", "w......w", "v......v"};
    stamp(figure, 4, 8, frame_art);
    for (int y = 11; y < 16; ++y) {
        figure.set(6, y, {150, 150, 158});
        figure.set(9, y, {150, 150, 158});
    }
    for (int y = 12; y < 16; y += 2) fill_rect(figure, 6, y, 4, 1, {98, 66, 40});
    lay_figure(picture, figure, {58, 50, 44});
    if (iron) {
        constexpr std::string_view cart_art[] = {".oRoR.", "oRooRo", "IJIIIi", "iIIIii", ".k..k."};
        lay_art(picture, 11, 10, cart_art);
        constexpr std::string_view ore_art[] = {".oR", "oRo"};
        lay_art(picture, 0, 13, ore_art);
    }
    return picture;
}

constexpr std::string_view well_art[] = {
    "..wRRRRRRRw..", ".RRRRRRRRRRr.", "RRrrrrrrrrrrr", "..w...n...w..", "..w...n...w..", "..w..iIi..w..",
    ".TTTTTTTTTTS.", "TSxuUuuuuuxSs", "TSSSSSSSSSSSs", "SsSSsSSsSSsSs", "SSsSSsSSsSSss", ".sssssssssss.",
};

canvas well()
{
    canvas picture = grass_ground(71);
    lay_art(picture, 1, 2, well_art, {{'R', neutral_roof}, {'r', shade(neutral_roof, -40)}});
    return picture;
}

// Steps going down into the dark: the deeper the step, the darker.
constexpr std::string_view cellar_stairs_art[] = {
    ".TTTTTTTTTT.", "TSSSSSSSSSSs", "TSxxxxxxxxSs", "TSddddddddSs", "TSxxxxxxxxSs", "TSssssssssSs",
    "TSddddddddSs", "TSSSSSSSSSSs", "TSssssssssSs", "TSTTTTTTTTSs", "TScccccccccs", ".ssssssssss.",
};

canvas dungeon_entrance()
{
    canvas picture = grass_ground(72);
    lay_art(picture, 2, 2, cellar_stairs_art);
    return picture;
}

constexpr std::string_view lighthouse_art[] = {
    "..r..", ".rRr.", ".FGF.", ".FGF.", "ddddd", ".ccN.",
    ".RRr.", ".ccN.", ".RRr.", "ccccN", "RRRRr", "ccccN",
};

canvas lighthouse()
{
    canvas picture = water();
    canvas shore = blank_figure();
    for (int y = 8; y < 16; ++y)
        for (int x = 0; x < 14; ++x) {
            const int dx = x - 4, dy = y - 15;
            if (dx * dx * 36 + dy * dy * 100 > 36 * 100 + int(noise_at(73, x, y) % 60)) continue;
            shore.set(x, y, shade(rgb{132, 120, 104}, -dx * 3 - dy * 2 + int(noise_at(74, x, y) % 15) - 7));
        }
    lay_figure(picture, shore, {70, 62, 56});
    glow(picture, 7.5f, 4.5f, 9.0f, {255, 236, 150}, 150);
    for (int i = 1; i < 6; ++i) {
        tint(picture, 9 + i, 3 + i / 3, {255, 240, 170}, 150 - 20 * i);
        tint(picture, 5 - i, 3 + i / 3, {255, 240, 170}, 150 - 20 * i);
    }
    lay_art(picture, 5, 1, lighthouse_art);
    return picture;
}

// The distance from (px, py) to the segment from (ax, ay) to (bx, by).
float distance_to_segment(float px, float py, float ax, float ay, float bx, float by)
{
    const float vx = bx - ax, vy = by - ay;
    const float t = std::clamp(((px - ax) * vx + (py - ay) * vy) / (vx * vx + vy * vy), 0.0f, 1.0f);
    return std::hypot(px - ax - t * vx, py - ay - t * vy);
}

// A jagged crack in dark ground with molten light welling up from inside.
canvas rift()
{
    canvas picture(16, 16, {86, 76, 70});
    mottle(picture, 75, 8, 14);
    constexpr struct {
        float x, y;
    } crack[] = {{1, 0}, {4, 4}, {3, 7}, {7, 9}, {9, 8}, {11, 12}, {15, 15}};
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            float d = 99.0f;
            for (size_t i = 0; i + 1 < std::size(crack); ++i)
                d = std::min(d, distance_to_segment(float(x) + 0.5f, float(y) + 0.5f, crack[i].x, crack[i].y,
                                                    crack[i + 1].x, crack[i + 1].y));
            if (d < 0.7f)
                picture.set(x, y, {255, 244, 180});
            else if (d < 1.3f)
                picture.set(x, y, {248, 150, 44});
            else if (d < 1.8f)
                picture.set(x, y, {120, 40, 30});
            else if (d < 4.5f)
                tint(picture, x, y, {230, 90, 40}, int(110.0f * (4.5f - d) / 2.7f));
        }
    return picture;
}

// ---- Dungeon -------------------------------------------------------------------

// Wall cells seen from above: raised blocks in courses of four pixels.
canvas dungeon_wall()
{
    const rgb block{150, 144, 136};
    canvas picture(16, 16, {60, 54, 54});
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const int course = y / 4;
            const int shifted = wrap(x + (course % 2) * 4, 16);
            const int lx = shifted % 8, ly = y % 4;
            if (lx == 7 || ly == 3) continue;
            int tone = int(noise_at(81, shifted / 8, course) % 25) - 12;
            if (ly == 0) tone += 18;
            if (lx == 0) tone += 8;
            if (ly == 2 || lx == 6) tone -= 14;
            picture.set(x, y, shade(block, tone + int(noise_at(82, x, y) % 9) - 4));
        }
    return picture;
}

// White and grey marble tiles with faint veins.
canvas marble_floor()
{
    canvas picture(16, 16, {214, 214, 218});
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool dark_tile = (x / 8 + y / 8) % 2 == 1;
            rgb colour = dark_tile ? rgb{184, 186, 196} : rgb{226, 226, 230};
            const int vein = fractal_noise(83, x + y, y * 2 - x, 8, 16);
            if (std::abs(vein - 128) < 6) colour = shade(colour, -30);
            colour = shade(colour, int(noise_at(84, x, y) % 7) - 3);
            if (x % 8 == 7 || y % 8 == 7) colour = {150, 150, 160};
            picture.set(x, y, colour);
        }
    return picture;
}

canvas floor_with(std::span<const std::string_view> art, int x, int y, std::initializer_list<ink> extra = {})
{
    canvas picture = flagstone_floor();
    lay_art(picture, x, y, art, extra);
    return picture;
}

constexpr std::string_view chest_art[] = {
    "WgWWWWWWgW", "wgwwwwwwgw", "vhvvvvvvhv", "kkkkGGkkkk",
    "WgWWGhWWgW", "wgwwkkwwgw", "wgwwwwwwgw", "vhvvvvvvhv",
};
constexpr std::string_view chest_open_art[] = {
    "vvvvvvvvvv", "wwwwwwwwww", "kkkkkkkkkk", "GgGyGgGGgG", "gGgGgaGgGg",
    "WgWWWWWWgW", "wgwwGhwwgw", "wgwwwwwwgw", "vhvvvvvvhv",
};

canvas chest()
{
    return floor_with(chest_art, 3, 5);
}
canvas chest_open()
{
    return floor_with(chest_open_art, 3, 4);
}

constexpr std::string_view candelabrum_art[] = {
    ".....F.....", ".F...f...F.", ".f...c...f.", ".c...c...c.", ".c...c...c.", "hGh.hGh.hGh", ".g...g...g.",
    ".gg..g..gg.", "..ggggggg..", ".....g.....", ".....g.....", "...hgGgh...", "..hgggggh..",
};
constexpr std::string_view candelabrum_extinct_art[] = {
    "....n......", ".n...k...n.", ".k...c...k.", ".c...c...c.", ".c...c...c.", "hGh.hGh.hGh", ".g...g...g.",
    ".gg..g..gg.", "..ggggggg..", ".....g.....", ".....g.....", "...hgGgh...", "..hgggggh..",
};

canvas candelabrum()
{
    canvas picture = flagstone_floor();
    glow(picture, 8.0f, 3.0f, 10.0f, {255, 210, 120}, 140);
    lay_art(picture, 3, 1, candelabrum_art);
    return picture;
}

canvas candelabrum_extinct()
{
    return floor_with(candelabrum_extinct_art, 3, 1);
}

constexpr std::string_view coffin_art[] = {
    ".WWWW.", "WWwwwv", "Wwwgwv", "Wwgggv", "Wwwgwv", "Wwwgwv",
    ".Wwwv.", ".Wwwv.", ".Wwwv.", ".Wwwv.", "..wv..",
};
constexpr std::string_view coffin_box_art[] = {
    ".WWWW.", "WrbbrW", "WbkkbW", "WrbbrW", "WrBrrW", "WbbbrW",
    "WrBrrW", ".rbbr.", ".rBrr.", ".rbbr.", "..WW..",
};
constexpr std::string_view coffin_lid_art[] = {
    ".WW.", "WwwW", "WgwW", "ggwv", "WgwW", "Wwwv", "Wwwv", ".wv.", ".wv.",
};

canvas coffin()
{
    return floor_with(coffin_art, 5, 2);
}

canvas coffin_open()
{
    canvas picture = flagstone_floor();
    lay_art(picture, 2, 2, coffin_box_art, {{'r', {70, 20, 26}}});
    lay_art(picture, 10, 4, coffin_lid_art);
    return picture;
}

constexpr std::string_view skull_art[] = {".bbb.", "bbbbb", "bkbkb", "bbbbB", ".bBb."};

constexpr std::string_view crossbones_art[] = {
    "b.....b", "bb...bb", ".bb.bb.", "..bBb..", ".bb.bb.", "bb...bb", "b.....b",
};
constexpr std::string_view bone_art[] = {"b...b", "bbbbB", "b...b"};

canvas floor_bones()
{
    canvas picture = flagstone_floor();
    lay_art(picture, 2, 2, skull_art);
    lay_art(picture, 8, 8, crossbones_art);
    lay_art(picture, 2, 11, bone_art);
    lay_art(picture, 10, 2, {bone_art + 1, 1});
    return picture;
}

canvas floor_bones_cleaned()
{
    canvas picture = flagstone_floor();
    // Dust swept into a small heap, with a few chips left behind.
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const int d2 = (x - 11) * (x - 11) * 2 + (y - 11) * (y - 11) * 3;
            if (d2 < 24) tint(picture, x, y, {150, 140, 120}, 180 - d2 * 6);
        }
    constexpr point chips[] = {{4, 4}, {7, 6}, {3, 9}, {12, 10}, {10, 12}};
    for (const auto& chip : chips) picture.set(chip.x, chip.y, {214, 206, 186});
    return picture;
}

constexpr std::string_view door_art[] = {
    "..SSSSSS..", ".STkkkkTs.", "STkWwvWkSs", "SkWwvWwvks", "SkIIIIIIks", "SkWwvWwvks", "SkWwvWwvks",
    "SkWwvWJvks", "SkWwvWIJks", "SkWwvWJvks", "SkIIIIIIks", "SkWwvWwvks", "SkWwvWwvks", "SkWwvWwvks",
};

canvas door()
{
    canvas picture = dungeon_wall();
    stamp(picture, 3, 2, door_art);
    return picture;
}

canvas door_opened()
{
    canvas picture = dungeon_wall();
    const canvas floor = flagstone_floor();
    for (int y = 4; y < 16; ++y)
        for (int x = 5; x < 11; ++x)
            picture.set(x, y, shade(floor.get(x, y), y < 7 ? -50 + (y - 4) * 12 : 0));
    constexpr std::string_view frame_art[] = {
        "..SSSSSS..", ".STkkkkTs.", "ST......Ss", "Sk......ks", "SWv.....ks", "SWv.....ks", "SWv.....ks",
        "SWv.....ks", "SIv.....ks", "SWv.....ks", "SWv.....ks", "SIv.....ks", "SWv.....ks", "SWv.....ks",
    };
    stamp(picture, 3, 2, frame_art);
    return picture;
}

// A spring in a stone basin, glowing in its colour; a completed one is calm and dim.
canvas spring(rgb light, bool complete)
{
    canvas picture = flagstone_floor();
    if (!complete) glow(picture, 8.0f, 8.0f, 9.0f, light, 170);
    canvas figure = blank_figure();
    fill_ellipse(figure, 8, 8, 6, 5, {150, 146, 140});
    fill_ellipse(figure, 8, 7, 6, 4, {186, 182, 176});
    fill_ellipse(figure, 8, 8, 4, 3,
                 complete ? shade(mix(light, rgb{60, 60, 70}, 150), -20) : shade(light, -40));
    fill_ellipse(figure, 8, 8, 2, 1,
                 complete ? mix(light, rgb{60, 60, 70}, 110) : mix(light, rgb{255, 255, 255}, 90));
    if (!complete) {
        figure.set(8, 7, {255, 255, 255});
        figure.set(6, 9, mix(light, rgb{255, 255, 255}, 200));
        figure.set(11, 8, mix(light, rgb{255, 255, 255}, 160));
    }
    lay_figure(picture, figure);
    if (!complete) {
        picture.set(4, 2, mix(light, rgb{255, 255, 255}, 180));
        picture.set(12, 3, mix(light, rgb{255, 255, 255}, 140));
        picture.set(13, 13, mix(light, rgb{255, 255, 255}, 140));
    }
    return picture;
}

constexpr rgb spring_blue{70, 140, 255};

// The corners of a five-pointed star of radius 6 round (8, 8), in drawing order.
constexpr point pentagram[] = {{8, 2}, {12, 13}, {2, 6}, {14, 6}, {4, 13}, {8, 2}};

canvas summoning_mark(bool complete)
{
    canvas picture = flagstone_floor();
    const rgb mark = complete ? rgb{86, 74, 74} : rgb{214, 40, 40};
    if (!complete) glow(picture, 8.0f, 8.0f, 9.0f, {200, 30, 30}, 90);
    fill_ring(picture, 8, 8, 36, 48, mark);
    for (size_t i = 0; i + 1 < std::size(pentagram); ++i)
        draw_segment(picture, pentagram[i].x, pentagram[i].y, pentagram[i + 1].x, pentagram[i + 1].y, mark);
    if (!complete) picture.set(8, 8, {255, 140, 100});
    return picture;
}

constexpr std::string_view fountain_art[] = {
    "....UUUUU....", "...U..c..U...", "..U...U...U..", "..U...U...U..", "......I......", ".TTTTTITTTTT.",
    "TSuuUuIuuUuST", "TSuUuuuuuuUSs", "TSSSSSSSSSSSs", "SsSSsSSsSSsss", ".sssssssssss.",
};
constexpr std::string_view fountain_dry_art[] = {
    ".............", ".............", ".............", ".............", "......I......", ".TTTTTITTTTT.",
    "TSddxdIddxdST", "TSdxddddxddSs", "TSSSSSdSSSSSs", "SsSSsSSdSSsss", ".sssssssssss.",
};

canvas fountain()
{
    return floor_with(fountain_art, 1, 3);
}
canvas fountain_drank()
{
    return floor_with(fountain_dry_art, 1, 3);
}

// A stairwell of steps two pixels deep, each a lit tread over a shaded riser,
// as bright as its entry in the table.
canvas stairs(std::span<const int> step_tones)
{
    canvas picture = flagstone_floor();
    const rgb step{150, 144, 136};
    fill_rect(picture, 2, 1, 12, 14, {52, 46, 46});
    for (size_t i = 0; i < step_tones.size(); ++i) {
        const int y = 2 + int(i) * 2;
        fill_rect(picture, 3, y, 10, 1, shade(step, step_tones[i] + 16));
        fill_rect(picture, 3, y + 1, 10, 1, shade(step, step_tones[i] - 14));
    }
    for (int y = 1; y < 15; ++y) {
        picture.set(2, y, {190, 184, 176});
        picture.set(13, y, {96, 90, 86});
    }
    return picture;
}

constexpr int descending_steps[] = {30, 10, -10, -35, -60, -85, -110};
constexpr int ascending_steps[] = {70, 55, 40, 25, 10, -5, -20};

canvas stairs_up()
{
    canvas picture = stairs(ascending_steps);
    constexpr std::string_view arrow_art[] = {"..J..", ".JJJ.", "JJ.JJ", "J...J"};
    stamp(picture, 6, 5, arrow_art, {{'J', {244, 236, 200}}});
    return picture;
}

canvas stairs_down()
{
    canvas picture = stairs(descending_steps);
    constexpr std::string_view arrow_art[] = {"J...J", "JJ.JJ", ".JJJ.", "..J.."};
    stamp(picture, 6, 6, arrow_art, {{'J', {200, 190, 160}}});
    return picture;
}

// A magic circle: a ring with runes round a triangle, in a faint glow of its
// colour; an aflame one has tongues of fire standing on the ring.
canvas magic_circle(rgb line, rgb glow_colour, bool flames)
{
    canvas picture = flagstone_floor();
    glow(picture, 8.0f, 8.0f, 8.5f, glow_colour, flames ? 110 : 80);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const float d = std::hypot(float(x) - 7.5f, float(y) - 7.5f);
            if (std::abs(d - 6.3f) < 0.6f)
                picture.set(x, y, line);
            else if (std::abs(d - 6.3f) < 1.1f)
                tint(picture, x, y, line, 80);
        }
    const rgb inner = shade(line, -30);
    draw_segment(picture, 8, 4, 11, 10, inner);
    draw_segment(picture, 11, 10, 4, 10, inner);
    draw_segment(picture, 4, 10, 7, 4, inner);
    picture.set(7, 8, mix(line, rgb{255, 255, 255}, 160));
    picture.set(8, 8, mix(line, rgb{255, 255, 255}, 160));
    constexpr point runes[] = {{3, 4}, {12, 4}, {8, 12}};
    for (const auto& rune : runes) {
        picture.set(rune.x, rune.y, line);
        picture.set(rune.x, rune.y - 1, inner);
    }
    if (flames) {
        constexpr point fires[] = {{7, 1}, {13, 4}, {13, 11}, {8, 14}, {2, 11}, {2, 4}};
        for (const auto& fire : fires) {
            picture.set(fire.x, fire.y - 1, {255, 238, 140});
            picture.set(fire.x, fire.y, {255, 200, 80});
            picture.set(fire.x + 1, fire.y, {246, 140, 36});
            picture.set(fire.x, fire.y + 1, {200, 70, 30});
        }
    }
    return picture;
}

constexpr std::string_view altar_art[] = {
    ".TTTTTTTTTT.", "TTTTTTTTTTTS", "TSSSSSSSSSSs", "ssssssssssss",
    "sdsssssssdsd", ".sdsssssdsd.", ".sdsssssdsd.", ".dddddddddd.",
};
constexpr std::string_view altar_jeweled_art[] = {
    ".TTTTTTTTTT.", "TTTaTTeTTuTS", "TSSSSSSSSSSs", "gggggggggggh",
    "sdsassessdsd", ".sdsssssdsd.", ".sdsssssdsd.", ".hhhhhhhhhh.",
};

canvas altar()
{
    return floor_with(altar_art, 2, 5);
}
canvas altar_jeweled()
{
    return floor_with(altar_jeweled_art, 2, 5);
}

canvas altar_dark()
{
    canvas picture = flagstone_floor();
    glow(picture, 8.0f, 8.0f, 8.0f, {150, 20, 30}, 90);
    lay_art(picture, 2, 5, altar_art,
            {{'T', {84, 70, 96}}, {'S', {60, 50, 70}}, {'s', {42, 34, 50}}, {'d', {150, 24, 30}}});
    picture.set(6, 6, {196, 30, 36});
    picture.set(7, 7, {150, 20, 30});
    return picture;
}

// A pressure plate with a grid of spikes; disabled, the spikes are snapped off.
canvas trap(bool armed)
{
    canvas picture = flagstone_floor();
    fill_rect(picture, 2, 2, 12, 12, {70, 72, 80});
    fill_rect(picture, 3, 3, 10, 10, {104, 106, 114});
    for (int y = 4; y < 13; y += 3)
        for (int x = 4; x < 13; x += 3) {
            if (armed) {
                picture.set(x, y, {232, 236, 244});
                picture.set(x + 1, y, {150, 154, 166});
                picture.set(x, y + 1, {150, 154, 166});
                picture.set(x + 1, y + 1, {40, 40, 50});
            } else {
                picture.set(x, y, {50, 48, 56});
                picture.set(x + 1, y + 1, {132, 90, 60});
            }
        }
    return picture;
}

constexpr std::string_view torch_art[] = {
    "...F...", "..FFf..", "..fFf..", "..ofo..", ".iwWwi.", "..vWv..", "...w...",
    "...w...", "...w...", "...w...", "...v...", "..iIi..", ".iIIIi.",
};
constexpr std::string_view torch_extinct_art[] = {
    "....n..", "...n...", "..n....", "..kxk..", ".iwkwi.", "..vWv..", "...w...",
    "...w...", "...w...", "...w...", "...v...", "..iIi..", ".iIIIi.",
};

canvas torch()
{
    canvas picture = flagstone_floor();
    glow(picture, 8.0f, 4.0f, 10.0f, {255, 190, 90}, 160);
    lay_art(picture, 5, 1, torch_art);
    return picture;
}

canvas torch_extinct()
{
    return floor_with(torch_extinct_art, 5, 1);
}

// A cog wheel of iron with a smaller brass wheel meshing at its corner.
void draw_cog(canvas& figure, float cx, float cy, float radius, int teeth, rgb metal)
{
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const float dx = float(x) + 0.5f - cx, dy = float(y) + 0.5f - cy;
            const float d = std::hypot(dx, dy);
            const float angle = std::atan2(dy, dx) * float(teeth) / 6.2831853f;
            const bool tooth = angle - std::floor(angle) < 0.5f;
            if (d > radius + (tooth ? 0.0f : -1.5f) || d < radius * 0.3f) continue;
            int tone = int(-(dx + dy) * 10.0f / radius);
            if (d > radius * 0.45f && d < radius * 0.62f) tone -= 40;
            figure.set(x, y, shade(metal, tone));
        }
}

canvas gear_mechanism()
{
    canvas picture = flagstone_floor();
    canvas figure = blank_figure();
    draw_cog(figure, 6.5f, 6.5f, 6.0f, 8, {140, 144, 156});
    lay_figure(picture, figure);
    canvas small = blank_figure();
    draw_cog(small, 12.0f, 12.0f, 3.6f, 6, {196, 150, 70});
    lay_figure(picture, small);
    return picture;
}

constexpr std::string_view lever_art[] = {
    "......aR", ".....aRr", ".....kr.", "....kJ..", "....Ji..", "...Ji...",
    "..Ji....", ".iIJIi..", "iIIIIIi.", "IddddIi.", "iiiiiii.",
};

canvas lever()
{
    return floor_with(lever_art, 4, 2);
}

constexpr std::string_view scroll_roll_art[] = {".ppppppp.", "bppppRppb", ".PPPPRPP."};
constexpr std::string_view scroll_sheet_art[] = {
    "Pppppppp", "pnnnpnnp", "pppppppp", "pnnpnnnp", "pppppppp", "pnnnnppp", "PPPPPPPP",
};

canvas scrolls()
{
    canvas picture = flagstone_floor();
    lay_art(picture, 6, 6, scroll_sheet_art, {{'n', {120, 96, 72}}});
    lay_art(picture, 1, 3, scroll_roll_art);
    lay_art(picture, 2, 8, scroll_roll_art);
    lay_art(picture, 5, 12, scroll_roll_art);
    return picture;
}

// ---- Structures on the land --------------------------------------------------

constexpr std::string_view hart_art[] = {
    ".B..B........", ".BB.B.B......", "..BBBB.......", "..lWw........", ".lWkwv.......",
    "kWWwwv.......", "..Wwwv.......", "...Wwwwwwwwv.", "...Wwwwwwwwwc", "...qqwwwwwwv.",
    "...w.v...w.v.", "...w.v...w.v.", "...v.v...v.v.",
};

canvas hart()
{
    canvas picture = grass_ground(91);
    lay_art(picture, 1, 2, hart_art);
    return picture;
}

constexpr std::string_view barn_art[] = {
    "...vvvv...", "..vwwwwv..", ".vwWWWWwv.", "vwWWWWWWwv", "RRRRRRRRRR",
    "RrRccccRrR", "RrRcvvcRrR", "RrRcvvcRrR", "rrrcvvcrrr",
};
constexpr std::string_view silo_art[] = {".NN.", "NJIi", "JIIi", "JIIi", "JIIi",
                                         "JIIi", "JIIi", "JIIi", "iiii"};

canvas farm()
{
    canvas picture = grass_ground(92);
    for (int y = 11; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const rgb row = y % 2 == 0 ? rgb{222, 188, 84} : rgb{150, 116, 62};
            picture.set(x, y, shade(row, int(noise_at(93, x, y) % 13) - 6));
        }
    lay_art(picture, 1, 1, barn_art);
    lay_art(picture, 12, 1, silo_art);
    return picture;
}

constexpr std::string_view stall_art[] = {
    "RRccRRccRRcc", "RRccRRccRRcc", "R.c.R.c.R.c.", "wQQQQQQQQQQw", "wQQQQQQQQQQw",
    "wRaeyRaeyRew", "WWWWWWWWWWWW", "wwwwwwwwwwww", "wvwwwwwwwwvw", "vvvvvvvvvvvv",
};
constexpr std::string_view crate_art[] = {"WWw", "wWv", "vvv"};
constexpr std::string_view sack_art[] = {".P.", "ppP", "pPP"};

canvas merchant()
{
    canvas picture = grass_ground(94);
    lay_art(picture, 2, 1, stall_art);
    lay_art(picture, 11, 12, crate_art);
    lay_art(picture, 2, 12, sack_art);
    lay_art(picture, 6, 13, crate_art);
    return picture;
}

// A pit cut into the ground in terraces, with cut blocks stacked beside it.
canvas quarry()
{
    canvas picture = grass_ground(95);
    constexpr struct {
        int x, y, w, h;
        rgb stone;
    } terraces[] = {{1, 1, 13, 11, {180, 172, 158}},
                    {3, 3, 9, 8, {150, 144, 134}},
                    {5, 5, 6, 5, {118, 112, 106}},
                    {6, 7, 4, 2, {80, 76, 76}}};
    for (const auto& terrace : terraces)
        for (int y = terrace.y; y < terrace.y + terrace.h; ++y)
            for (int x = terrace.x; x < terrace.x + terrace.w; ++x) {
                int tone = int(noise_at(96, x, y) % 11) - 5;
                if (y == terrace.y) tone -= 36;
                if (y == terrace.y + terrace.h - 1) tone += 14;
                picture.set(x, y, shade(terrace.stone, tone));
            }
    constexpr std::string_view blocks_art[] = {"TTS.", "SSsTS", "sssSs", "..sss"};
    lay_art(picture, 10, 11, blocks_art);
    constexpr std::string_view pick_art[] = {"JIi.", "..w.", "...w"};
    lay_art(picture, 2, 13, pick_art);
    return picture;
}

constexpr std::string_view stable_art[] = {
    "..RRRRRRRRRR..", ".RRRRRRRRRRRr.", "RRRRRRRRRRrrrr", "rrrrrrrrrrrrrr", "WwWWwWWwWWwWWw",
    "WxxxxWwWxxxxWw", "WxlxxWwWxxlxWw", "WwwwwWwWwwwwWw", "WwvwwWwWwwvwWw", "vvvvvvvvvvvvvv",
};
constexpr std::string_view hay_art[] = {"yyyh", "yhyh", "hhhh"};

canvas stable()
{
    canvas picture = grass_ground(97);
    lay_art(picture, 1, 1, stable_art, {{'R', {150, 70, 44}}, {'r', {104, 46, 30}}});
    lay_art(picture, 11, 12, hay_art, {{'h', {176, 140, 50}}});
    for (int x = 0; x < 9; ++x) picture.set(x, 13, {150, 108, 64});
    for (int x = 0; x < 9; x += 3) {
        picture.set(x, 12, {150, 108, 64});
        picture.set(x, 14, {96, 64, 38});
    }
    return picture;
}

constexpr std::string_view tower_art[] = {
    "...R....", "...Rr...", "..RRrr..", "..RRrr..", ".RRRrrr.", "RRRRrrrr", ".TSSssd.",
    ".TSxssd.", ".TSxssd.", ".TSSssd.", ".TSSssd.", ".TSSssd.", ".TSxxsd.", ".TSxxsd.",
};

canvas tower()
{
    canvas picture = grass_ground(98);
    lay_art(picture, 4, 1, tower_art, {{'R', {86, 104, 160}}, {'r', {56, 66, 110}}});
    return picture;
}

constexpr std::string_view barrack_art[] = {
    "..kRR.........", "..kRr.........", "..k...........", ".RRRRRRRRRRRr.", "RRRRRRRRRRRrrr",
    "SSSSSSSSSSSSSs", "SxSSxSSxSSxSSs", "SSSSSSvvSSSSSs", "SsSSsSvvSsSSss",
};
constexpr std::string_view dummy_art[] = {".w.", "www", ".w.", ".v."};

canvas barrack()
{
    canvas picture = grass_ground(99);
    lay_art(picture, 1, 2, barrack_art);
    lay_art(picture, 3, 12, dummy_art);
    lay_art(picture, 11, 12, dummy_art);
    return picture;
}

constexpr std::string_view smithy_art[] = {
    "..........N..", ".........n...", "..........dd.", ".RRRRRRRRRsd.", "RRRRRRRRRRRr.", "RRRrrrrrrrrrr",
    "SSSSSSSSSSSSs", "SxxxxxSSSxSSs", "SxfFfxSvvSSSs", "SxofoxSvvSSSs", "sssssssvvssss",
};
constexpr std::string_view anvil_art[] = {"JJJJi", ".iIi.", "iiiii"};

canvas blacksmith()
{
    canvas picture = grass_ground(100);
    glow(picture, 4.0f, 10.0f, 7.0f, {255, 150, 60}, 120);
    lay_art(picture, 1, 1, smithy_art, {{'R', {110, 100, 96}}, {'r', {78, 70, 68}}});
    lay_art(picture, 3, 13, anvil_art);
    return picture;
}

constexpr std::string_view great_castle_art[] = {
    "........kuu.....", "........kUu.....", "........k.......", ".....S.S.S.S....", ".....TSSSSSs....",
    "S.S..TSSxSSs.S.S", "TSs..TSSxSSs.TSs", "TSsS.TSSSSSsSTSs", "TSsSSTSSSSSsSTSs", "TxsSSTSSSSSsSTxs",
    "TSsSSSSSSSSSSTSs", "TSsSSSSxxSSSSTSs", "TSsSSSxxxxSSSTSs", "TSsSSSxixxSSSTSs", "ssssssxixxssssss",
};

canvas castle_great()
{
    canvas picture = grass_ground(101);
    lay_art(picture, 0, 1, great_castle_art);
    return picture;
}

constexpr std::string_view church_art[] = {
    "..g...........", ".ggg..........", "..g...........", "..R...........", ".RRr..........",
    ".RRr..........", "RRRrr.........", "qqqqQ.RRRRRRr.", "qxqqQRRRRRRRrr", "qqqqQRRRRRRrrr",
    "qqqqQqqqqqqqqQ", "qvvqQqxqqxqqqQ", "qvvqQqxqqxqqqQ", "qvvqQqqqqqqqqQ",
};

canvas church()
{
    canvas picture = grass_ground(102);
    lay_art(picture, 1, 1, church_art);
    return picture;
}

// ---- Textures of the 3D view, 64 x 64 ------------------------------------------

struct brick_style {
    rgb brick, mortar;
    uint32_t seed;
    int wear;  // how many corners crumble and pits show, 0..8
    bool mossy;
};

// Courses of 16 x 8 bricks in running bond, each brick of its own tone, with
// mortar joints, chipped corners and pits. Every pattern repeats at 64
// pixels, so the texture tiles in both directions.
canvas brick_wall(const brick_style& style)
{
    canvas picture(64, 64, style.mortar);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const int course = y / 8, ly = y % 8;
            const int shifted = wrap(x + (course % 2) * 8, 64);
            const int brick = shifted / 16, lx = shifted % 16;
            const uint32_t h = noise_at(style.seed, brick, course);
            const int grain = fractal_noise(style.seed + 1, x, y, 16, 64) - 128;
            const int speck = int(noise_at(style.seed + 2, x, y) % 11) - 5;
            // Each corner of a brick crumbles on its own, one or two pixels deep.
            const int corner = (lx < 8 ? 0 : 1) + (ly < 4 ? 0 : 2);
            const int from_corner = (lx < 8 ? lx : 14 - lx) + (ly < 4 ? ly : 6 - ly);
            const bool chipped = int(h >> (20 + corner * 3) & 7u) < style.wear &&
                                 from_corner < 1 + int(noise_at(style.seed + 3, brick, course + corner) % 2);
            rgb colour;
            if (lx == 15 || ly == 7 || chipped) {
                colour = shade(style.mortar, grain / 6 + speck);
                if (chipped) colour = shade(colour, -22);  // the broken face lies in shadow
            } else {
                rgb base = shade(style.brick, int(h % 37) - 18);
                base = mix(base, rgb{uint8_t(base.r * 3 / 4), base.g, uint8_t(std::min(255, base.b + 16))},
                           int(h >> 8 & 127u));
                if ((h >> 16) % 7 == 0) base = shade(base, -28);  // an over-fired brick
                int tone = grain / 4 + speck;
                if (ly == 0) tone += 14;
                if (lx == 0) tone += 8;
                if (ly == 6) tone -= 20;
                if (lx == 14) tone -= 14;
                if (int(noise_at(style.seed + 4, x, y) % 400) < style.wear) tone -= 30;  // pits
                colour = shade(base, tone);
            }
            if (style.mossy) {
                const int moss = fractal_noise(style.seed + 5, x, y, 16, 64) +
                                 (lx == 15 || ly == 7 ? 30 : 0) + (y % 8) * 3;
                if (moss > 166)
                    colour = mix(colour, shade(rgb{70, 104, 40}, speck * 2), std::min(210, (moss - 166) * 5));
            }
            picture.set(x, y, colour);
        }
    return picture;
}

canvas brick_old()
{
    return brick_wall({{152, 74, 50}, {172, 162, 144}, 111, 2, false});
}
canvas brick_older()
{
    return brick_wall({{104, 58, 46}, {112, 106, 94}, 112, 7, true});
}

// Castle ashlar: large grey blocks in courses of 16, with an arched window.
canvas castle_stone()
{
    const rgb stone{142, 138, 130}, joint{86, 82, 78};
    canvas picture(64, 64, joint);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const int course = y / 16, ly = y % 16;
            const int shifted = wrap(x + (course % 2) * 16, 64);
            const int lx = shifted % 32;
            if (lx == 31 || ly == 15) continue;
            int tone = int(noise_at(121, shifted / 32, course) % 29) - 14 +
                       (fractal_noise(122, x, y, 16, 64) - 128) / 4 + int(noise_at(123, x, y) % 9) - 4;
            if (ly == 0 || lx == 0) tone += 14;
            if (ly == 14 || lx == 30) tone -= 18;
            picture.set(x, y, shade(stone, tone));
        }
    // The window: a frame of lighter stone round a dark opening with an arched top.
    for (int y = 10; y < 54; ++y)
        for (int x = 20; x < 44; ++x) {
            const float dx = float(x) + 0.5f - 32.0f, dy = float(y) + 0.5f - 24.0f;
            const float arch = y < 24 ? std::hypot(dx, dy) : std::abs(dx);
            if (arch < 8.0f) {
                const int depth = int(arch * 3.0f) + (y - 16) / 3;
                picture.set(x, y, shade(rgb{24, 26, 40}, depth / 2));
            } else if (arch < 12.0f && y < 50) {
                const int tone = (arch < 9.0f ? -30 : 22) + int(noise_at(124, x, y) % 11) - 5;
                picture.set(x, y, shade(rgb{176, 170, 160}, tone));
            }
        }
    fill_rect(picture, 31, 16, 2, 34, {120, 116, 110});
    fill_rect(picture, 24, 34, 16, 2, {120, 116, 110});
    fill_rect(picture, 18, 50, 28, 4, {184, 178, 168});
    fill_rect(picture, 18, 53, 28, 1, {96, 92, 88});
    return picture;
}

canvas grass_texture()
{
    canvas picture(64, 64, {84, 140, 56});
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const int n = fractal_noise(131, x, y, 32, 64) - 128;
            picture.set(
                x, y,
                shade(mix(rgb{76, 130, 50}, rgb{110, 150, 60}, 128 + n), int(noise_at(132, x, y) % 13) - 6));
        }
    // Blades: short strokes, dark at the root and light at the tip.
    for (int i = 0; i < 420; ++i) {
        const uint32_t h = noise_at(133, i, 0);
        const int x = int(h % 64), y = int(h >> 8 & 63u), length = 2 + int(h >> 16 & 3u);
        const int lean = int(h >> 20 & 3u) - 1;
        for (int j = 0; j < length; ++j) {
            const int tone = -30 + j * 60 / length;
            const int px = x + (j * lean) / 3, py = y - j;
            set_wrapped(picture, px, py, shade(picture.get(wrap(px, 64), wrap(py, 64)), tone));
        }
    }
    return picture;
}

canvas dirt_texture()
{
    canvas picture(64, 64, {118, 84, 54});
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const int n = fractal_noise(141, x, y, 32, 64) - 128;
            picture.set(
                x, y,
                shade(mix(rgb{126, 90, 58}, rgb{92, 64, 42}, 128 + n), int(noise_at(142, x, y) % 17) - 8));
        }
    // Pebbles, each lit on top and shaded below.
    for (int i = 0; i < 46; ++i) {
        const uint32_t h = noise_at(143, i, 1);
        const int cx = int(h % 64), cy = int(h >> 8 & 63u), r = 1 + int(h >> 16 & 1u);
        const rgb pebble = shade(rgb{150, 130, 108}, int(h >> 20 & 31u) - 16);
        for (int dy = -r; dy <= r + 1; ++dy)
            for (int dx = -r; dx <= r + 1; ++dx) {
                if (dx * dx + dy * dy <= r * r + r)
                    set_wrapped(picture, cx + dx, cy + dy,
                                shade(pebble, (dy < 0 ? 20 : 0) - (dy > 0 ? 20 : 0)));
                else if ((dx - 1) * (dx - 1) + (dy - 1) * (dy - 1) <= r * r + r)
                    tint_wrapped(picture, cx + dx, cy + dy, near_black, 90);
            }
    }
    return picture;
}

// A sword lying diagonally on dark velvet: pommel, grip, guard and a long bright blade.
canvas whale_blade()
{
    canvas picture(64, 64, {48, 34, 66});
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const float fold =
                std::sin(float(x + y * 2) * 0.16f + float(fractal_noise(151, x, y, 16, 64)) * 0.03f);
            picture.set(x, y, shade(rgb{48, 34, 66}, int(fold * 14.0f) + int(noise_at(152, x, y) % 7) - 3));
        }
    const float ax = 9.0f, ay = 55.0f, ux = 0.7071f, uy = -0.7071f;
    for (int pass = 0; pass < 2; ++pass)
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                const float px = float(x) + 0.5f - (pass == 0 ? 2.5f : 0.0f),
                            py = float(y) + 0.5f - (pass == 0 ? 2.5f : 0.0f);
                const float t = (px - ax) * ux + (py - ay) * uy;
                const float d = (px - ax) * -uy + (py - ay) * ux;
                const float blade_half = t < 52.0f ? 2.8f : 2.8f * (62.0f - t) / 10.0f;
                rgb colour;
                if (std::hypot(px - ax, py - ay) < 3.0f) {
                    colour = std::hypot(px - ax, py - ay) < 1.3f ? rgb{60, 170, 220}
                                                                 : shade(rgb{214, 170, 60}, int(-d * 14.0f));
                } else if (t >= 2.5f && t < 13.0f && std::abs(d) < 1.7f) {
                    colour = shade(rgb{100, 64, 40}, int(t) % 3 == 0 ? -30 : int(-d * 10.0f));
                } else if (t >= 13.0f && t < 16.0f && std::abs(d) < 7.5f - std::abs(t - 14.5f)) {
                    colour = shade(rgb{212, 168, 56}, int((14.5f - t) * 18.0f) - int(std::abs(d)) * 3);
                } else if (t >= 16.0f && t < 62.0f && std::abs(d) < blade_half) {
                    if (std::abs(d) < 0.5f && t < 50.0f)
                        colour = {128, 140, 160};
                    else if (std::abs(d) > blade_half - 0.7f)
                        colour = {240, 244, 252};
                    else
                        colour = d < 0.0f ? rgb{206, 214, 228} : rgb{152, 162, 182};
                    colour = shade(colour, int((t - 16.0f) * 0.3f) - 6);
                } else {
                    continue;
                }
                if (pass == 0)
                    tint(picture, x, y, near_black, 130);
                else
                    picture.set(x, y, colour);
            }
    return picture;
}

// A rough stone surface as a photograph would show it: layered noise, cracks and lichen.
canvas rough_stone()
{
    canvas picture(64, 64, {128, 120, 110});
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const int broad = fractal_noise(161, x, y, 32, 64) - 128;
            const int fine = fractal_noise(162, x, y, 8, 64) - 128;
            const int warmth = fractal_noise(163, x, y, 32, 64) - 128;
            rgb colour = mix(rgb{122, 118, 112}, rgb{138, 120, 98}, std::clamp(128 + warmth * 2, 0, 256));
            colour = shade(colour, broad / 2 + fine / 2 + int(noise_at(164, x, y) % 21) - 10);
            const int crack = std::abs(smooth_noise(165, x, y, 16, 64) - 128);
            if (crack < 5)
                colour = shade(colour, -50 + crack * 6);
            else if (crack < 7)
                colour = shade(colour, 14);
            if (noise_at(166, x, y) % 97 == 0) colour = mix(colour, rgb{170, 176, 96}, 110);
            picture.set(x, y, colour);
        }
    return picture;
}

// ---- The cross and the title ----------------------------------------------------

constexpr std::string_view cross_art[] = {
    ".......kk.......", "......kJJk......", "......kJIk......", "......kJIk......",
    "......kJIk......", "......kJIk......", ".kkkkkkJIkkkkkk.", "kJJJJJJRRJJJJJJk",
    "kIIIIIIRRIIIIIIk", ".kkkkkkJIkkkkkk.", "......kJIk......", "......kJIk......",
    "......kJIk......", "......kJIk......", "......kIIk......", ".......kk.......",
};

// A cross-hair drawn over the cells: on the key colour, like the unit figures.
canvas cross()
{
    canvas picture = blank_figure();
    stamp(picture, 0, 0, cross_art, {{'R', {230, 50, 40}}});
    return picture;
}

// Block letters five cells wide and seven tall, for the title.
struct letter {
    char name;
    std::string_view rows[7];
};

constexpr letter title_font[] = {
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'N', {"#...#", "##..#", "#.#.#", "#.#.#", "#..##", "#...#", "#...#"}},
    {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"}},
    {'I', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"}},
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
};

// The height of a ridge line at x: base minus up to amplitude of smooth noise.
int ridge_height(uint32_t seed, int x, int base, int amplitude)
{
    const int n = (smooth_noise(seed, x, 0, 64, 512) * 3 + smooth_noise(seed + 1, x, 0, 16, 512)) / 4;
    return base - amplitude * n / 255;
}

void paint_sky(canvas& picture)
{
    for (int y = 0; y < picture.height; ++y) {
        const int t = std::min(256, y * 256 / 170);
        const rgb sky = t < 160 ? mix(rgb{34, 46, 112}, rgb{120, 110, 170}, t * 256 / 160)
                                : mix(rgb{120, 110, 170}, rgb{250, 184, 120}, (t - 160) * 256 / 96);
        for (int x = 0; x < picture.width; ++x) {
            const int cloud = fractal_noise(171, x / 2, y * 2, 64, 512);
            picture.set(x, y,
                        cloud > 150 && y < 150
                            ? mix(sky, rgb{246, 216, 210}, std::min(160, (cloud - 150) * 5))
                            : sky);
        }
    }
    glow(picture, 236.0f, 132.0f, 60.0f, {255, 220, 150}, 120);
    fill_ellipse(picture, 236, 132, 14, 14, {255, 236, 180});
}

// Fills everything below the ridge line with a colour, lit near the crest.
void paint_hills(canvas& picture, uint32_t seed, int base, int amplitude, rgb colour)
{
    for (int x = 0; x < picture.width; ++x) {
        const int top = ridge_height(seed, x, base, amplitude);
        for (int y = std::max(0, top); y < picture.height; ++y) {
            const int tone = std::max(0, 14 - (y - top)) + int(noise_at(seed, x, y) % 7) - 3;
            picture.set(x, y, shade(colour, tone));
        }
    }
}

// A castle silhouette with lit windows, standing with its base on row `ground`.
void paint_castle(canvas& picture, int left, int ground)
{
    const rgb wall{58, 52, 76}, window{255, 214, 120};
    constexpr struct {
        int x, width, height;
    } parts[] = {{0, 10, 46}, {10, 30, 28}, {22, 14, 52}, {40, 10, 40}};
    for (const auto& part : parts) {
        fill_rect(picture, left + part.x, ground - part.height, part.width, part.height, wall);
        for (int x = 0; x < part.width; x += 4)
            fill_rect(picture, left + part.x + x, ground - part.height - 3, 2, 3, wall);
        fill_rect(picture, left + part.x + part.width / 2 - 1, ground - part.height + 8, 2, 3, window);
    }
    fill_rect(picture, left + 28, ground - 52 - 14, 1, 11, wall);
    fill_rect(picture, left + 29, ground - 52 - 14, 7, 4, {200, 40, 40});
    fill_rect(picture, left + 21, ground - 12, 8, 12, {28, 24, 36});
}

void paint_title_word(canvas& picture, std::string_view word, int left, int top, int cell)
{
    canvas mask(picture.width, picture.height, key_colour);
    int x = left;
    for (char name : word) {
        for (const letter& glyph : title_font) {
            if (glyph.name != name) continue;
            for (int row = 0; row < 7; ++row)
                for (int column = 0; column < 5; ++column)
                    if (glyph.rows[row][column] == '#')
                        for (int dy = 0; dy < cell; ++dy)
                            for (int dx = 0; dx < cell; ++dx) {
                                int tone = 0;
                                if (dy == 0 || dx == 0) tone = 40;
                                if (dy == cell - 1 || dx == cell - 1) tone = -50;
                                tone += 20 - row * 9;
                                mask.set(x + column * cell + dx, top + row * cell + dy,
                                         shade(rgb{232, 180, 64}, tone));
                            }
        }
        x += 6 * cell;
    }
    auto lettered = [&](int px, int py) { return mask.inside(px, py) && !(mask.get(px, py) == key_colour); };
    for (int y = 0; y < picture.height; ++y)
        for (int px = 0; px < picture.width; ++px) {
            if (lettered(px, y)) continue;
            bool near = false;
            for (int dy = -2; dy <= 2 && !near; ++dy)
                for (int dx = -2; dx <= 2 && !near; ++dx) near = lettered(px + dx, y + dy);
            if (near)
                picture.set(px, y, {40, 24, 20});
            else if (lettered(px - 5, y - 5))
                tint(picture, px, y, near_black, 120);
        }
    for (int y = 0; y < picture.height; ++y)
        for (int px = 0; px < picture.width; ++px)
            if (lettered(px, y)) picture.set(px, y, mask.get(px, y));
}

canvas title()
{
    canvas picture(320, 240, {0, 0, 0});
    paint_sky(picture);
    paint_hills(picture, 181, 160, 40, {104, 112, 156});
    paint_castle(picture, 214, ridge_height(182, 239, 186, 30) + 4);
    paint_hills(picture, 182, 186, 30, {66, 100, 88});
    paint_hills(picture, 183, 214, 26, {70, 128, 58});
    // A road winding down the near hill.
    for (int y = 200; y < 240; ++y) {
        const int cx = 150 + int(std::sin(float(y) * 0.09f) * 18.0f) + (y - 200) / 2;
        const int half = 2 + (y - 200) / 5;
        for (int x = cx - half; x <= cx + half; ++x)
            if (y >= ridge_height(183, x, 214, 26) + 2)
                picture.set(x, y, shade(rgb{200, 176, 128}, int(noise_at(184, x, y) % 13) - 6));
    }
    paint_title_word(picture, "TARNWICK", 19, 26, 6);
    return picture;
}

// ---- Which picture each name stands for ---------------------------------------

struct recipe {
    std::string_view name;
    canvas (*draw)();
};

constexpr recipe land_recipes[] = {
    {"plain", plain},
    {"forest", forest},
    {"forest_fruit", forest_fruit},
    {"forest_gray", forest_gray},
    {"water", water},
    {"water_deep", water_deep},
    {"swamp_a", swamp},
    {"desert_a", desert},
    {"hills_a", hills},
    {"mountain", mountain},
    {"mountain_high_a", mountain_high},
    {"forest_leaf", forest_leaf},
    {"road_b", road},
    {"forest_b", forest_pine},
    {"forest_c", forest_autumn},
    {"village_b", [] { return village(neutral_roof); }},
    {"village_b_yellow",
     [] {
         return village({226, 188, 56});
     }},
    {"village_b_blue",
     [] {
         return village({70, 110, 206});
     }},
    {"village_b_green",
     [] {
         return village({46, 120, 84});
     }},
    {"village_b_red",
     [] {
         return village({200, 54, 42});
     }},
    {"ruin_a", ruin},
    {"castle_a", castle_small},
    {"grottus", grottus},
    {"mine", [] { return mine_picture(false); }},
    {"iron_mine", [] { return mine_picture(true); }},
    {"well", well},
    {"dungeon_a", dungeon_entrance},
    {"lighttower_a", lighthouse},
    {"rift_a", rift},
};

constexpr recipe dungeon_recipes[] = {
    {"wall", dungeon_wall},
    {"floor", flagstone_floor},
    {"floor_marble", marble_floor},
    {"chest", chest},
    {"chest_open", chest_open},
    {"candelabrum", candelabrum},
    {"candelabrum_extinct", candelabrum_extinct},
    {"coffin", coffin},
    {"coffin_open", coffin_open},
    {"floor_bones", floor_bones},
    {"floor_bones_cleaned", floor_bones_cleaned},
    {"door", door},
    {"door_opened", door_opened},
    {"source", [] { return spring(spring_blue, false); }},
    {"source_complete", [] { return spring(spring_blue, true); }},
    {"spawn", [] { return summoning_mark(false); }},
    {"spawn_complete", [] { return summoning_mark(true); }},
    {"fountain", fountain},
    {"fountain_drank", fountain_drank},
    {"stairsd", stairs_down},
    {"stairsu", stairs_up},
    {"circle",
     [] {
         return magic_circle({170, 204, 255}, {90, 140, 255}, false);
     }},
    {"circle_golden",
     [] {
         return magic_circle({250, 210, 90}, {240, 190, 60}, false);
     }},
    {"circle_aflamed",
     [] {
         return magic_circle({250, 120, 40}, {240, 90, 30}, true);
     }},
    {"altar", altar},
    {"altar_jeweled", altar_jeweled},
    {"altar_dark", altar_dark},
    {"trap", [] { return trap(true); }},
    {"trap_disabled", [] { return trap(false); }},
    {"torch", torch},
    {"torch_extinct", torch_extinct},
    {"geer_mecanism", gear_mechanism},
    {"lever", lever},
    {"source_red",
     [] {
         return spring({240, 60, 50}, false);
     }},
    {"source_green",
     [] {
         return spring({70, 220, 90}, false);
     }},
    {"source_blue", [] { return spring(spring_blue, false); }},
    {"source_yellow",
     [] {
         return spring({250, 220, 60}, false);
     }},
    {"source_brown",
     [] {
         return spring({170, 110, 50}, false);
     }},
    {"scrolls", scrolls},
};

constexpr recipe structure_recipes[] = {
    {"hart", hart},
    {"structure_farm", farm},
    {"structure_merchant", merchant},
    {"structure_quary", quarry},
    {"structure_stable", stable},
    {"structure_tower", tower},
    {"structure_barrack", barrack},
    {"structure_blacksmith", blacksmith},
    {"structure_castle", castle_great},
    {"structure_church", church},
};

constexpr recipe cube_recipes[] = {
    {"structure_castle", castle_stone},
    {"brickold2", brick_old},
    {"grass3", grass_texture},
    {"dirt1", dirt_texture},
    {"brickold3", brick_older},
    {"item_whale_blade", whale_blade},
    {"DSC3", rough_stone},
};

constexpr recipe cross_recipes[] = {{"cross4", cross}};
constexpr recipe title_recipes[] = {{"intro1", title}};

// Terrain, dungeon and structure cells are drawn unkeyed: black and the key
// colour would show as holes. The 3D view's read-back takes these magentas for
// empty pixels.
constexpr rgb unkeyed_reserved[] = {{0, 0, 0}, key_colour};
constexpr rgb cube_reserved[] = {{255, 0, 230}, {255, 0, 229}, key_colour};

struct folder_recipes {
    std::string_view folder;
    std::span<const recipe> recipes;
    int width, height;
    std::span<const rgb> reserved;
};

constexpr folder_recipes folders[] = {
    {"bmp_land", land_recipes, 16, 16, unkeyed_reserved},
    {"bmp_dungeon", dungeon_recipes, 16, 16, unkeyed_reserved},
    {"bmp_structure", structure_recipes, 16, 16, unkeyed_reserved},
    {"bmp_cube", cube_recipes, 64, 64, cube_reserved},
    {"bmp_cross", cross_recipes, 16, 16, {}},
    {"bmp_scr", title_recipes, 320, 240, {}},
};

// Nudges every reserved colour the noise may have produced to a neighbour of it.
void avoid_colours(canvas& picture, std::span<const rgb> reserved)
{
    for (rgb& pixel : picture.pixels)
        for (const rgb& colour : reserved)
            if (pixel == colour)
                pixel = pixel.r < 128 ? near_black : rgb{uint8_t(pixel.r - 8), uint8_t(pixel.g + 8), pixel.b};
}

// A loud magenta checker, so that a name without a picture is seen at once.
canvas missing_picture(int width, int height)
{
    canvas picture(width, height, {255, 0, 255});
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if ((x / 4 + y / 4) % 2 == 0) picture.set(x, y, {40, 0, 40});
    return picture;
}

}  // namespace

canvas draw_world_picture(const std::string& folder, const std::string& name)
{
    for (const folder_recipes& entry : folders) {
        if (entry.folder != folder) continue;
        for (const recipe& picture : entry.recipes)
            if (picture.name == name) {
                canvas drawn = picture.draw();
                avoid_colours(drawn, entry.reserved);
                return drawn;
            }
        std::fprintf(stderr, "make_data: no picture is drawn for %s/%s\n", folder.c_str(), name.c_str());
        return missing_picture(entry.width, entry.height);
    }
    std::fprintf(stderr, "make_data: no pictures are drawn for the folder %s\n", folder.c_str());
    return missing_picture(16, 16);
}
