#pragma once
// The tool bar of the preview window: zoom toggles, page turning, printing, page files and
// the Close button, left to right, with their hints and pictures.

class QAction;
class QToolBar;
class QToolButton;
class QWidget;

struct TsPreviewToolBar {
  QToolBar* bar;
  QAction* ZoomFit;
  QAction* Zoom100;
  QAction* ZoomToWidth;
  QAction* FirstPage;
  QAction* PreviousPage;
  QAction* NextPage;
  QAction* LastPage;
  QAction* PrintSetup;
  QAction* Print;
  QAction* SaveReport;
  QAction* LoadReport;
  QToolButton* ExitButton;
};

// Builds the tool bar with window as the owner of its actions.
TsPreviewToolBar BuildPreviewToolBar(QWidget* window);
