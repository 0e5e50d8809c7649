// The menu bar with the Method menu, and the change of method.

#include "shell/MainForm.h"

#include "shell/BevelPanel.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

void TMainForm::BuildMethodMenu() {
  MenuBar = new QMenuBar(this);
  MenuBar->setObjectName(QStringLiteral("MenuBar"));
  // In the window whatever the desktop: a global menu would hide the choice.
  MenuBar->setNativeMenuBar(false);
  QMenu* menu = MenuBar->addMenu(QStringLiteral("&Method"));
  auto* choices = new QActionGroup(menu);  // exclusive
  OneSiteAction = menu->addAction(QStringLiteral("&One-site tape"));
  MultiSiteAction = menu->addAction(QStringLiteral("M&ulti-site tape (DA Form 5500-ER / 5501-ER)"));
  for (QAction* action : {OneSiteAction, MultiSiteAction}) {
    action->setCheckable(true);
    choices->addAction(action);
  }
  MultiSiteAction->setChecked(true);
}

void TMainForm::SetMethod(TapeMethod method) {
  (method == TapeMethod::OneSite ? OneSiteAction : MultiSiteAction)->setChecked(true);
  if (method == method_) return;
  method_ = method;
  // Results or measurements of the other method give way to this method's measurements;
  // measurement pages have no exit checks, so the page always changes. An exempt soldier
  // has no measurements: the results stay, for the worksheet of this method.
  if (VisiblePage() == ResultsPanel && assessment_ && assessment_->Exempt()) {
    ShowExemptResults();
  } else if (VisiblePage() != MainPanel) {
    ShowPage(MeasurementPage(), true, true);
  }
  emit MethodChanged(method);
}
