#pragma once
#include <cstdint>

// One item kind: weapons, the bag, the potion and the armour pieces. The
// unnamed fields belong to the record; nothing but a copy gives them a value.
struct definition_record {
    uint8_t unnamed_1;
    uint8_t unnamed_2;
    uint16_t image;  // image slot of the item's picture
    int32_t kind;    // the kind number; a built-in record's own index
    uint8_t unnamed_5;
    uint16_t unnamed_6;
    uint16_t unnamed_7;
    uint8_t unnamed_8;
    uint8_t unnamed_9;
    uint8_t trait_1;  // traits are 0 or 1
    uint8_t trait_2;
    uint8_t trait_3;
    uint8_t trait_4;
    uint8_t trait_5;
    uint8_t equip_slot;  // 1-2 weapons, 10-23 armour pieces, 0 otherwise
    uint8_t unnamed_16;
    uint8_t weapon;     // 1 for weapons
    uint8_t grade;      // weapons 1..14, the potion 200
    uint8_t upgrade;    // 0..3
    float grade_value;  // set by a copy to grade as a float
    uint8_t unnamed_21;
    uint8_t unnamed_22;
    uint8_t unnamed_23;
    uint8_t unnamed_24;
    float factor;
    uint8_t unnamed_26_to_38[13];
    uint16_t unnamed_39;
    uint16_t value;  // up to 60,000
    uint16_t unnamed_41_to_44[4];
};
