#ifndef FUZZSUPPORT_H
#define FUZZSUPPORT_H

#include <cstddef>
#include <cstdint>

// Every fuzz entry point defines this; the replay driver or libFuzzer calls it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

// Creates the application object (once) for entry points whose code needs one, and
// silences the debug stream so that a fuzzing run is not slowed by log lines.
void tulFuzzEnsureApplication();

#endif // FUZZSUPPORT_H
