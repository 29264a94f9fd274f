#include "assets/image_slot.h"

#include <cstdlib>

#include "draw/framebuffer.h"
#include "shell/allocate.h"

void release_picture(image_slot& image)
{
    release_table(image.pixels);
    release_table(image.framebuffer_words);
    image.width = 0;
    image.height = 0;
}

void make_framebuffer_words(image_slot& image)
{
    release_table(image.framebuffer_words);
    if (!image.pixels || image.width <= 0 || image.height <= 0) return;
    const size_t count = size_t(image.width) * size_t(image.height);
    // A picture too large for a second copy is still drawn, pixel by pixel.
    image.framebuffer_words = static_cast<uint32_t*>(std::malloc(count * sizeof(uint32_t)));
    if (!image.framebuffer_words) return;
    for (size_t i = 0; i < count; ++i) image.framebuffer_words[i] = framebuffer_word(image.pixels + 3 * i);
}
