#pragma once

// What the program sets up once, before its first window: its name and
// version, the pictures it ships, the font substitutes and its icon.
void setUpApplication();
