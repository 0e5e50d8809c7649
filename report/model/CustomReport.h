#pragma once
// A banded report: page geometry, printer settings, bands and printable items, and the
// generation pass that draws its pages on an output device.

#include "report/model/ReportPrinterSettings.h"
#include "report/model/TsController.h"
#include "report/model/TsFont.h"
#include "report/model/TsFrame.h"
#include "report/model/TsPage.h"
#include "report/model/TsReferenceContext.h"

#include <QMap>
#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class TTsBand;
class TTsComponent;
class TTsLabel;
class TTsPrintable;
class TTsPrinter;
class TTsShape;
enum class TTsBandType;

struct TTsReportOptions {
  bool FirstPageHeader = true;
  bool LastPageFooter = true;
  bool Compression = false;
};

class TCustomReport : public QObject {
  Q_OBJECT
 public:
  explicit TCustomReport(QObject* parent = nullptr);
  ~TCustomReport() override;

  // --- layout ---
  TTsPage& Page() { return m_page; }
  const TTsPage& Page() const { return m_page; }
  TReportPrinterSettings PrinterSettings;
  TTsReportOptions Options;
  TTsFrame Frame;
  bool PrintIfEmpty = true;
  bool ShowProgress = true;
  bool SnapToGrid = true;  // a design aid only
  QString ReportTitle;
  // The name of print jobs when the report has no title, so that its jobs can be told
  // apart in a shared print queue.
  QString PrintJobName;
  QString JobName() const { return ReportTitle.isEmpty() ? PrintJobName : ReportTitle; }
  QStringList Description;  // not printed
  // Named report variables; generation keeps PAGENUMBER, COLUMNNUMBER and REPORTTITLE
  // equal to the current page, column and title.
  QMap<QString, QString> Functions;

  // The unit of the page and of every band and item of the report.
  TTsUnit Units() const { return m_units; }
  virtual void SetUnits(TTsUnit units);
  // Scales the pixel bounds of every band and item and the pixel measurements of labels.
  int Zoom() const { return m_zoom; }
  void SetZoom(int zoom);
  const TTsFont& Font() const { return m_font; }
  void SetFont(const TTsFont& font);

  // --- children, in the order they are added; names are unique (std::invalid_argument) ---
  TTsBand& AddBand(const QString& name, TTsBandType bandType);
  // A null band places the item directly on the report.
  TTsLabel& AddLabel(const QString& name, TTsBand* band = nullptr);
  TTsShape& AddShape(const QString& name, TTsBand* band = nullptr);
  TTsComponent* FindComponent(const QString& name) const;
  TTsLabel* FindLabel(const QString& name) const;
  TTsBand* FindBand(const QString& name) const;
  TTsShape* FindShape(const QString& name) const;
  const std::vector<TTsBand*>& Bands() const { return m_bands; }
  // The items placed directly on the report.
  const std::vector<TTsPrintable*>& Items() const { return m_items; }
  // The first band of a type, or null.
  TTsBand* BandOfType(TTsBandType bandType) const;

  // While a layout loads, bounds are only remembered and nothing is formatted;
  // EndLoading applies the loading rule to every component.
  void BeginLoading() { m_loading = true; }
  void EndLoading();
  bool IsLoading() const { return m_loading; }

  const TTsReferenceContext& ReferenceContext() const { return m_referenceContext; }

  // --- event hooks (all optional) ---
  std::function<void(TCustomReport&, bool& print)> BeforePrint;  // may veto a pass
  std::function<void()> AfterPrint;
  // The hooks of the print preview (report/preview), which shows the report in a window
  // of its own: AfterPreview runs when that window has closed, and OnPreview, when set,
  // is called instead of opening it.
  std::function<void()> AfterPreview;
  std::function<void()> OnPreview;
  // Runs when the preview has saved the report's pages to a file (a page file or a PDF).
  std::function<void()> AfterSave;
  std::function<void(TCustomReport&)> OnStartPage;
  std::function<void(TCustomReport&)> OnEndPage;

  // --- generation ---
  // The current output device (none between previews).
  TTsPrinter* Device() const { return m_device.get(); }
  void SetDevice(std::unique_ptr<TTsPrinter> device);
  std::unique_ptr<TTsPrinter> TakeDevice();
  // A fresh device whose after-preview-closed, after-print and after-save hooks run
  // AfterPreview, AfterPrint and AfterSave.
  std::unique_ptr<TTsPrinter> NewDevice() const;

  // One generation pass on the current device (TsPrintError "Printer not ready" without
  // one). An error during the pass still ends the document and is then rethrown.
  virtual void CreateReport();
  // One generation pass on the given device.
  void CreateReportOn(TTsPrinter& device);
  // Several passes, of this report or of others, in one document: BeginDocumentOn copies the
  // report's paper and printer settings to the device and begins its document;
  // AppendPassTo generates one pass whose pages follow those already in the open document
  // (TsPrintError "Printer not ready" when none is open), and leaves it open. The caller
  // ends the document with the device's EndDoc (or AbortDoc).
  void BeginDocumentOn(TTsPrinter& device);
  void AppendPassTo(TTsPrinter& device);
  // The controller's printing of the report's bands.
  virtual void Execute();

  void NewPage();
  void EndPage();
  void NewColumn();
  void PrintBand(TTsBand& band);
  // Native space left on the page above the page footers; 0 outside a page.
  long double AvailableSpace() const;

  // True when no pass is running.
  bool Available() const { return m_available; }
  bool Cancelled() const;
  // Cancels the running pass (its device is cancelled too).
  void CancelPass();
  int PageCount() const { return m_pageCount; }
  long double CurrentX() const { return m_currentX; }
  long double CurrentY() const { return m_currentY; }

 private:
  template <typename T>
  T& AddComponent(std::unique_ptr<T> component);
  template <typename T>
  T* FindAs(const QString& name) const;
  void CheckMargins();
  void CopySettingsTo(TTsPrinter& device) const;
  // A pass on its own document (begun and ended with it) or appended to an open one.
  enum class PassDocument { Own, Open };
  void GeneratePass(TTsPrinter& device, PassDocument document);
  void RunPass(TTsPrinter& device, PassDocument document);
  void ForEachPrintable(const std::function<void(TTsPrintable&)>& action);
  void MakeSpace(const TTsBand& band);
  void PrintBandContents(TTsBand& band);
  long double PaperLength() const;
  long double PageValue(TTsPage::Index index) const { return m_page.Native(index); }

  TTsPage m_page;
  TTsUnit m_units;
  int m_zoom = 100;
  TTsFont m_font;
  bool m_loading = false;
  TTsReferenceContext m_referenceContext;
  TTsController m_controller;
  std::vector<std::unique_ptr<TTsComponent>> m_components;
  std::vector<TTsBand*> m_bands;
  std::vector<TTsPrintable*> m_items;
  std::unique_ptr<TTsPrinter> m_device;

  // Generation state.
  TTsPrinter* m_passDevice = nullptr;
  bool m_available = true;
  bool m_cancelled = false;
  bool m_lastPage = false;
  bool m_headerJustPrinted = false;  // a forced new page or column right after it is skipped
  long double m_currentX = 0;
  long double m_currentY = -1;
  long double m_columnTop = 0;
  long double m_pageFooterSize = 0;
  int m_currentColumn = 1;
  int m_pageCount = 0;
};
