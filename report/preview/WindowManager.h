#pragma once
// Whether a window manager looks after the program's windows.

// True where the windowing system maximises a window asked to show maximised: on desktop
// platforms, and on X11 when a window manager runs. A bare X server (Xvfb started alone,
// for example) leaves such a window at its normal size.
bool WindowManagerMaximises();
