// Roster values typed into the wizard's masked fields the way an operator makes them read
// as the number meant.

#include "roster/FieldEntry.h"

#include <gtest/gtest.h>

namespace {

struct Entry {
  MaskFormat format;
  const char* value;
  std::optional<const char*> fieldText;  // nothing: the field cannot hold the value
};

const Entry kEntries[] = {
    {MaskFormat::Ssan, "123-45-6789", "123-45-6789"},
    {MaskFormat::Ssan, "123456789", "123-45-6789"},
    {MaskFormat::Ssan, "", "   -  -    "},  // untouched, as the wizard allows
    {MaskFormat::Ssan, "12345678", std::nullopt},
    {MaskFormat::Ssan, "1234-5-6789", std::nullopt},
    {MaskFormat::TwoDigit, "7", "07"},  // both cells are required
    {MaskFormat::TwoDigit, "42", "42"},
    {MaskFormat::TwoDigit, "", "  "},
    {MaskFormat::TwoDigit, "100", std::nullopt},
    {MaskFormat::ThreeDigit, "95", " 95"},  // in the last cells, where it reads as 95
    {MaskFormat::ThreeDigit, "000", "000"},
    {MaskFormat::ThreeDigit, "1000", std::nullopt},
    {MaskFormat::Decimal, "72", "72.  "},
    {MaskFormat::Decimal, "5.5", " 5.5 "},
    {MaskFormat::Decimal, "68.25", "68.25"},
    {MaskFormat::Decimal, ".75", "  .75"},
    {MaskFormat::Decimal, "", "  .  "},
    {MaskFormat::Decimal, "15..5", std::nullopt},
    {MaskFormat::Decimal, "1.2.3", std::nullopt},
    {MaskFormat::Decimal, "100", std::nullopt},
    {MaskFormat::Decimal, "15.255", std::nullopt},
    {MaskFormat::Decimal, "-5", std::nullopt},
    {MaskFormat::Decimal, "1e1", std::nullopt},
    {MaskFormat::Decimal, "\xD9\xA7", std::nullopt},  // an Arabic-Indic seven: not a field digit
};

}  // namespace

TEST(FieldEntry, ValuesGoWhereAnOperatorPutsThem) {
  for (const Entry& entry : kEntries) {
    const std::optional<QString> text = EnterIntoField(entry.format, QString::fromUtf8(entry.value));
    if (entry.fieldText)
      EXPECT_EQ(text, QString::fromUtf8(*entry.fieldText)) << entry.value;
    else
      EXPECT_EQ(text, std::nullopt) << entry.value;
  }
}
