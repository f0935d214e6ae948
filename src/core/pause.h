#pragma once

// Waits the given number of seconds while the application goes on handling
// its events (input, painting, other handlers), without keeping a processor
// busy. Time is measured on a monotonic clock, so midnight or a change of the
// system clock changes nothing. Zero, less or NaN returns at once without
// handling any event. Returns early only when the application is quitting.
void pauseFor(double seconds);
