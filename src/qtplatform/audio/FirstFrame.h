#pragma once

namespace qtplatform {

// A latch for work that can wait until the program's first window is on screen, so
// that it does not compete with start-up for the processor: the sound output loads
// its library behind it. Only a program that will show a window expects a first
// frame; elsewhere nothing waits.
namespace firstFrame {

// Called once at start-up by a program that is about to show its first window.
void expect();

// Called when a window has finished drawing; the first call opens the latch.
void drawn();

// True once the first frame has been drawn, or when none is expected.
bool isDrawn();

} // namespace firstFrame

} // namespace qtplatform
