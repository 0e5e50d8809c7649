#pragma once
// A report in the print preview window: generated into the page store behind the window,
// printed again from the window's Print button, its printer chosen in the print setup
// dialog. The report itself knows no window; the preview installs its flows as the hooks
// of the report's device.

class TCustomReport;

// Generates the report into the page store and shows its pages in the preview window (or
// calls the report's OnPreview hook instead); returns once the window has closed, while
// the rest of the program stays usable. Asked again while the report's window is open,
// the report is generated anew into that window and this call returns at once.
void PreviewReport(TCustomReport& report);
