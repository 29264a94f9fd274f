#pragma once
#include <cstddef>
#include <cstdlib>

// Allocates a zero-filled table of count records. The tables are allocated
// once at start-up; if the system cannot give us one, there is nothing
// sensible to run, so the program says so and ends with status 1.
[[noreturn]] void report_out_of_memory(size_t bytes);

template <class T> T* allocate_table(size_t count)
{
    void* block = std::calloc(count ? count : 1, sizeof(T));
    if (!block) report_out_of_memory(count * sizeof(T));
    return static_cast<T*>(block);
}

template <class T> void release_table(T*& table)
{
    std::free(table);
    table = nullptr;
}
