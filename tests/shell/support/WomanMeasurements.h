#pragma once
// Types the wizard tests' sample woman into the female measurement page: hips 40, forearm
// 10, neck 12 and wrist 6 inches in all three sets.

#include "shell/MainForm.h"
#include "shell/maskedit/MaskedEdit.h"

#include <QString>

#include <array>
#include <utility>

inline void EnterWomanMeasurements(TMainForm& form) {
  const std::pair<QString, std::array<TMaskedEdit*, 3>> columns[] = {
      {QStringLiteral("40.00"), {form.Hips1, form.Hips2, form.Hips3}},
      {QStringLiteral("10.00"), {form.Arm1, form.Arm2, form.Arm3}},
      {QStringLiteral("12.00"), {form.FNeck1, form.FNeck2, form.FNeck3}},
      {QStringLiteral("06.00"), {form.Wrist1, form.Wrist2, form.Wrist3}}};
  for (const auto& [value, fields] : columns)
    for (TMaskedEdit* field : fields) field->SetFieldText(value);
}
