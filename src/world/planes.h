#pragma once
// Content derived from the loaded overworld at start-up.

// Coarse block maps of levels 0..2 into levels 10..12.
void build_coarse_planes();
// The 768 start-up features on levels 0..2; seeds the generator with 96.
void scatter_features();
