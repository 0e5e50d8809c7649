#pragma once
// The screen's pixels per inch used for the page store: the primary screen's logical DPI,
// 96 when there is no screen (no QGuiApplication, or a platform without screens).

int ScreenPixelsPerInch();
