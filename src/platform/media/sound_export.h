#pragma once
// Marks what the sound module lends to the film module, which links it; the
// rest of both modules stays hidden.
#define LUMORA_SOUND_EXPORT __attribute__((visibility("default")))
