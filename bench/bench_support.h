#pragma once
// The program started headless on the generated default world, once per
// benchmark run and shared by every benchmark in it.
void ensure_started();
