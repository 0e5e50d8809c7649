#pragma once
// Made-up assessments for the records' tests, filled as the wizard fills them.

#include "records/AssessmentRecord.h"

// A man assessed by the multi-site tape: every field set, the body fat and the verdict
// as given (within when the body fat is not above 26.00).
AssessmentRecord MultiSiteMan(const QString& name, const QString& ssan, QDate date, int weight, double bodyFat);
// A woman by the multi-site tape, the four sets filled.
AssessmentRecord MultiSiteWoman(const QString& name, const QString& ssan, QDate date, int weight, double bodyFat);
// A man by the one-site tape with a fourth measurement, the second set aside, a whole
// percent of body fat (maximum 26).
AssessmentRecord OneSiteMan(const QString& name, const QString& ssan, QDate date, int weight, int bodyFat);
// The record with an exemption and a supplemental result (whose verdict is the final one).
AssessmentRecord WithExemptionAndSupplemental(AssessmentRecord record, bool exempt, int supplementalTenths);
