// The unit and item pictures: 16 x 16 figures on the key colour, each with a
// near-black outline so it reads over grass, water, sand, snow and stone.
// Most figures are pixel art written as rows of palette symbols; families
// (skeletons, recoloured beasts) reuse one drawing with an overlay and a
// colour swap, and the elementals and weapons are drawn from parameters.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string_view>
#include <utility>

#include "make_data.h"

namespace {

constexpr rgb outline_colour{20, 16, 24};
// The keyed blit also leaves out pure black, so no figure pixel may be 0,0,0.
constexpr rgb black{0, 0, 0};

using art = std::array<std::string_view, 16>;

struct swatch {
    char symbol;
    rgb colour;
};

// One palette for every drawing, grouped by hue: digit = darkest, lower case
// = middle, upper case = lightest. '.' is the background.
constexpr swatch palette[] = {
    {'k', outline_colour},  {'K', {60, 58, 66}},    {'g', {118, 118, 132}}, {'G', {182, 186, 198}},
    {'w', {244, 244, 238}}, {'W', {228, 220, 192}}, {'B', {168, 158, 128}}, {'1', {112, 22, 28}},
    {'r', {200, 44, 40}},   {'R', {244, 108, 84}},  {'o', {236, 126, 32}},  {'O', {255, 188, 64}},
    {'y', {244, 214, 60}},  {'Y', {255, 246, 168}}, {'a', {204, 156, 36}},  {'A', {255, 222, 104}},
    {'2', {32, 92, 44}},    {'e', {72, 160, 60}},   {'E', {156, 222, 96}},  {'3', {34, 52, 132}},
    {'u', {62, 112, 212}},  {'U', {136, 182, 250}}, {'c', {70, 196, 214}},  {'C', {196, 246, 255}},
    {'4', {72, 32, 112}},   {'p', {134, 72, 204}},  {'P', {190, 136, 244}}, {'5', {74, 46, 26}},
    {'n', {134, 86, 46}},   {'N', {186, 134, 82}},  {'s', {242, 192, 152}}, {'S', {200, 140, 106}},
    {'i', {242, 142, 172}}, {'z', {110, 140, 84}},  {'Z', {160, 182, 120}}, {'x', {150, 60, 20}},
    {'X', {206, 110, 48}},  {'t', {40, 112, 104}},  {'T', {96, 188, 168}},  {'6', {42, 40, 48}},
};

constexpr bool rows_are_square(const art& rows)
{
    for (std::string_view row : rows)
        if (row.size() != 16) return false;
    return true;
}

rgb colour_of(char symbol)
{
    for (const swatch& entry : palette)
        if (entry.symbol == symbol) return entry.colour;
    std::fprintf(stderr, "make_data: no colour for symbol '%c'\n", symbol);
    return {255, 255, 0};
}

// A swap is a string of symbol pairs "ab cd": a is drawn as b, c as d.
char swapped(char symbol, std::string_view swaps)
{
    for (size_t i = 0; i + 1 < swaps.size(); i += 3)
        if (swaps[i] == symbol) return swaps[i + 1];
    return symbol;
}

// Paints the rows onto the picture; ' ' leaves a pixel as it is and '.'
// clears it to the background, so the same function lays bases and overlays.
void paint_art(canvas& picture, const art& rows, std::string_view swaps)
{
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const char symbol = rows[size_t(y)][size_t(x)];
            if (symbol == ' ') continue;
            picture.set(x, y, symbol == '.' ? key_colour : colour_of(swapped(symbol, swaps)));
        }
}

// The outline and the guard against colours the keyed blit would drop.
canvas finish_figure(canvas picture)
{
    outline_figure(picture, key_colour, outline_colour);
    for (rgb& pixel : picture.pixels)
        if (pixel == black) pixel = outline_colour;
    return picture;
}

canvas loud_checker(const char* folder, const std::string& name)
{
    std::fprintf(stderr, "make_data: no drawing for %s/%s\n", folder, name.c_str());
    canvas picture(16, 16, key_colour);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if ((x / 4 + y / 4) % 2 == 0) picture.set(x, y, rgb{255, 255, 0});
    return picture;
}

// ---------------------------------------------------------------- the units

// clang-format off
constexpr art giant_rat = {
    "................",
    "................",
    "................",
    "................",
    "................",
    ".............i..",
    ".....nn.......i.",
    "....nin.nnnn..i.",
    "...nnnnnnnnnn.i.",
    "..nknnnnnnnnnni.",
    ".innnnnnnnNnnn..",
    "..nnnnnnnNNnnn..",
    "....NNnnnnnnnn..",
    "....5.5...5.5...",
    "................",
    "................",
};

constexpr art green_slime = {
    "................",
    "................",
    "................",
    "................",
    "................",
    "......eeee......",
    "....eeEEeeee....",
    "...eeEEeeeeee...",
    "..eeEeeeeeeeee..",
    "..eeekeeeekeee..",
    ".eeeekeeeekeeee.",
    ".eeeeeeeeeeeeee.",
    ".eeeeee22eeeee2.",
    "..2eeeeeeeeee22.",
    "..222222222222..",
    "................",
};

constexpr art dog = {
    "................",
    "................",
    "................",
    "................",
    "...5n...........",
    "...nnn..........",
    "..nknnn.......n.",
    ".NNnnnn......n..",
    ".kNnnnnnnnnnnn..",
    "...NnnnnnnnnnN..",
    "....nnnnnnnnnn..",
    "....nnNNNNnnnn..",
    "....n5.....n5...",
    "....n5.....n5...",
    "................",
    "................",
};

constexpr art gor_dog = {
    "................",
    "................",
    "..K.K...........",
    "..KKK...........",
    ".KrKKK..........",
    "GKKKKKK.........",
    "wKKKKKgG......K.",
    ".kgKKKGKKKKKK.K.",
    "..aaaKKKKKKKKKK.",
    "...KKKKKKKKKKK..",
    "...KKKKKKKKKKK..",
    "...KKKggggKKKK..",
    "...KK......KK...",
    "...KK......KK...",
    "..wGw.....wGw...",
    "................",
};

constexpr art serpent = {
    "................",
    "................",
    "....eeee........",
    "...eekeke.......",
    "..reeeeee.......",
    ".r..eEEe........",
    ".....eEe........",
    ".....eEe........",
    "......eEe.......",
    "....eeeeEee.....",
    "...eEEEEEEEee...",
    "..ee2e2e2e2eEe..",
    ".eEEEEEEEEEEEe..",
    ".e2e2e2e2e2e2e..",
    "..eeeeeeeeeee...",
    "................",
};

constexpr art fungus = {
    "................",
    "................",
    ".....rrrrrr.....",
    "...rrwrrrrrrr...",
    "..rrrrrrrwwrrr..",
    ".rrwwrrrrwwrrrr.",
    ".rrwwrrrrrrrrwr.",
    ".1rrrrrrwrrrrr1.",
    "..111111111111..",
    ".....WWWWWW.....",
    ".....WkWWkW.....",
    ".....WWWWWW.....",
    "....WWWkkWWW....",
    "....BWWWWWWB....",
    "...BBBWWWWBBB...",
    "................",
};

constexpr art goblin = {
    "................",
    "................",
    "................",
    ".....eeeee......",
    ".ee.eeeeeee.ee..",
    "..eeeyeeeyeee...",
    "....eeeeeee.....",
    ".....ewwwe......",
    "...nnneeennn....",
    "..e.nnnnnnn.eG..",
    "..e.nnnnnnn.eG..",
    "....nnnnnnn..G..",
    ".....55.55......",
    ".....ee.ee......",
    "....eee.eee.....",
    "................",
};

constexpr art nabos = {
    "................",
    "................",
    "................",
    "....W.....W.....",
    "....WW...WW.....",
    ".....rrrrr......",
    "....rrRrrrr.....",
    "....ryrrryr.....",
    ".....rrrrr......",
    ".....rwkwr......",
    "...rrrrrrrrr....",
    "..r.rrRrrrr.r...",
    "....rrrrrrr..r..",
    ".....rr.rr...rr.",
    "....rrr.rrr.....",
    "................",
};

constexpr art orc = {
    "................",
    "................",
    "......zzzz..GG..",
    ".....zzzzzz.GGG.",
    ".....zrzzrz.GnG.",
    "....zzzzzzzz.n..",
    ".....zWzzWz..n..",
    "...55zzzzzz55n..",
    "..55n555555n5n..",
    "..zz5nnnnnn5zn..",
    "..zz.5nnnn5.zn..",
    "..zz.555555..n..",
    ".....KKK.KKK....",
    ".....zzz.zzz....",
    "....5555.5555...",
    "................",
};

constexpr art beetle = {
    "................",
    ".....K....K.....",
    "......K..K......",
    "......KKKK......",
    "...K.KKKKKK.K...",
    "....KttTttTtK...",
    ".....tTTKTTt....",
    "..KKtTttKtTTtKK.",
    "....tTttKttTt...",
    "....tTttKttTt...",
    "..KKtTttKttTtKK.",
    "....tTttKttTt...",
    ".....tTtKtTt....",
    "...K.ttt.ttt.K..",
    "..K..........K..",
    "................",
};

constexpr art giant_spider = {
    "................",
    "................",
    "..K..........K..",
    "...K..4444..K...",
    "....K444444K....",
    ".KK..4rr4r4..KK.",
    "...KK4p44p4KK...",
    ".K...444444...K.",
    "..KKK4pppp4KKK..",
    ".K..4pppppp4..K.",
    "...K4pp4ppp4K...",
    "..K.4pppppp4.K..",
    ".K...4pppp4...K.",
    "......4444......",
    "................",
    "................",
};

constexpr art drius = {
    "................",
    ".....e.EE.e.....",
    "...eeEEeeEEe....",
    "..eEEeeeeeeEe...",
    "..eeeNNNNNeee...",
    "...eeNkNkNee....",
    "....eNNNNNe.....",
    "......NnN.......",
    ".E..NNnnnNN..E..",
    "..NN.NnnnN.NN...",
    ".....NnnnN......",
    ".....NnEnN......",
    "......NnN.......",
    ".....NnnnN......",
    "...nnN...Nnn....",
    "................",
};

constexpr art rust_monster = {
    "................",
    "...X........X...",
    "..X.X......X.X..",
    "...X.X....X.X...",
    ".....X.xx.X.....",
    "......xXXx......",
    ".....xykkyx.....",
    "....xXXXXXXx....",
    "...xXxXXXXxXx...",
    "..x.xXXXXXXx.x..",
    "...xXxXXXXxXx...",
    "....xXXXXXXx....",
    "...x.xxXXxx.x...",
    "..x...x..x...x..",
    "................",
    "................",
};

constexpr art giant_worm = {
    "................",
    "................",
    ".....iiiii......",
    "....iRRRRRi.....",
    "...iRkwkwkRi....",
    "...iRkkkkkRi....",
    "...iRwkwkwRi....",
    "....iRRRRRi.....",
    ".....SiiiS......",
    ".....iSSSi......",
    "......SiiiS.....",
    "......iSSSi.....",
    ".....SiiiS......",
    "..55nSSSSSn55...",
    ".5nnnnnnnnnnnn5.",
    "................",
};

constexpr art gelatinous_cube = {
    "................",
    "................",
    "...CCCCCCCCCC...",
    "..CccccccccccC..",
    "..CcccccccccCc..",
    "..CccWWWccccCc..",
    "..CcWKWKWcccCc..",
    "..CccWWWccccCc..",
    "..CcccWcccccCc..",
    "..CccccccGccCc..",
    "..CcccccGcccCc..",
    "..CccccGccccCc..",
    "..CcccccccccCc..",
    "..CccccccccccT..",
    "...TTTTTTTTTT...",
    "................",
};

constexpr art polar_bear = {
    "................",
    "................",
    "................",
    "...ww...........",
    "..wwww..........",
    ".wwkwwG.........",
    "kwwwwwwGGwwww...",
    ".wwwwwwwwwwwwww.",
    "..Gwwwwwwwwwwww.",
    "...wwwwwwwwwwwG.",
    "...wwwGGGGwwwwG.",
    "...wwG....wwG...",
    "...wwG....wwG...",
    "..GGG....GGG....",
    "................",
    "................",
};

constexpr art skeleton = {
    "................",
    "................",
    "......WWWW......",
    ".....WWWWWW.....",
    ".....WKWWKW.....",
    ".....WWWWWW.....",
    "......WBWB......",
    ".......WW.......",
    "....WWWWWWWW....",
    "...W...WW...W...",
    "...W.WWWWWW.W...",
    "...W...WW...W...",
    "...W..WWWW..W...",
    "......W..W......",
    ".....WW..WW.....",
    "................",
};

constexpr art skeleton_ogre = {
    "................",
    ".....WWWWWW.....",
    "....WWWWWWWW....",
    "....WKKWWKKW....",
    "....WKrWWKrW....",
    "....WWWBBWWW....",
    ".....WBWBWB.....",
    "..WWWWWWWWWWWW..",
    ".WWW...WW...WWW.",
    ".WW.WWWWWWWW.WW.",
    ".WW....WW....WW.",
    ".WW..WWWWWW..WW.",
    "WWW...WWWW...WWW",
    ".....WW..WW.....",
    "....WWW..WWW....",
    "................",
};

constexpr art mage = {
    "................",
    ".........p......",
    "........pP...C..",
    ".......ppP..CYC.",
    "......pppP...C..",
    ".....ppppPp..n..",
    "....pppppPpp.n..",
    "...AaaaaaaaaAn..",
    ".....sksks...n..",
    "...ppwwwwwppsn..",
    "..pPppwwwppp.n..",
    "..pPpppwpppp.n..",
    "..pPppppppYp.n..",
    ".ppPpYpppppp.n..",
    "..AaaaaaaaaA.n..",
    "................",
};

constexpr art dwarf = {
    "................",
    "................",
    "................",
    "......GGGG..GG..",
    ".....GGGGGG.GnG.",
    "....aaaaaaaa.n..",
    ".....ssksks..n..",
    "....OOOsssOOOn..",
    "...xOOOOOOOOxs..",
    "..xxxOOOOOOxxn..",
    "..sxxxOOOOxxxn..",
    "...xxxxOOxxx.n..",
    "....xxaaaaxx....",
    "....KKK..KKK....",
    "...5555..5555...",
    "................",
};

constexpr art minotaur = {
    "................",
    "..W..........W..",
    "..WW........WW..",
    "...WWn5555nWW...",
    "....nnnnnnnn....",
    "....nrnnnnrn.GG.",
    ".....nnnnnn.GGGG",
    ".....NkNNkN..nG.",
    "...nnNNNNNNnn.n.",
    "..nnnnnnnnnnnnn.",
    "..nn.nnnnnn..n..",
    "..NN.555555..n..",
    ".....nnnnnn.....",
    ".....nn..nn.....",
    "....KKK..KKK....",
    "................",
};

constexpr art floating_eye = {
    "................",
    "................",
    ".....wwwwww.....",
    "...wwwwwwwwww...",
    "..wwwwwwwwwwwG..",
    "..wwwruuuurwwG..",
    ".wwwwuuuuuuwwGG.",
    ".wwwruUkkuuuwwG.",
    ".wwwwukkkkuwwwG.",
    ".wwrwuukkuurwGG.",
    "..wwwwuuuuwwwG..",
    "..GwwwwwwwwwGG..",
    "...GGwwwwwGGG...",
    ".....GGGGGG.....",
    "................",
    "................",
};

constexpr art mage_eye = {
    ".P...........P..",
    ".Pp..P...P..pP..",
    "..p..p...p..p...",
    "...p.p...p.p....",
    "....pppppppp....",
    "...pppppppppp...",
    "..ppPwwwwwwPpp..",
    "..pPwwkkkwwwPp..",
    "..pPwkkkkkwwPp..",
    "..pPwwkkkwwwPp..",
    "..ppPwwwwwwPpp..",
    "...ppwkwkwkpp...",
    "....pppppppp....",
    ".....4pppp4.....",
    "................",
    "................",
};

constexpr art ogre = {
    "................",
    "......NNNN......",
    ".....NNNNNN.....",
    ".....NkNNkN.....",
    ".....NNNNNN.....",
    "......NWWN......",
    "..nNNNNNNNNNNn..",
    ".nNN5nnnnnn5NNn.",
    ".NN.5nnnnnn5.NN.",
    ".NN.nnnnnnnn.NN.",
    ".NN.nnnnnnnn.55.",
    ".NN.55555555.55.",
    "....nnn..nnn.55.",
    "....NNN..NNN.55.",
    "...NNNN..NNNN...",
    "................",
};

constexpr art medusa = {
    "................",
    "...e.e.e.e......",
    "..eEeEeEeEe.....",
    "..eeeeeeeeee....",
    ".eeEZZZZZEee....",
    "..e.ZkZZkZ.e....",
    "....ZZZZZZ......",
    ".....ZrrZ.......",
    "....uuuuuu......",
    "..Z.uuuuuu.Z....",
    "..Z.uuuuuu.Z....",
    "....eeeeeeE.....",
    ".....eEeeeeEe...",
    "......eeEeeeEe..",
    "...........eEe..",
    "................",
};

constexpr art mantis = {
    "................",
    "....E......E....",
    ".....E....E.....",
    "......eeee......",
    ".....yeeeey.....",
    "......eeee......",
    ".E.....ee.....E.",
    ".eE...eEEe...Ee.",
    "..eE.eEeeEe.Ee..",
    "...eeeEeeEeee...",
    "......eEEe......",
    "......eEEe......",
    ".....eeEEee.....",
    "....e..ee..e....",
    "...e..e..e..e...",
    "................",
};

constexpr art lich = {
    "....a..a..a.....",
    "....AaaAaaA.....",
    "....aaaaaaa..P..",
    ".....WWWWW..PCP.",
    ".....WrWrW...P..",
    ".....WWWWW...K..",
    "....4WkWkW4..K..",
    "...44444444.WK..",
    "..444p444p44.K..",
    "..44p444p444.K..",
    "..4p444p4444.K..",
    "..44444p4444.K..",
    "..4p4444p444.K..",
    ".44444p444444K..",
    ".p4p4p4p4p4p4K..",
    "................",
};

constexpr art dragon = {
    "................",
    "..........1.....",
    ".........1r1....",
    "........1rrr1...",
    "...rr..1rrrrr1..",
    "..rrkr1rrrrrrr1.",
    ".Rrrrr.1rr1rrrr.",
    ".RRrrr..1rrrrr..",
    ".....rrrrrrrrr..",
    "....rrOOOOrrrrr.",
    "....rOOOOOrrr.rr",
    "....rrOOOrrr...r",
    ".....rr..rr...r.",
    "....WrW.WrW..r..",
    "................",
    "................",
};

constexpr art dragon_hydra = {
    "................",
    "......eee.......",
    "..ee..ekEe...ee.",
    ".ekEe..eE..eEke.",
    ".W.eE..eE..Ee.W.",
    "....eE.eE.Ee....",
    ".....eEeEeE.....",
    "....eeEEEEee....",
    "...eeEEEEEEee...",
    "..eeEEyyyyEEee..",
    "..eeEyyyyyyEee..",
    "..eeeEyyyyEeeee.",
    "...eeeeeeeee.ee.",
    "...2e2....2e2...",
    "..W2W......2W2..",
    "................",
};

constexpr art dragon_basilic = {
    "................",
    "................",
    "................",
    ".....r.r.r......",
    "....rrrrrr......",
    "...yyyyyyyn.....",
    "..yyrkyyyyyn....",
    ".yyyyyyyyyyyn...",
    ".OOy.yyyyyyyyn..",
    ".O...nyyyyyyyyn.",
    ".....yyyOOOyyyn.",
    "....yy.n..yy.nyn",
    "...yy..nn..yy...",
    "...............n",
    "................",
    "................",
};

constexpr art fighter = {
    "................",
    ".............G..",
    ".....GGGGG...G..",
    "....GGGGGGG..G..",
    "....GkssskG..G..",
    ".....sssss...G..",
    "...uuuuuuuuuaaa.",
    "..uuuuuuuuuu.n..",
    "..ssuuuuuuuus...",
    ".rrRrruuuuuu....",
    ".rRarrnnnnnn....",
    ".rrRrruuuuuu....",
    "..rrr.uu.uu.....",
    ".....KKK.KKK....",
    "....5555.5555...",
    "................",
};

constexpr art cleric = {
    "................",
    "................",
    ".....wwwwww.....",
    "....wwsssssw....",
    "....wskssksw....",
    "....wssssssw.GG.",
    "...wwwwwwwwww.nG",
    "..wwwwwaawwwww.n",
    "..sswwwaawwwwsn.",
    "..wwaaaaaaawwn..",
    "..wwwwwaawwwww..",
    "..wwwwwaawwwww..",
    "..wwwwwaawwwww..",
    "..wwwwwwwwwwww..",
    "..aaaaaaaaaaaa..",
    "................",
};

constexpr art bandit = {
    "................",
    "................",
    "......2222......",
    ".....222222.....",
    "....22ssss22....",
    "....2skssks2....",
    "....2KKKKKK2....",
    "....2KKKKKK2....",
    "...nn222222nn...",
    "..nnnn2222nnnn..",
    "..s.nnnnnnnn.s..",
    "..G.n5a55a5n.G..",
    "..G.nnnnnnnn.G..",
    ".....55..55.....",
    "....555..555....",
    "................",
};

constexpr art pleidian = {
    ".......Y........",
    ".......C........",
    "..C....C....C...",
    "...C..cCc..C....",
    "....ccCCCcc.....",
    "....cCYYYCc.....",
    ".YCCCCYUYCCCCY..",
    "....cCYYYCc.....",
    "....ccCCCcc.....",
    "...C.cCCCc.C....",
    "..C...cCc...C...",
    ".......C........",
    "......UCU.......",
    "......U.U.......",
    ".....U...U......",
    "................",
};

// Skeleton variants: an overlay on the base skeleton plus a colour swap.
constexpr art no_overlay = {
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
};

constexpr art plain_bones_overlay = {
    "                ",
    "                ",
    "                ",
    "             G  ",
    "             G  ",
    "             G  ",
    "             G  ",
    "             G  ",
    "             G  ",
    "            ggg ",
    "             n  ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
};

constexpr art zombie_overlay = {
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "    55555555    ",
    "   W5n5nn5n5W   ",
    "   W5nnnnnn5W   ",
    "   W.5n55n5.W   ",
    "   W.5n5n5n.W   ",
    "      ZZ ZZ     ",
    "     5ZZ ZZ5    ",
    "                ",
};

constexpr art wounded_zombie_overlay = {
    "                ",
    "                ",
    "      r         ",
    "     r          ",
    "                ",
    "                ",
    "                ",
    "                ",
    "    55555555    ",
    "   W5n5rr5n5.   ",
    "   W5nnrnnn5.   ",
    "   W.5r55n5..   ",
    "   r.5n5n5n..   ",
    "      Z. ZZ     ",
    "     5r. ZZ5    ",
    "                ",
};

constexpr art sturdy_overlay = {
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "      WWWW      ",
    "  WWWWWWWWWWWW  ",
    "  W          55 ",
    " nnn         55 ",
    " nNn          n ",
    " nnn          n ",
    "      WW  WW    ",
    "     WWW  WWW   ",
    "                ",
};

constexpr art monster_overlay = {
    "                ",
    "   B        B   ",
    "   BB      BB   ",
    "                ",
    "                ",
    "                ",
    "     WkWkWkW    ",
    "                ",
    "                ",
    "                ",
    "                ",
    "  WW        WW  ",
    "  W W      W W  ",
    "                ",
    "                ",
    "                ",
};

constexpr art brave_overlay = {
    "                ",
    "             G  ",
    "             G  ",
    "             G  ",
    "             G  ",
    "             G  ",
    "             G  ",
    "            aaa ",
    "            Wn  ",
    "  uuu        W  ",
    " uuYuu          ",
    " uYYYu          ",
    " uuYuu          ",
    "  uuu           ",
    "                ",
    "                ",
};

constexpr art floating_overlay = {
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "  CW.WBWWBW.WC  ",
    "  CW.WWWWWW.WC  ",
    "   C..BWWB..C   ",
    "    .CCCCCC.    ",
    "    .CCCCCC.    ",
    "   ..C.CC.C..   ",
    "    C...C..C    ",
};

constexpr art fire_overlay = {
    "       o  o     ",
    "    o oOooOo    ",
    "     oOyOOyOo   ",
    "     oOOOOOOo   ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "                ",
    "  o          o  ",
    " oOo        oOo ",
    "  y          y  ",
    "                ",
    "                ",
    "                ",
};

constexpr art armored_overlay = {
    "                ",
    "      gggg      ",
    "     gGGGGg     ",
    "     gGGGGg     ",
    "     gkGGkg     ",
    "     gWWWWg     ",
    "     gWBBWg     ",
    "                ",
    "   gGGGGGGGGg   ",
    "   g.GGGGGG.g   ",
    "   W.GgGGgG.W   ",
    "   W..GGGG..W   ",
    "   W..gggg..W   ",
    "     gg  gg     ",
    "    ggg  ggg    ",
    "                ",
};

constexpr art warrior_overlay = {
    "          G     ",
    " W     ... GG   ",
    " WW   gggg.GGG  ",
    "  Wggggggggnn   ",
    "     g    n     ",
    "          n     ",
    "         n      ",
    "        n       ",
    "       n        ",
    "      n         ",
    "     n          ",
    "    n           ",
    "                ",
    "                ",
    "                ",
    "                ",
};

constexpr art evil_overlay = {
    "     444444     ",
    "    44444444    ",
    "    44    44    ",
    "   44      44   ",
    "   4        4   ",
    "   4        4   ",
    "   44      44   ",
    "   444    444 G ",
    "  444444444444GG",
    "  4.4      4.4n ",
    "  4.4      4.n  ",
    "  4.4      4n   ",
    "  4.4      n4   ",
    "  4444444n444   ",
    " 4444444n44444  ",
    "                ",
};

// Elementals: three sizes of each kind, the strongest with the hottest core.
constexpr art fire_small = {
    "................",
    "................",
    "................",
    "................",
    "........o.......",
    ".......oo.......",
    "......oOo..o....",
    ".....oOOo.oo....",
    ".....oOOOoOo....",
    "....roOyyOOor...",
    "....rOykyykOr...",
    "....rOyyyyyOr...",
    "....roOyyyOor...",
    ".....rroooorr...",
    "......rrrrr.....",
    "................",
};

constexpr art fire_medium = {
    "................",
    "................",
    ".......o........",
    "......oo...o....",
    "..o...oOo..oo...",
    "..oo.oOOo.oOo...",
    "..oOooOyOooOo.o.",
    "...oOOyyyOOOooo.",
    "...roOykyykOOo..",
    "..rroOyyyyyOorr.",
    ".rOorOyYYYyOrOr.",
    ".ro.roOyyyOor.o.",
    "....roOyyyOor...",
    "....rroOOOorr...",
    ".....rrrrrrr....",
    "................",
};

constexpr art fire_large = {
    "......o...o.....",
    "...o..oo.oo..o..",
    "...oo.oOooO.oo..",
    "..oOo.oOOOOooO..",
    "..oOOooOYYOOOo..",
    "...oOOOYYYYOo...",
    ".o.roOYwwwYOor.o",
    ".oorOYkwwwkYOroo",
    ".oOrOYwwwwwYOrO.",
    "..rrOYYwwwYYOrr.",
    "...roOYYYYYOor..",
    "...rroOYYYOorr..",
    "....rroOOOorr...",
    "....1rroooorr1..",
    ".....11rrrr11...",
    "................",
};

constexpr art water_small = {
    "................",
    "................",
    "................",
    "................",
    ".......u........",
    ".......u........",
    "......uUu.......",
    "......uUu.......",
    ".....uUUuu......",
    "....uUCuuuu.....",
    "....uUkuukuu....",
    "....uuuuuuuu....",
    "....3uuuuuu3....",
    ".....33uu33.....",
    "......3333......",
    "................",
};

constexpr art water_medium = {
    "................",
    "................",
    "................",
    "......UUUU......",
    "....UUuuuuUU....",
    "...Uuuuuuuuuu...",
    "...uuCkuukCuu...",
    "...uuuuuuuuuu...",
    ".Uu.uuu33uuu.uU.",
    ".uu.uuuuuuuu.uu.",
    "..uuuuuuuuuuuu..",
    "....uuUuuUuu....",
    "...uuUuuuuUuu...",
    "..UuuuuuuuuuuU..",
    ".UUwUUwUUwUUwUU.",
    "................",
};

constexpr art water_large = {
    "................",
    ".....wwwwww.....",
    "...wwUUUUUUww...",
    "..wUUuuuuuuUUw..",
    ".wUuuuuuuuuuuUw.",
    ".wUuuCkuukCuuUw.",
    ".Uuuuuuuuuuuuuu.",
    "..uuuuu33uuuuu..",
    "w.Uuuuuuuuuuu.Uw",
    "wU.uuuUuuUuuu.U.",
    ".uuuuuuuuuuuuuu.",
    "...uuuuUUuuuu...",
    "..uuuUuuuuUuuu..",
    ".UuuuuuuuuuuuuU.",
    "wwUwwUwwUwwUwwUw",
    "................",
};

constexpr art earth_small = {
    "................",
    "................",
    "................",
    "................",
    "................",
    "................",
    "................",
    "......gggg......",
    "....ggGGGgnn....",
    "...gGGgggggnn...",
    "...gGOgggOgnn...",
    "...gggggggggn...",
    "..nggggggggggn..",
    "..nnnggggggnnn..",
    "...nnnnnnnnnn...",
    "................",
};

constexpr art earth_medium = {
    "................",
    "................",
    "................",
    ".....NNNNN......",
    "....NNnnnnN.....",
    "....NOnnOnn.....",
    "....nnnnnnn.....",
    "..NNn5nnn5nNN...",
    ".NNnnNNnnNNnnnN.",
    ".Nnn.nnnnnnn.nnN",
    ".nn5.5nnnnn5.5nn",
    ".nn..nnnnnnn..n.",
    ".....nnn.nnn....",
    "....Nnn...nnN...",
    "...NNnn...nnNN..",
    "................",
};

constexpr art earth_large = {
    "................",
    "....eeggggee....",
    "...eGGGggGGGe...",
    "...gGOOggOOGg...",
    "...ggggggggggg..",
    "..eGggKKKKgggGe.",
    ".gGGggggggggGGGg",
    "gGGgggGGGgggggGg",
    "gGg.ggggggggg.Gg",
    "ggg.gGgggggGg.gg",
    "GGg.ggggeggggg.g",
    "gg..ggggggggg.gg",
    "....gggg.gggg...",
    "...gGgg...ggGg..",
    "..eggggg.gggge..",
    "................",
};

constexpr art air_small = {
    "................",
    "................",
    "................",
    "................",
    "................",
    "................",
    "................",
    "......GGG.......",
    "....GGwwwGG.....",
    "...GwwwwwwwG....",
    "..GwwuwwwuwwG...",
    "..GwwwwwwwwwG...",
    "...GGwCwGwCG....",
    ".....C...C......",
    "....C.....C.....",
    "................",
};

constexpr art air_medium = {
    "................",
    "................",
    "..UUUUUUUUUUU...",
    ".UwwwwwwwwwwwU..",
    "..UUUwwwwwUUUU..",
    "...UwwkwwkwwU...",
    "....UUUwwwUU....",
    ".....UwwwwU.....",
    "......UUwwU.....",
    ".....UwwUU......",
    "......UwU.......",
    ".......UwU......",
    "........U.......",
    ".......U........",
    "................",
    "................",
};

constexpr art air_large = {
    ".UUUUUUUUUUUUU..",
    "UwwwwwwwwwwwwwU.",
    ".UUUwwwwwwwwUUUU",
    "...UwwkwwwkwwU..",
    "y...UUwwwwwUUU..",
    ".y...UwwwwwwU...",
    "..yy..UUUwwU..G.",
    "...y..UwwwwU....",
    "....y..UUwwU....",
    "G......UwwUU....",
    "......UwwU......",
    ".......UwU......",
    "......UwU.......",
    ".......UU....G..",
    "........U.......",
    "................",
};
// clang-format on

struct figure {
    std::string_view name;
    const art* base;
    const art* overlay;
    std::string_view swaps;
};

constexpr figure figures[] = {
    {"unit_giant_rat", &giant_rat, &no_overlay, ""},
    {"unit_green_slime", &green_slime, &no_overlay, ""},
    {"unit_dog", &dog, &no_overlay, ""},
    {"unit_serpent", &serpent, &no_overlay, ""},
    {"unit_serpent_fire", &serpent, &no_overlay, "er EO 21 ky"},
    {"unit_fungus", &fungus, &no_overlay, ""},
    {"unit_goblin", &goblin, &no_overlay, ""},
    {"unit_nabos", &nabos, &no_overlay, ""},
    {"unit_orc_b", &orc, &no_overlay, ""},
    {"unit_beatle", &beetle, &no_overlay, ""},
    {"unit_beatle_fire", &beetle, &no_overlay, "tr TO K1"},
    {"unit_gor_dog", &gor_dog, &no_overlay, ""},
    {"unit_giant_spider", &giant_spider, &no_overlay, ""},
    {"unit_drius", &drius, &no_overlay, ""},
    {"unit_rust_monster", &rust_monster, &no_overlay, ""},
    {"unit_giant_worm", &giant_worm, &no_overlay, ""},
    {"unit_gelatinous_cube", &gelatinous_cube, &no_overlay, ""},
    {"unit_polar_geer", &polar_bear, &no_overlay, ""},
    {"unit_squeletton", &skeleton, &plain_bones_overlay, ""},
    {"unit_squeletton_zombi", &skeleton, &zombie_overlay, "WZ Bz Ky"},
    {"unit_squeletton_zombi_wounded", &skeleton, &wounded_zombie_overlay, "WZ Bz Ky"},
    {"unit_squeletton_sturdy", &skeleton, &sturdy_overlay, ""},
    {"unit_squeletton_monster", &skeleton, &monster_overlay, "WG BK Kr"},
    {"unit_squeletton_brave", &skeleton, &brave_overlay, "Ku"},
    {"unit_squeletton_floating", &skeleton, &floating_overlay, "Kc"},
    {"unit_squeletton_fire", &skeleton, &fire_overlay, "WO Bo Ky"},
    {"unit_squeletton_ogre", &skeleton_ogre, &no_overlay, ""},
    {"unit_squeletton_armored", &skeleton, &armored_overlay, ""},
    {"unit_squeletton_warrior", &skeleton, &warrior_overlay, "Kr"},
    {"unit_squeletton_evil", &skeleton, &evil_overlay, "Kr"},
    {"unit_mage", &mage, &no_overlay, ""},
    {"unit_dwarf", &dwarf, &no_overlay, ""},
    {"unit_minotor", &minotaur, &no_overlay, ""},
    {"unit_floating_eye", &floating_eye, &no_overlay, ""},
    {"unit_mage_eye", &mage_eye, &no_overlay, ""},
    {"unit_ogre", &ogre, &no_overlay, ""},
    {"unit_medusa", &medusa, &no_overlay, ""},
    {"unit_mantis", &mantis, &no_overlay, ""},
    {"unit_lich", &lich, &no_overlay, ""},
    {"unit_dragon", &dragon, &no_overlay, ""},
    {"unit_dragon_hydra", &dragon_hydra, &no_overlay, ""},
    {"unit_dragon_basilic", &dragon_basilic, &no_overlay, "yz Oy n2"},
    {"unit_fire", &fire_small, &no_overlay, ""},
    {"unit_fire_fire", &fire_medium, &no_overlay, ""},
    {"unit_fire_fire_fire", &fire_large, &no_overlay, ""},
    {"unit_water", &water_small, &no_overlay, ""},
    {"unit_water_water", &water_medium, &no_overlay, ""},
    {"unit_water_water_water", &water_large, &no_overlay, "uc UC 3t"},
    {"unit_earth", &earth_small, &no_overlay, ""},
    {"unit_earth_earth", &earth_medium, &no_overlay, ""},
    {"unit_earth_earth_earth", &earth_large, &no_overlay, ""},
    {"unit_air", &air_small, &no_overlay, ""},
    {"unit_air_air", &air_medium, &no_overlay, ""},
    {"unit_air_air_air", &air_large, &no_overlay, ""},
    {"unit_fighter", &fighter, &no_overlay, ""},
    {"unit_cleric", &cleric, &no_overlay, ""},
    {"unit_bandit", &bandit, &no_overlay, ""},
    {"unit_pleidian", &pleidian, &no_overlay, ""},
};

constexpr bool all_figures_square()
{
    for (const figure& entry : figures)
        if (!rows_are_square(*entry.base) || !rows_are_square(*entry.overlay)) return false;
    return true;
}
static_assert(all_figures_square(), "every row of a figure is 16 symbols");

canvas draw_figure(const figure& entry)
{
    canvas picture(16, 16, key_colour);
    paint_art(picture, *entry.base, entry.swaps);
    paint_art(picture, *entry.overlay, "");
    return finish_figure(picture);
}

// ---------------------------------------------------------------- the items

// Weapons lie on the diagonal from the bottom-left corner to the top-right
// one. A pixel's place on it is (along, across): along runs from 0 at the
// pommel to 14 at the far corner, across is the offset towards the
// bottom-right, both in half steps because diagonal neighbours differ by one.
struct diagonal_place {
    double along;
    double across;
};

diagonal_place place_of(int x, int y)
{
    return {(x - y + 13) / 2.0, (x + y - 15) / 2.0};
}

double distance_squared(double a, double b)
{
    return a * a + b * b;
}

constexpr rgb steel{182, 186, 198};
constexpr rgb steel_light{236, 240, 248};
constexpr rgb steel_dark{112, 114, 128};
constexpr rgb iron{128, 128, 140};
constexpr rgb wood{134, 86, 46};
constexpr rgb wood_dark{90, 56, 30};
constexpr rgb leather{104, 60, 34};
constexpr rgb gold{226, 178, 46};
constexpr rgb gold_light{255, 230, 120};
constexpr rgb ruby{214, 30, 54};
constexpr rgb glow{150, 236, 255};
constexpr rgb bone{226, 216, 186};
constexpr rgb sea_steel{150, 196, 214};

struct blade_look {
    std::string_view name;
    double grip_end;    // where the grip meets the guard
    double guard_half;  // half the guard's width, 0 for none
    double tip;         // where the point is
    double width;       // half the blade's width
    double curve;       // how far the point bends sideways
    bool flat_tip;      // an executioner's square end instead of a point
    bool two_ended;     // a second blade beyond the pommel end
    bool gilded;        // improved: gold fittings and a glowing edge
    rgb metal;
    rgb grip;
};

constexpr blade_look blades[] = {
    {"item_knife", 4.0, 0.0, 9.5, 0.6, 0.0, false, false, false, steel, wood},
    {"item_dagger", 3.5, 1.5, 10.5, 0.6, 0.0, false, false, false, steel, leather},
    {"item_short_sword", 3.5, 2.0, 12.0, 0.6, 0.0, false, false, false, steel, leather},
    {"item_gauche", 3.5, 3.0, 11.0, 0.5, 0.0, false, false, true, steel, leather},
    {"item_long_sword", 3.5, 2.0, 14.5, 0.6, 0.0, false, false, false, steel, leather},
    {"item_bastard_sword", 4.5, 2.5, 14.5, 0.8, 0.0, false, false, false, steel_dark, leather},
    {"item_kopesh", 3.5, 1.5, 13.0, 0.7, 3.0, false, false, false, gold, wood_dark},
    {"item_blade", 3.5, 1.5, 13.5, 1.0, 0.0, false, false, false, steel, wood},
    {"item_blade_ameliorated", 3.5, 2.0, 13.5, 1.0, 0.0, false, false, true, steel, wood},
    {"item_behead", 4.0, 2.0, 13.5, 1.5, 0.0, true, false, false, steel_dark, wood_dark},
    {"item_broad_sword", 3.5, 2.5, 14.0, 1.2, 0.0, false, false, false, steel, leather},
    {"item_horner", 3.5, 1.0, 13.0, 0.8, 2.0, false, false, false, bone, wood_dark},
    {"item_glaive", 9.0, 1.0, 14.5, 0.9, 1.5, false, false, false, steel, wood},
    {"item_saber", 3.5, 2.0, 14.0, 0.6, 2.0, false, false, false, steel, leather},
    {"item_saber_ameliorated", 3.5, 2.0, 14.0, 0.6, 2.0, false, false, true, steel, leather},
    {"item_whale_blade", 3.5, 2.0, 14.0, 1.6, 1.5, false, false, false, sea_steel, wood_dark},
    {"item_whale_blade_ameliorated", 3.5, 2.0, 14.0, 1.6, 1.5, false, false, true, sea_steel, wood_dark},
    {"item_two_handed_sword", 5.0, 3.0, 15.0, 0.9, 0.0, false, false, false, steel, leather},
    {"item_two_bladed_sword", 1.5, 1.5, 7.5, 0.7, 0.0, false, true, false, steel, leather},
    {"item_two_bladed_sword_ameliorated", 1.5, 1.5, 7.5, 0.7, 0.0, false, true, true, steel, leather},
};

// The half width of the blade at a point, narrowing into the tip.
double blade_half_width(const blade_look& look, double from_guard, double length)
{
    if (look.flat_tip) return look.width;
    const double to_tip = length - from_guard;
    return look.width * std::min(1.0, to_tip / 2.5 + 0.2);
}

// Paints the pixel if it lies on the blade: the edge on the bottom-right
// side lit (glowing when improved), the spine darker.
void paint_blade_pixel(canvas& picture, int x, int y, const blade_look& look, double from_guard,
                       double length, double across)
{
    if (from_guard <= 0.0 || from_guard > length) return;
    const double t = from_guard / length;
    const double offset = across - look.curve * t * t;
    const double half = blade_half_width(look, from_guard, length);
    if (std::abs(offset) > half + 0.01) return;
    rgb colour = offset > 0.25 ? shade(look.metal, 40) : offset < -0.25 ? shade(look.metal, -36) : look.metal;
    if (look.gilded && offset > 0.25) colour = glow;
    picture.set(x, y, colour);
}

// One pixel of a sword whose pommel end is at along = 0. A two-ended sword
// is two of these meeting in the middle of a shared grip, without pommel.
void paint_sword_pixel(canvas& picture, int x, int y, const blade_look& look, double along, double across)
{
    const rgb fitting = look.gilded ? gold : steel_dark;
    const double grip_start = look.two_ended ? 0.0 : 0.5;
    if (!look.two_ended && distance_squared(along - 0.5, across) <= 0.6)
        picture.set(x, y, look.gilded ? gold_light : fitting);
    else if (along >= grip_start && along < look.grip_end && std::abs(across) <= 0.5)
        picture.set(x, y, int(along * 2) % 3 == 0 ? shade(look.grip, 30) : look.grip);
    else if (std::abs(along - look.grip_end) <= 0.5 && std::abs(across) <= look.guard_half)
        picture.set(x, y, fitting);
    else
        paint_blade_pixel(picture, x, y, look, along - look.grip_end - 0.5, look.tip - look.grip_end - 0.5,
                          across);
}

canvas draw_blade(const blade_look& look)
{
    constexpr double middle = 7.0;
    canvas picture(16, 16, key_colour);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const diagonal_place at = place_of(x, y);
            if (!look.two_ended)
                paint_sword_pixel(picture, x, y, look, at.along, at.across);
            else if (at.along >= middle)
                paint_sword_pixel(picture, x, y, look, at.along - middle, at.across);
            else
                paint_sword_pixel(picture, x, y, look, middle - at.along, -at.across);
        }
    if (look.gilded) {
        // A few sparkles beside the edge mark the improved blade.
        picture.set(13, 6, gold_light);
        picture.set(9, 9, gold_light);
        picture.set(6, 4, gold_light);
    }
    return finish_figure(picture);
}

// Weapons on a haft: a handle along the diagonal and a head near its end.
enum class head_kind { hammer, spiked_ball, flanged, war_flanged, axe, double_axe, knotted_staff, orb, star };

struct hafted_look {
    std::string_view name;
    head_kind head;
    double haft_start;
    double haft_end;
    double head_at;  // where the head's centre sits along the diagonal
    double size;     // the head's reach from the haft
    rgb haft;
    rgb metal;
    rgb trim;  // bands on the haft and the edge of ornate heads; the haft colour when plain
    rgb gem;   // the jewel of ornate heads and magic tips; the metal when plain
};

constexpr hafted_look hafted_weapons[] = {
    {"item_maul", head_kind::hammer, 0.5, 12.0, 11.0, 2.5, wood, iron, wood, iron},
    {"item_morningstar", head_kind::spiked_ball, 0.5, 10.0, 11.5, 2.0, wood, iron, wood, iron},
    {"item_mace", head_kind::flanged, 0.5, 10.0, 11.0, 1.5, wood, steel, wood, steel},
    {"item_war_mace", head_kind::war_flanged, 0.5, 10.0, 11.0, 2.0, steel_dark, steel, gold, steel},
    {"item_staff", head_kind::knotted_staff, 0.0, 13.0, 13.0, 1.5, wood, wood_dark, wood, rgb{80, 220, 90}},
    {"item_rod", head_kind::orb, 2.0, 11.0, 12.0, 1.5, gold, gold, gold_light, ruby},
    {"item_wand", head_kind::star, 3.5, 11.0, 11.5, 1.0, rgb{236, 230, 214}, gold, rgb{236, 230, 214},
     rgb{255, 246, 168}},
    {"item_hand_axe", head_kind::axe, 1.5, 11.0, 9.5, 2.5, wood, steel, wood, steel},
    {"item_axe", head_kind::axe, 0.5, 13.0, 11.0, 3.0, wood, steel, wood, steel},
    {"item_battle_axe", head_kind::double_axe, 0.5, 13.5, 11.0, 3.0, wood, steel, wood, steel},
    {"item_iron_battle_axe", head_kind::double_axe, 0.5, 13.5, 11.0, 3.0, iron, steel_dark, iron, steel_dark},
    {"item_iron_ordered_battle_axe", head_kind::double_axe, 0.5, 13.5, 11.0, 3.0, iron, steel_dark, gold,
     gold_light},
    {"item_iron_rubioux_battle_axe", head_kind::double_axe, 0.5, 13.5, 11.0, 3.0, iron, steel_dark, ruby,
     ruby},
};

bool is_plain(const hafted_look& look)
{
    return look.trim == look.haft;
}

// An axe blade spreading from the haft into a wide, lit cutting edge.
bool in_axe_blade(const hafted_look& look, diagonal_place at, double side)
{
    const double out = at.across * side;
    if (out < 0.5 || out > look.size) return false;
    return std::abs(at.along - look.head_at) <= 0.75 + 0.45 * out;
}

void paint_axe_head(canvas& picture, int x, int y, const hafted_look& look, diagonal_place at)
{
    for (double side : {1.0, -1.0}) {
        if (look.head == head_kind::axe && side < 0) continue;
        if (!in_axe_blade(look, at, side)) continue;
        const double out = at.across * side;
        rgb colour = out > look.size - 0.6 ? shade(look.metal, 56) : look.metal;
        if (!is_plain(look) && out > look.size - 0.6) colour = look.trim;
        if (!is_plain(look) && std::abs(at.along - look.head_at) <= 0.3 && std::abs(out - 1.5) <= 0.3)
            colour = look.gem;
        picture.set(x, y, colour);
    }
}

void paint_round_head(canvas& picture, const hafted_look& look)
{
    const int cx = int(look.head_at + 1.0), cy = int(14.0 - look.head_at);
    const rgb light = shade(look.metal, 48);
    switch (look.head) {
    case head_kind::spiked_ball:
        for (auto [dx, dy] : {std::pair{3, 0}, {-3, 0}, {0, 3}, {0, -3}, {2, 2}, {-2, -2}, {2, -2}, {-2, 2}})
            picture.set(cx + dx, cy + dy, steel_light);
        fill_ellipse(picture, cx, cy, 2, 2, look.metal);
        picture.set(cx - 1, cy - 1, light);
        break;
    case head_kind::flanged:
        for (auto [dx, dy] : {std::pair{2, 0}, {-2, 0}, {0, 2}, {0, -2}})
            picture.set(cx + dx, cy + dy, steel_dark);
        fill_ellipse(picture, cx, cy, 1, 1, look.metal);
        picture.set(cx, cy, light);
        picture.set(cx + 1, cy - 1, look.metal);
        break;
    case head_kind::war_flanged:
        for (auto [dx, dy] : {std::pair{3, 0}, {-3, 0}, {0, 3}, {0, -3}, {2, 2}, {-2, -2}, {2, -2}, {-2, 2}})
            picture.set(cx + dx, cy + dy, steel_dark);
        fill_ellipse(picture, cx, cy, 2, 2, look.metal);
        picture.set(cx - 1, cy - 1, light);
        picture.set(cx, cy, look.trim);
        break;
    case head_kind::orb:
        fill_ellipse(picture, cx, cy, 2, 2, look.trim);
        fill_ellipse(picture, cx, cy, 1, 1, look.gem);
        picture.set(cx - 1, cy - 1, rgb{255, 190, 200});
        break;
    case head_kind::star:
        for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {2, 0}, {-2, 0}, {0, 2}, {0, -2}})
            picture.set(cx + dx, cy + dy, look.gem);
        picture.set(cx, cy, rgb{255, 255, 255});
        break;
    case head_kind::knotted_staff:
        fill_ellipse(picture, cx - 1, cy + 1, 1, 1, look.metal);
        picture.set(cx - 2, cy - 1, look.metal);
        picture.set(cx + 1, cy + 2, look.metal);
        picture.set(cx, cy, look.gem);
        picture.set(cx - 1, cy, shade(look.gem, 60));
        break;
    default: break;
    }
}

canvas draw_hafted(const hafted_look& look)
{
    canvas picture(16, 16, key_colour);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const diagonal_place at = place_of(x, y);
            if (at.along >= look.haft_start && at.along <= look.haft_end && std::abs(at.across) <= 0.25) {
                const bool band = !is_plain(look) && int(at.along * 2) % 5 == 0;
                picture.set(x, y, band ? look.trim : (at.across > 0 ? shade(look.haft, -24) : look.haft));
            }
            if (look.head == head_kind::hammer && std::abs(at.along - look.head_at) <= 1.25 &&
                std::abs(at.across) <= look.size)
                picture.set(x, y, std::abs(at.across) > look.size - 0.6 ? shade(look.metal, 50) : look.metal);
            if (look.head == head_kind::axe || look.head == head_kind::double_axe)
                paint_axe_head(picture, x, y, look, at);
        }
    paint_round_head(picture, look);
    return finish_figure(picture);
}

// clang-format off
constexpr art potion = {
    "................",
    "................",
    "......nnnn......",
    "......nNNn......",
    ".......GG.......",
    ".......wG.......",
    "......GwGG......",
    ".....GwrrrG.....",
    "....GwRrrrrG....",
    "...GwRRrrrrrG...",
    "...GwRrrrrrrG...",
    "...GrrrrrrrrG...",
    "...G1rrrrrr1G...",
    "....G11rr11G....",
    ".....GGGGGG.....",
    "................",
};

constexpr art robe = {
    "................",
    "................",
    ".....u3333u.....",
    "....uUu33uuu....",
    "...uUuu33uuuu...",
    "..uUuuu33uuuuu..",
    ".uUuu.u33u.uuuu.",
    ".uUu..u33u..uu3.",
    ".aaa..aaaa..aaa.",
    "......u33u......",
    ".....uUu3uu.....",
    ".....uUu3uu.....",
    "....uUuu3uuu....",
    "....uUuu3uuu3...",
    "...aaaaaaaaaa...",
    "................",
};

constexpr art bag = {
    "................",
    "................",
    ".....n....n.....",
    "......nnnn......",
    ".......aa.......",
    "......NnnN......",
    ".....NnnnnN.....",
    "....NNnnnnnn....",
    "...NNnnnnnnnn...",
    "...Nnnnnnnnnn5..",
    "..NNnnnnnnnnn5..",
    "..Nnnnnnnnnnn5..",
    "..Nnnnnnnnnn55..",
    "...5nnnnnnn55...",
    "....55555555....",
    "................",
};

constexpr art socket = {
    "................",
    "................",
    "................",
    "......GGGG......",
    "....GGwwwwGG....",
    "...GwGggggGgg...",
    "...GwgK66Kggg...",
    "..GwgK6666Kggg..",
    "..GwgK6666Kggg..",
    "..GGgK6666Kggg..",
    "...GgKK66KKgg...",
    "...ggggKKgggg...",
    "....gggggggg....",
    "......gggg......",
    "................",
    "................",
};

// The top-left corner of an ornamental frame; the other three are mirrors.
constexpr art frame_corner = {
    ".AAAAAAAAAAAAAA.",
    "AaaaaaaaaaaaaaaA",
    "AaAAAAAAAAAAAAA.",
    "AaA..AaaA.......",
    "AaA.AaAAaA......",
    "AaA.AaA.aA......",
    "AaAAaaA.A.......",
    "AaAaAA..........",
    "AaA.............",
    "AaA.............",
    "AaA.............",
    "AaA.............",
    "AaA.............",
    "AaA.............",
    "AaA.............",
    ".A..............",
};

constexpr art cuirass = {
    "................",
    "................",
    "....mm....mm....",
    "...mmmm..mmmm...",
    "..mmmmmmmmmmmm..",
    "..mmmmmmmmmmmm..",
    "..mmmmmmmmmmmm..",
    "...mmmmmmmmmm...",
    "...mmmmmmmmmm...",
    "...mmmmmmmmmm...",
    "...mmmmmmmmmm...",
    "...mmmmmmmmmm...",
    "...mmmmmmmmmm...",
    "....mmmmmmmm....",
    "................",
    "................",
};

constexpr art full_plate = {
    "................",
    "................",
    "....mm....mm....",
    ".ttmmmm..mmmmtt.",
    "tttmmmmmmmmmmttt",
    "tttmmmmmmmmmmttt",
    ".t.mmmmmmmmmm.t.",
    "...mmmmmmmmmm...",
    "...mmmmmmmmmm...",
    "...tttttttttt...",
    "...mmmmmmmmmm...",
    "...mmmmmmmmmm...",
    "..tttmmmmmmttt..",
    "..tttmmmmmmttt..",
    "..ttt......ttt..",
    "................",
};
// clang-format on

enum class armour_pattern { leather, studs, rings, scales, plate, runes };

struct armour_look {
    std::string_view name;
    const art* shape;
    armour_pattern pattern;
    rgb base;
    rgb trim;
};

constexpr armour_look armours[] = {
    {"item_leather_armor", &cuirass, armour_pattern::leather, {146, 92, 50}, {96, 58, 30}},
    {"item_studded_leather_armor", &cuirass, armour_pattern::studs, {146, 92, 50}, {96, 58, 30}},
    {"item_chain_mail", &cuirass, armour_pattern::rings, {150, 154, 166}, {96, 98, 110}},
    {"item_scale_armor_b", &cuirass, armour_pattern::scales, {120, 150, 120}, {70, 96, 74}},
    {"item_plate_armor", &cuirass, armour_pattern::plate, {176, 182, 196}, {112, 116, 130}},
    {"item_full_plate_armor", &full_plate, armour_pattern::plate, {176, 182, 196}, gold},
    {"item_magic_armor", &full_plate, armour_pattern::runes, {110, 70, 190}, glow},
};

rgb armour_colour(const armour_look& look, int x, int y)
{
    // Light from the upper left: the left side of the chest lit, the right in shade.
    const rgb lit = x < 6 ? shade(look.base, 30) : x > 10 ? shade(look.base, -26) : look.base;
    switch (look.pattern) {
    case armour_pattern::leather: return y == 8 ? look.trim : lit;
    case armour_pattern::studs: return (x % 3 == 1 && y % 3 == 0) ? steel_light : y == 8 ? look.trim : lit;
    case armour_pattern::rings: return (x + y) % 2 == 0 ? shade(lit, 34) : shade(lit, -30);
    case armour_pattern::scales: return (x + (y / 2) % 2) % 2 == 0 && y % 2 == 1 ? look.trim : lit;
    case armour_pattern::plate: return x == 5 || x == 6 ? shade(look.base, 60) : lit;
    case armour_pattern::runes:
        return (x == 7 || x == 8) && y % 3 == 1 ? look.trim : x == 5 ? shade(look.base, 50) : lit;
    }
    return lit;
}

canvas draw_armour(const armour_look& look)
{
    canvas picture(16, 16, key_colour);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const char symbol = (*look.shape)[size_t(y)][size_t(x)];
            if (symbol == 'm') picture.set(x, y, armour_colour(look, x, y));
            if (symbol == 't')
                picture.set(x, y,
                            look.pattern == armour_pattern::runes ? shade(look.base, 40)
                                                                  : shade(look.base, 20));
        }
    if (look.shape == &full_plate)
        for (int x = 3; x < 13; ++x) picture.set(x, 9, look.trim);
    return finish_figure(picture);
}

struct art_item {
    std::string_view name;
    const art* rows;
    std::string_view swaps;
};

constexpr art_item art_items[] = {
    {"item_potion_red", &potion, ""},
    {"item_potion_green", &potion, "re RE 12"},
    {"item_potion_blue", &potion, "ru RU 13"},
    {"item_potion_yellow", &potion, "ry RY 1a"},
    {"item_potion_white", &potion, "rw RC 1W"},
    {"item_blue_robe", &robe, ""},
    {"item_red_robe", &robe, "ur UR 31"},
    {"item_gray_robe", &robe, "ug UG 3K aw"},
    {"item_bag", &bag, ""},
    {"item_blue_bag", &bag, "nu NU 53"},
    {"socket", &socket, ""},
};

constexpr bool all_items_square()
{
    for (const art_item& entry : art_items)
        if (!rows_are_square(*entry.rows)) return false;
    return rows_are_square(frame_corner) && rows_are_square(cuirass) && rows_are_square(full_plate);
}
static_assert(all_items_square(), "every row of an item is 16 symbols");

// Corner n of a frame: 1 top-left, 2 top-right, 3 bottom-right, 4 bottom-left.
canvas draw_frame_corner(int corner)
{
    canvas upright(16, 16, key_colour);
    paint_art(upright, frame_corner, "");
    canvas picture(16, 16, key_colour);
    const bool flip_x = corner == 2 || corner == 3, flip_y = corner == 3 || corner == 4;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) picture.set(flip_x ? 15 - x : x, flip_y ? 15 - y : y, upright.get(x, y));
    return finish_figure(picture);
}

}  // namespace

canvas draw_unit_picture(const std::string& name)
{
    for (const figure& entry : figures)
        if (entry.name == name) return draw_figure(entry);
    return loud_checker("bmp_unit", name);
}

canvas draw_item_picture(const std::string& name)
{
    for (const blade_look& look : blades)
        if (look.name == name) return draw_blade(look);
    for (const hafted_look& look : hafted_weapons)
        if (look.name == name) return draw_hafted(look);
    for (const armour_look& look : armours)
        if (look.name == name) return draw_armour(look);
    for (const art_item& entry : art_items)
        if (entry.name == name) {
            canvas picture(16, 16, key_colour);
            paint_art(picture, *entry.rows, entry.swaps);
            return finish_figure(picture);
        }
    constexpr std::string_view corners[] = {"alleviated_corner1", "alleviated_corner2", "alleviated_corner3",
                                            "alleviated_corner4"};
    for (int corner = 0; corner < 4; ++corner)
        if (corners[corner] == name) return draw_frame_corner(corner + 1);
    // An empty item slot shows nothing at all.
    if (name == "blank") return canvas(16, 16, key_colour);
    return loud_checker("bmp_item", name);
}
