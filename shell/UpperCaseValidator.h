#pragma once
// Turns letters to upper case as they are typed into a plain edit field.

#include <QValidator>

class UpperCaseValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override;
};
