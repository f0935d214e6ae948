#pragma once

// What the program sets up once, before its first window: its name and
// version, the pictures it ships, its dialog font and its icon.
void setUpApplication();
