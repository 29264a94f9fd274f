#pragma once
// The node selection the program searches with, a ring of cost buckets.
#include <cstddef>
#include <cstdint>

#include "units/path_search.h"

// The ring, the bucket links and the window's cells of a context.
void allocate_queue_tables(path_search* search, size_t level_cells);
void release_queue_tables(path_search* search);
// Empties the ring for a new search whose start is node 0.
void clear_buckets(path_search& search);
// Runs at most limit expansions, selecting from the ring.
void run_by_queue(path_search& search, int32_t limit);
