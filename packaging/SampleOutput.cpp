// Makes the build's sample output: the pictures that the program's AppStream metadata
// shows (the results page, and the print preview of that soldier's worksheet at a size
// where the form can be read) and the worksheet saved as a page file from the preview, as
// an operator would. The wizard runs on the tables beside this program, headless
// (QT_QPA_PLATFORM=offscreen).
// Usage: sample_output RESULTS.png PREVIEW.png WORKSHEET.tsr

#include "report/device/TsPrintError.h"
#include "report/device/TsPrinter.h"
#include "report/preview/TsPreview.h"
#include "report/preview/TsStandardPreview.h"
#include "shell/BevelPanel.h"
#include "shell/MainForm.h"
#include "shell/Startup.h"
#include "shell/maskedit/MaskedEdit.h"
#include "worksheets/DA5500.h"
#include "worksheets/DA5501.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include <iostream>

namespace {

// One man, evaluated: the wizard ends on its results page.
void EnterSoldier(TMainForm& form) {
  form.Name->setText(QStringLiteral("DOE, JOHN A"));
  form.Rank->setText(QStringLiteral("SGT"));
  form.SSANumber->SetFieldText(QStringLiteral("123-45-6789"));
  form.Age->SetFieldText(QStringLiteral("24"));
  form.Weight->SetFieldText(QStringLiteral("190"));
  form.Height->SetFieldText(QStringLiteral("70.00"));
  form.SexMale->setChecked(true);
  form.Next->click();
  for (TMaskedEdit* neck : {form.MNeck1, form.MNeck2, form.MNeck3}) neck->SetFieldText(QStringLiteral("16.00"));
  for (TMaskedEdit* waist : {form.Waist1, form.Waist2, form.Waist3}) waist->SetFieldText(QStringLiteral("36.50"));
  form.Next->click();
}

// The print preview as a screenshot shows it: a window of a common laptop screen's size,
// the form at page width, its head and first steps in view.
constexpr QSize kPreviewSize(1280, 800);

// Once the print preview has its pages complete, takes its picture at that size, saves the
// pages as a page file, then closes the preview.
bool PictureAndSaveWorksheet(TMainForm& form, const QString& pictureName, const QString& fileName) {
  bool done = false;
  QTimer saver;
  QObject::connect(&saver, &QTimer::timeout, [&] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      auto* preview = qobject_cast<TTsStandardPreview*>(window);
      TTsPrinter* device = preview ? preview->PagePreview()->Device() : nullptr;
      if (device == nullptr || device->Status() != TsPrinterStatus::Finished) continue;
      preview->setWindowState(Qt::WindowNoState);
      preview->resize(kPreviewSize);
      QCoreApplication::processEvents();
      preview->PagePreview()->ZoomToWidth();
      QCoreApplication::processEvents();
      if (!preview->grab().save(pictureName)) {
        std::cerr << "sample_output: cannot write " << pictureName.toStdString() << std::endl;
      } else {
        try {
          device->SaveToFile(fileName);
          done = true;
        } catch (const TsPrintError& error) {
          std::cerr << "sample_output: " << error.what() << std::endl;
        }
      }
      preview->close();
    }
  });
  saver.start(20);
  form.PrintButton->click();  // returns once the preview has closed
  return done;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 4) {
    std::cerr << "usage: sample_output RESULTS.png PREVIEW.png WORKSHEET.tsr" << std::endl;
    return 2;
  }
  if (!PrepareProgram(app, StartupOptions{QCoreApplication::applicationDirPath()})) return kTableErrorStatus;

  TMainForm form;
  TMaleForm male;
  TFemaleForm female;
  MaleForm = &male;
  FemaleForm = &female;
  form.show();
  EnterSoldier(form);
  int status = 0;
  if (!form.ResultsPanel->isVisible()) {
    std::cerr << "sample_output: the wizard did not reach its results page" << std::endl;
    status = 1;
  } else if (QCoreApplication::processEvents(); !form.grab().save(QString::fromLocal8Bit(argv[1]))) {
    std::cerr << "sample_output: cannot write " << argv[1] << std::endl;
    status = 1;
  } else if (!PictureAndSaveWorksheet(form, QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]))) {
    std::cerr << "sample_output: the print preview was not pictured and saved" << std::endl;
    status = 1;
  }
  MaleForm = nullptr;
  FemaleForm = nullptr;
  return status;
}
