#pragma once
// What the worksheets print of the rules a unit applies after the weight screening: the date
// of the assessment (one-site worksheet), the note stating an exemption or a supplemental
// result (every worksheet), and the screening alone for a soldier exempt from the tape.

#include "entry/Assessment.h"
#include "worksheets/WorksheetTexts.h"

class TWorksheetForm;

// The date on the one-site worksheet: "2026-03-02"; empty for a date the calendar lacks.
QString AssessmentDateText(CalendarDate date);

// The note line: for an exempt soldier the exemption's sentence and that no tape was taken,
// for a supplemental result that decides its sentence; empty otherwise.
QString PolicyNoteText(const Assessment& assessment);

// Gives the worksheet's note label that text. An empty note leaves the label disabled, so
// that the page prints exactly as a worksheet without one.
void FillPolicyNote(TWorksheetForm& worksheet, const Assessment& assessment);

// The texts of an exempt soldier's worksheet: the identification block and the screening
// (maximum and actual weight) as given, every other label empty, as no tape was taken.
WorksheetTexts ScreeningOnly(WorksheetTexts texts);
