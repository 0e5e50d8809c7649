#include "shell/Startup.h"

#include "shell/AppWindows.h"
#include "shell/AssessmentRecorder.h"
#include "shell/Glyphs.h"
#include "shell/HistoryForm.h"
#include "shell/MainForm.h"
#include "shell/MethodSetting.h"
#include "shell/PlainMessage.h"
#include "shell/SplashForm.h"
#include "shell/pictures/Forearm.h"
#include "shell/pictures/Hips.h"
#include "shell/pictures/Navel.h"
#include "shell/pictures/Neck.h"
#include "shell/pictures/Waist.h"
#include "shell/pictures/Wrist.h"
#include "standards/Calculate.h"
#include "worksheets/DA5500.h"
#include "worksheets/DA5501.h"
#include "worksheets/OneSiteWorksheet.h"

#include <QApplication>
#include <QFont>
#include <QTimer>

#include <iostream>

namespace {

void ReportTableError(const TableLoadError& error, bool box) {
  const QString line = QStringLiteral("Runtime error %1 at %2").arg(kTableErrorStatus).arg(QString::fromUtf8(error.what()));
  std::cerr << line.toStdString() << std::endl;
  if (box) ShowPlainMessage(QStringLiteral("Error"), line);
}

// Lets a window that was just shown or changed be mapped and painted although no event
// loop runs yet; takes no input.
void PaintNow() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

void StepSplash() {
  Splash->StepIt();
  PaintNow();
}

// Creates the program's instances (windows hidden, or worksheets) and advances the
// splash's bar one step.
template <typename... Instance>
void CreateInstances(Instance*&... instances) {
  ((instances = new Instance), ...);
  StepSplash();
}

// Owns the windows and the worksheets for the run: the windows are hidden when not in use,
// and all are freed only when the program ends.
struct WindowLifetime {
  ~WindowLifetime() {
    Free(HistoryForm);
    Free(OneSiteForm);
    Free(FemaleForm);
    Free(MaleForm);
    Free(Navel);
    Free(FemArm);
    Free(FemWrist);
    Free(FemHips);
    Free(MaleAbdomen);
    Free(MaleNeck);
    Free(Splash);
    Free(MainForm);
  }
  template <typename Window>
  static void Free(Window*& instance) {
    delete instance;
    instance = nullptr;
  }
};

}  // namespace

bool PrepareProgram(QGuiApplication& app, const StartupOptions& options) {
  try {
    LoadTables(options.baseDir.toStdString());
  } catch (const TableLoadError& error) {
    ReportTableError(error, options.errorBox);
    return false;
  }

  // The application title, which every message box reads through applicationDisplayName().
  // It is set as the application name: a display name would also be appended to every
  // window's title bar on X11 ("Neck - Corvane 32").
  QGuiApplication::setApplicationName(QStringLiteral("Corvane 32"));
  // The desktop matches the windows to the program's menu entry and shows its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(CORVANE_APP_ID));
  QGuiApplication::setWindowIcon(ProgramIcon());
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  // Closing the main window ends the program, whatever picture windows are still open.
  app.setQuitOnLastWindowClosed(false);
  return true;
}

int RunProgram(QApplication& app, const StartupOptions& options) {
  if (!PrepareProgram(app, options)) return kTableErrorStatus;

  // Taken right after the tables were loaded; outlives every window that records or reads.
  AssessmentRecorder recorder(options.database, options.baseDir);
  WindowLifetime windows;
  MainForm = new TMainForm;
  MainForm->SetRecorder(&recorder);
  Splash = new TSplash(options.ticks);
  Splash->show();
  PaintNow();
  StepSplash();
  CreateInstances(MaleNeck);
  // The one-site method's windows share the steps of their multi-site neighbours, so the
  // bar still fills in eight steps.
  CreateInstances(MaleAbdomen, Navel);
  CreateInstances(FemHips);
  CreateInstances(FemWrist);
  CreateInstances(FemArm);
  CreateInstances(MaleForm);
  CreateInstances(FemaleForm, OneSiteForm);
  // The History window has worksheets of its own: with the last step.
  HistoryForm = new THistoryForm(recorder);
  Splash->close();
  MainForm->SetMethod(RememberedMethod());
  QObject::connect(MainForm, &TMainForm::MethodChanged, &RememberMethod);

  QObject::connect(MainForm, &TMainForm::Closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
  QTimer::singleShot(0, MainForm, &QWidget::show);
  return app.exec();
}
