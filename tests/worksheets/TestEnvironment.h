#pragma once
// The worksheet tests measure text: Arial must resolve to Liberation Sans and the screen
// must measure 96 pixels per inch.

// Pins the font; false (with a message) when the screen is not at 96 dpi.
bool PinFontsAndResolution();
