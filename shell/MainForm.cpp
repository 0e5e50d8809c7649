// The main window's frame, button bar and the wizard's page changes.

#include "shell/MainForm.h"

#include "shell/BevelPanel.h"
#include "shell/Controls.h"
#include "shell/Glyphs.h"
#include "shell/maskedit/MaskedEdit.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QToolButton>

namespace {

constexpr QSize kClientSize(295, 222);
constexpr QRect kPageGeometry(2, 2, 291, 185);

QToolButton* NewArrowButton(QWidget* parent, const QString& glyph, QPoint pos) {
  auto* button = new QToolButton(parent);
  button->setGeometry(QRect(pos, QSize(25, 25)));
  button->setIcon(GlyphIcon(glyph));
  button->setIconSize(QSize(16, 16));
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

TMainForm::TMainForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QStringLiteral("MainForm"));
  BuildMethodMenu();
  BuildAssessmentMenu();
  BuildRecordsMenu();
  BuildFrame();
  BuildMainPage();
  BuildMalePage();
  BuildFemalePage();
  BuildOneSitePage();
  BuildResultsPage();
  BuildButtonBar();
  SetTabOrder();
  ConnectHandlers();
  // Enter presses the focused push button as Space does; Qt leaves that to dialogs.
  for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(true);
  for (TBevelPanel* page : {MalePanel, FemalePanel, OneSitePanel, ResultsPanel}) page->hide();
  Name->setFocus();
}

void TMainForm::BuildFrame() {
  setWindowTitle(QStringLiteral("Corvane 32"));
  setWindowIcon(ProgramIcon());
  // The pages' frame keeps its size below the menu bar.
  const int menuHeight = MenuBar->sizeHint().height();
  MenuBar->setGeometry(0, 0, kClientSize.width(), menuHeight);
  setFixedSize(kClientSize + QSize(0, menuHeight));
  setFont(PixelFont(QStringLiteral("MS Sans Serif"), 12));
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Button);
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  move(screen.center() - QPoint(width() / 2, height() / 2));

  auto* frame = NewLoweredPanel(this, QRect(QPoint(0, menuHeight), kClientSize));
  MainPanel = NewLoweredPanel(frame, kPageGeometry);
  MalePanel = NewLoweredPanel(frame, kPageGeometry);
  FemalePanel = NewLoweredPanel(frame, kPageGeometry);
  OneSitePanel = NewLoweredPanel(frame, kPageGeometry);
  ResultsPanel = NewLoweredPanel(frame, kPageGeometry);
  ButtonPanel = NewLoweredPanel(frame, QRect(2, 187, 291, 33));
  MainPanel->setObjectName(QStringLiteral("MainPanel"));
  MalePanel->setObjectName(QStringLiteral("MalePanel"));
  FemalePanel->setObjectName(QStringLiteral("FemalePanel"));
  OneSitePanel->setObjectName(QStringLiteral("OneSitePanel"));
  ResultsPanel->setObjectName(QStringLiteral("ResultsPanel"));
  ButtonPanel->setObjectName(QStringLiteral("ButtonPanel"));
}

void TMainForm::BuildButtonBar() {
  Previous = NewArrowButton(ButtonPanel, QStringLiteral("arrow-left"), QPoint(4, 4));
  Previous->setObjectName(QStringLiteral("Previous"));
  Previous->setEnabled(false);

  Quit = new QPushButton(GlyphIcon(QStringLiteral("close")), QStringLiteral("Quit"), ButtonPanel);
  Quit->setObjectName(QStringLiteral("Quit"));
  Quit->setGeometry(105, 4, 75, 25);

  Next = NewArrowButton(ButtonPanel, QStringLiteral("arrow-right"), QPoint(256, 4));
  Next->setObjectName(QStringLiteral("Next"));
}

// Tab runs through the fields of the visible page, then Quit, then back to the first
// field; the hidden pages' controls are skipped.
void TMainForm::SetTabOrder() {
  QWidget* const chain[] = {Name,   Rank,   SSANumber, Age,    Weight,  Height, SexMale, SexFemale, ScreenButton,
                            MNeck1, Waist1, MNeck2,    Waist2, MNeck3,  Waist3, Hips1,   Arm1,      FNeck1,
                            Wrist1, Hips2,  Arm2,      FNeck2, Wrist2,  Hips3,  Arm3,    FNeck3,    Wrist3,
                            Abdomen1, Abdomen2, Abdomen3, Abdomen4, PrintButton, Quit};
  for (std::size_t i = 1; i < std::size(chain); ++i)
    QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void TMainForm::ConnectHandlers() {
  connect(Next, &QToolButton::clicked, this, &TMainForm::NextClick);
  connect(Previous, &QToolButton::clicked, this, &TMainForm::PreviousClick);
  connect(Quit, &QPushButton::clicked, this, &TMainForm::QuitClick);
  connect(ScreenButton, &QPushButton::clicked, this, &TMainForm::ScreenButtonClick);
  connect(Age, &TMaskedEdit::Exited, this, &TMainForm::AgeExit);
  connect(Weight, &TMaskedEdit::Exited, this, &TMainForm::WeightExit);
  connect(Height, &TMaskedEdit::Exited, this, &TMainForm::HeightExit);
  connect(MaleNeckPic, &QPushButton::clicked, this, &TMainForm::MaleNeckPicClick);
  connect(MaleWaistPic, &QPushButton::clicked, this, &TMainForm::MaleWaistPicClick);
  connect(Hips, &QPushButton::clicked, this, &TMainForm::HipsClick);
  connect(Forearm, &QPushButton::clicked, this, &TMainForm::ForearmClick);
  connect(FNeck, &QPushButton::clicked, this, &TMainForm::FNeckClick);
  connect(Wrist, &QPushButton::clicked, this, &TMainForm::WristClick);
  connect(NavelPic, &QPushButton::clicked, this, &TMainForm::NavelPicClick);
  for (TMaskedEdit* field : {Abdomen1, Abdomen2, Abdomen3})
    connect(field, &QLineEdit::textChanged, this, &TMainForm::UpdateFourthMeasurement);
  connect(OneSiteAction, &QAction::triggered, this, [this] { SetMethod(TapeMethod::OneSite); });
  connect(MultiSiteAction, &QAction::triggered, this, [this] { SetMethod(TapeMethod::MultiSite); });
  connect(PrintButton, &QPushButton::clicked, this, &TMainForm::PrintButtonClick);
  connect(PolicyAction, &QAction::triggered, this, &TMainForm::PolicyActionClick);
  connect(SupplementalAction, &QAction::triggered, this, &TMainForm::SupplementalActionClick);
  connect(SaveAssessmentAction, &QAction::triggered, this, &TMainForm::SaveAssessmentActionClick);
  connect(HistoryAction, &QAction::triggered, this, &TMainForm::HistoryActionClick);
}

void TMainForm::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) FormShow();
  QWidget::showEvent(event);
}

void TMainForm::closeEvent(QCloseEvent* event) {
  event->accept();
  emit Closed();
}

void TMainForm::FormShow() {
  MainPanel->show();
  for (TBevelPanel* page : {MalePanel, FemalePanel, OneSitePanel, ResultsPanel}) page->hide();
}

QString TMainForm::SelectedSex() const { return SexFemale->isChecked() ? FemaleItem : MaleItem; }

TBevelPanel* TMainForm::VisiblePage() const {
  for (TBevelPanel* page : {MainPanel, MalePanel, FemalePanel, OneSitePanel}) {
    if (!page->isHidden()) return page;
  }
  return ResultsPanel;
}

TBevelPanel* TMainForm::MeasurementPage() const {
  if (method_ == TapeMethod::OneSite) return OneSitePanel;
  return SelectedSex() == FemaleItem ? FemalePanel : MalePanel;
}

bool TMainForm::ShowPage(TBevelPanel* page, bool nextEnabled, bool previousEnabled) {
  TBevelPanel* leaving = VisiblePage();
  if (QWidget* editing = focusWidget(); editing != nullptr && leaving->isAncestorOf(editing)) {
    // Hiding the page would leave the field with the focus behind it. Clearing the focus
    // first runs the field's exit processing while its page is still on screen; a check
    // that refuses the value takes the focus back and the wizard stays where it is.
    editing->clearFocus();
    if (QWidget* refused = focusWidget(); refused != nullptr && leaving->isAncestorOf(refused)) return false;
  }
  page->show();
  for (TBevelPanel* other : {MainPanel, MalePanel, FemalePanel, OneSitePanel, ResultsPanel}) {
    if (other != page) other->hide();
  }
  Next->setEnabled(nextEnabled);
  Previous->setEnabled(previousEnabled);
  SupplementalAction->setEnabled(page == ResultsPanel && assessment_ && assessment_->TakesSupplemental());
  SaveAssessmentAction->setEnabled(page == ResultsPanel && assessment_);
  return true;
}

void TMainForm::NextClick() {
  TBevelPanel* page = VisiblePage();
  if (page == MainPanel) {
    if (!CollectMainPage()) return;
    // An exempt soldier is not taped: the wizard goes straight to the results.
    const bool exempt = collectedExemption_ && collectedExemption_->exempt;
    if (exempt) ShowExemptResults();
    if (ShowPage(exempt ? ResultsPanel : MeasurementPage(), !exempt, true)) SetLabelText(Screening, QString());
  } else if (page == MalePanel) {
    if (ShowMaleResults()) ShowPage(ResultsPanel, false, true);
  } else if (page == FemalePanel) {
    if (ShowFemaleResults()) ShowPage(ResultsPanel, false, true);
  } else if (page == OneSitePanel) {
    if (ShowOneSiteResults()) ShowPage(ResultsPanel, false, true);
  }
}

void TMainForm::PreviousClick() {
  TBevelPanel* page = VisiblePage();
  if (page == ResultsPanel) {
    // An exempt soldier came to the results from the data page.
    if (assessment_ && assessment_->Exempt()) {
      ShowPage(MainPanel, true, false);
    } else {
      ShowPage(MeasurementPage(), true, true);
    }
  } else if (page == MalePanel || page == FemalePanel || page == OneSitePanel) {
    ShowPage(MainPanel, true, false);
  }
}

void TMainForm::QuitClick() { close(); }
