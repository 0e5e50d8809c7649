#pragma once
// The worksheets of a roster in one document on an output device: each accepted soldier's
// worksheet filled and marked as Print Form fills it, its page appended after the others.
// Memory stays flat however long the roster: on the page-store destination the store moves
// to its temporary file as it grows, and on the PDF file destination each page is drawn
// straight into the file.

#include "worksheets/DA5500.h"
#include "worksheets/DA5501.h"
#include "worksheets/OneSiteWorksheet.h"

#include <QString>

class TTsPrinter;
struct Assessment;

class WorksheetDocument {
 public:
  // The document's title names the roster it comes from.
  WorksheetDocument(TTsPrinter& device, const QString& title);

  // Appends the worksheet of an accepted soldier's assessment; the first one begins the
  // document.
  void Append(const Assessment& soldier);
  // Ends the document; a roster without an accepted soldier leaves the device untouched.
  // Throws OutputFileError when the device's PDF file cannot be written.
  void Finish();
  // Gives the document up: a PDF file being drawn is not written.
  void Abandon();

 private:
  TTsPrinter& device_;
  QString title_;
  TMaleForm male_;
  TFemaleForm female_;
  TOneSiteForm oneSite_;
  bool begun_ = false;
};
