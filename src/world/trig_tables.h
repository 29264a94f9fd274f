#pragma once
// Sine and cosine of every thousandth of a degree from 0 to 3600 degrees.

// The degree-to-radian factor of the program (pi taken as 3.141592653).
inline constexpr double degree_factor = 0.017453292516666667;

// Allocates and fills sine_table and cosine_table unless they exist already.
void build_trig_tables();
