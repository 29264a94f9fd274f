#include <cmath>

#include "test_support.h"
#include "world/trig_tables.h"

using trig_tables_test = state_test;

TEST_F(trig_tables_test, landmark_entries)
{
    EXPECT_EQ(game.sine_table[0], 0.0f);
    EXPECT_EQ(game.cosine_table[0], 1.0f);
    EXPECT_FLOAT_EQ(game.sine_table[90000], 1.0f);
    EXPECT_FLOAT_EQ(game.cosine_table[180000], -1.0f);
    EXPECT_NEAR(game.sine_table[trig_table_entries - 1], 0.0f, 1e-4f);
}

TEST_F(trig_tables_test, entries_follow_the_shorter_degree_factor)
{
    // Find entries where the program's factor and the exact one round to
    // different floats: the table must hold the program's value there.
    int differing = 0;
    for (int i = 1; i < trig_table_entries && differing < 50; i += 997) {
        const float ours = float(std::sin(double(float(i)) * 0.017453292516666667 / 1000.0));
        const float exact = float(std::sin(double(i) * 0.017453292519943295 / 1000.0));
        EXPECT_EQ(game.sine_table[i], ours) << i;
        EXPECT_EQ(game.cosine_table[i], float(std::cos(double(float(i)) * 0.017453292516666667 / 1000.0)));
        if (ours != exact) ++differing;
    }
    EXPECT_GT(differing, 0) << "the sample should reach entries where the two factors differ";
}

TEST_F(trig_tables_test, second_build_keeps_the_tables)
{
    float* sine = game.sine_table;
    float* cosine = game.cosine_table;
    build_trig_tables();
    EXPECT_EQ(game.sine_table, sine);
    EXPECT_EQ(game.cosine_table, cosine);
}
