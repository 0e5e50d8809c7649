#pragma once
// The print setup dialog of a report in the preview: printer, print to file, orientation,
// copies and page range, taken into the report's settings for its next print.

class QWidget;
class TCustomReport;

// Shows the dialog over the parent; OK stores the choices in the report's printer settings
// and page orientation, Cancel leaves them. The page range offers the pages of the
// report's finished preview.
void ShowPrintSetupDialog(TCustomReport& report, QWidget* parent);
