#include "world/definitions.h"

#include "shell/game_state.h"

namespace {

// A weapon, the bag or the potion: one built-in record each.
struct item_kind {
    int32_t kind;
    uint16_t image;
    uint8_t traits[5];
    uint8_t equip_slot;
    uint8_t weapon;
    uint8_t grade;
    uint8_t upgrade;
    float factor;
    uint16_t value;
};

constexpr item_kind item_kinds[] = {
    {6110, 600, {1, 0, 1, 1, 1}, 2, 1, 1, 0, 0.0f, 50},      // knife
    {6111, 601, {1, 1, 0, 0, 0}, 1, 1, 2, 0, 0.0f, 180},     // dagger
    {6112, 602, {1, 0, 0, 0, 1}, 1, 1, 3, 0, 0.0f, 300},     // short sword
    {6113, 603, {0, 1, 0, 0, 0}, 2, 1, 3, 1, 0.2f, 400},     // main gauche
    {6114, 604, {1, 0, 0, 0, 0}, 1, 1, 4, 0, 0.0f, 430},     // long sword
    {6115, 605, {1, 0, 0, 0, 0}, 1, 1, 5, 0, 0.0f, 560},     // bastard sword
    {6116, 606, {1, 1, 0, 0, 1}, 2, 1, 5, 1, 0.0f, 700},     // kopesh
    {6117, 607, {0, 1, 0, 0, 0}, 1, 1, 6, 0, 1.0f, 1000},    // blade
    {6118, 608, {0, 1, 0, 0, 1}, 1, 1, 6, 1, 2.8f, 2000},    // ameliorated blade
    {6119, 609, {0, 1, 0, 0, 1}, 1, 1, 7, 0, 0.0f, 3000},    // behead
    {6120, 610, {1, 0, 0, 0, 0}, 1, 1, 6, 1, 0.0f, 700},     // broad sword
    {6121, 611, {0, 1, 0, 0, 1}, 2, 1, 8, 0, 0.0f, 2300},    // horner
    {6122, 612, {1, 0, 0, 0, 0}, 1, 1, 8, 1, 0.0f, 980},     // glaive
    {6123, 613, {1, 0, 0, 0, 0}, 1, 1, 8, 2, 2.0f, 1300},    // saber
    {6124, 614, {1, 0, 0, 0, 1}, 1, 1, 8, 3, 4.0f, 2900},    // ameliorated saber
    {6125, 615, {1, 0, 0, 0, 1}, 1, 1, 9, 0, 1.5f, 5000},    // whale blade
    {6126, 616, {1, 0, 0, 0, 1}, 1, 1, 9, 2, 3.3f, 10000},   // ameliorated whale blade
    {6127, 617, {1, 0, 0, 0, 0}, 1, 1, 10, 0, 0.0f, 1200},   // two-handed sword
    {6128, 618, {1, 0, 0, 0, 1}, 1, 1, 11, 0, 0.0f, 6000},   // two-bladed sword
    {6129, 619, {1, 0, 0, 0, 1}, 1, 1, 12, 0, 3.2f, 28000},  // ameliorated two-bladed sword
    {6200, 630, {0, 1, 0, 0, 0}, 1, 1, 3, 0, 0.0f, 300},     // maul
    {6201, 631, {0, 1, 0, 0, 0}, 1, 1, 5, 1, 0.0f, 600},     // morningstar
    {6202, 632, {0, 1, 0, 0, 0}, 1, 1, 8, 0, 0.0f, 3000},    // mace
    {6203, 633, {0, 1, 0, 0, 0}, 1, 1, 8, 0, 0.0f, 3000},    // war mace
    {6316, 650, {0, 0, 0, 1, 0}, 2, 1, 2, 0, 0.0f, 180},     // hand axe
    {6317, 651, {0, 0, 0, 1, 0}, 1, 1, 3, 0, 0.0f, 380},     // axe
    {6318, 652, {0, 0, 0, 1, 0}, 1, 1, 8, 0, 0.0f, 4000},    // battle axe
    {6319, 655, {0, 0, 0, 1, 0}, 1, 1, 12, 0, 2.8f, 32000},  // iron rubioux battle axe
    {6320, 654, {0, 0, 0, 1, 0}, 1, 1, 14, 0, 4.0f, 60000},  // iron ordered battle axe
    {7000, 3000, {0, 0, 0, 0, 0}, 0, 0, 0, 0, 0.0f, 30},     // bag
    {7100, 682, {0, 0, 0, 0, 0}, 0, 0, 200, 0, 0.0f, 50},    // blue potion
};

// An armour set: 14 consecutive kinds, piece i worn in equipment slot 10 + i.
struct armour_series {
    int32_t first_kind;
    uint16_t image;
    float factor;
    uint16_t value;
};

constexpr armour_series armour_sets[] = {
    {8100, 730, 0.1f, 30},   // blue robe
    {8130, 740, 0.2f, 70},   // leather armour
    {8170, 741, 0.3f, 120},  // studded leather armour
    {8200, 742, 0.4f, 160},  // chain mail
    {8220, 743, 0.5f, 210},  // scale armour
    {8250, 744, 0.6f, 280},  // plate armour
    {8280, 745, 0.7f, 350},  // full plate armour
    {8320, 746, 0.9f, 600},  // magic armour
};
constexpr int pieces_per_armour_set = 14;

void write_item_kind(const item_kind& item)
{
    definition_record& record = game.definition_table[item.kind];
    record = definition_record{};
    record.image = item.image;
    record.kind = item.kind;
    record.trait_1 = item.traits[0];
    record.trait_2 = item.traits[1];
    record.trait_3 = item.traits[2];
    record.trait_4 = item.traits[3];
    record.trait_5 = item.traits[4];
    record.equip_slot = item.equip_slot;
    record.weapon = item.weapon;
    record.grade = item.grade;
    record.upgrade = item.upgrade;
    record.factor = item.factor;
    record.value = item.value;
}

void write_armour_piece(const armour_series& series, int piece)
{
    definition_record& record = game.definition_table[series.first_kind + piece];
    record = definition_record{};
    record.image = series.image;
    record.kind = series.first_kind + piece;
    record.trait_1 = record.trait_2 = record.trait_3 = record.trait_4 = record.trait_5 = 1;
    record.equip_slot = uint8_t(10 + piece);
    record.factor = series.factor;
    record.value = series.value;
}

bool is_definition_index(int32_t index)
{
    return index >= 0 && index < game.definition_capacity;
}

}  // namespace

void build_definitions()
{
    game.definition_table[0] = definition_record{};
    for (const item_kind& item : item_kinds) write_item_kind(item);
    for (const armour_series& series : armour_sets)
        for (int piece = 0; piece < pieces_per_armour_set; ++piece) write_armour_piece(series, piece);
}

void copy_definition(int32_t destination, int32_t source)
{
    if (!is_definition_index(destination) || !is_definition_index(source)) return;
    definition_record& copy = game.definition_table[destination];
    copy = game.definition_table[source];
    copy.grade_value = float(copy.grade);
}

void make_starting_definitions()
{
    copy_definition(10000, 6110);
    copy_definition(9000, 6110);
    copy_definition(9001, 6111);
    copy_definition(9002, 6200);
    copy_definition(9003, 6316);
}
