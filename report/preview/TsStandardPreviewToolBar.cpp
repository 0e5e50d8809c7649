#include "report/preview/TsStandardPreviewToolBar.h"

#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QIcon>
#include <QToolBar>
#include <QToolButton>

static void InitPreviewResources() { Q_INIT_RESOURCE(preview); }

namespace {

void AddDivider(QToolBar* bar) {
  auto* divider = new QFrame(bar);
  divider->setFrameShape(QFrame::VLine);
  divider->setFrameShadow(QFrame::Sunken);
  divider->setFixedWidth(8);
  bar->addWidget(divider);
}

QAction* AddButton(QToolBar* bar, QWidget* window, const char* name, const QString& hint,
                   const char* picture) {
  auto* action = new QAction(QIcon(QString(":/preview/") + picture), hint, window);
  action->setObjectName(name);
  action->setToolTip(hint);
  bar->addAction(action);
  return action;
}

QAction* AddToggle(QToolBar* bar, QWidget* window, QActionGroup* group, const char* name,
                   const QString& hint, const char* picture) {
  QAction* action = AddButton(bar, window, name, hint, picture);
  action->setCheckable(true);
  group->addAction(action);
  return action;
}

}  // namespace

TsPreviewToolBar BuildPreviewToolBar(QWidget* window) {
  InitPreviewResources();
  TsPreviewToolBar t{};
  t.bar = new QToolBar(window);
  t.bar->setObjectName("ToolBar");
  t.bar->setMovable(false);
  t.bar->setFloatable(false);
  t.bar->setContentsMargins(2, 2, 2, 2);
  t.bar->setToolButtonStyle(Qt::ToolButtonIconOnly);

  auto* zoomGroup = new QActionGroup(window);
  zoomGroup->setExclusive(true);
  AddDivider(t.bar);
  t.ZoomFit = AddToggle(t.bar, window, zoomGroup, "ZoomFit", "Zoom to fit", "zoom-fit.svg");
  t.Zoom100 = AddToggle(t.bar, window, zoomGroup, "Zoom100", "100%", "zoom-100.svg");
  t.ZoomToWidth =
      AddToggle(t.bar, window, zoomGroup, "ZoomToWidth", "Zoom to width", "zoom-width.svg");
  AddDivider(t.bar);
  t.FirstPage = AddButton(t.bar, window, "FirstPage", "First page", "first-page.svg");
  t.PreviousPage = AddButton(t.bar, window, "PreviousPage", "Previous page", "previous-page.svg");
  t.NextPage = AddButton(t.bar, window, "NextPage", "Next page", "next-page.svg");
  t.LastPage = AddButton(t.bar, window, "LastPage", "Last page", "last-page.svg");
  AddDivider(t.bar);
  t.PrintSetup = AddButton(t.bar, window, "PrintSetup", "Printer setup", "printer-setup.svg");
  t.PrintSetup->setEnabled(false);
  t.Print = AddButton(t.bar, window, "Print", "Print", "print.svg");
  t.Print->setEnabled(false);
  AddDivider(t.bar);
  t.SaveReport = AddButton(t.bar, window, "SaveReport", "Save Report", "save-report.svg");
  t.LoadReport = AddButton(t.bar, window, "LoadReport", "Load Report", "load-report.svg");
  AddDivider(t.bar);
  t.ExitButton = new QToolButton(t.bar);
  t.ExitButton->setObjectName("ExitButton");
  t.ExitButton->setText("&Close");
  t.ExitButton->setAutoRaise(true);
  t.ExitButton->setFixedSize(40, 22);
  t.bar->addWidget(t.ExitButton);
  return t;
}
