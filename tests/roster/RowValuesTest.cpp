// Row values as spreadsheet users write them: the tape method in any spelling, and the
// refusal of a value its field cannot hold, which tells what the column takes.

#include "roster/RosterColumns.h"
#include "roster/SoldierRow.h"
#include "roster/WrittenNames.h"
#include "standards/Calculate.h"
#include "tests/roster/RowOfValues.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

const QString kHeader = QStringLiteral("name,rank,ssan,sex,age,weight,height,method,neck1,neck2,neck3,"
                                       "abdomen1,abdomen2,abdomen3,abdomen4");

// The row, as comma-separated values under kHeader.
SoldierRow Evaluate(const QString& values) {
  return EvaluateRow(RosterHeader(kHeader.split(u',')), values.split(u','));
}

class RowValues : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { LoadTables(QCoreApplication::applicationDirPath().toStdString()); }
};

}  // namespace

TEST_F(RowValues, TheMethodIsReadInAnySpellingOfItsName) {
  const struct {
    const char* written;
    const char* method;  // as the results write it
  } spellings[] = {
      {"one-site", "one-site"},     {"One Site", "one-site"},     {"one_site", "one-site"},
      {"ONESITE", "one-site"},      {" One - Site ", "one-site"}, {"one\u2013site", "one-site"},
      {"multi-site", "multi-site"}, {"Multi Site", "multi-site"}, {"multisite", "multi-site"},
      {"MULTI_SITE", "multi-site"}, {"", "multi-site"},
  };
  for (const auto& [written, method] : spellings) {
    const SoldierRow row =
        Evaluate(QStringLiteral("DOE,SGT,123-45-6789,Male,27,190,71,%1,15.5,15.5,15.5,36,36.5,36.5,")
                     .arg(QString::fromUtf8(written)));
    EXPECT_EQ(RefusalOf(row), "accepted") << written;
    EXPECT_EQ(row.method, QString::fromLatin1(method)) << written;
    EXPECT_EQ(row.assessment && row.assessment->oneSite.has_value(), std::string_view(method) == "one-site")
        << written;
  }
  for (const char* other : {"tape", "one", "site", "one-sited", "two-site", "-", "one site multi site"}) {
    const SoldierRow row =
        Evaluate(QStringLiteral("DOE,SGT,123-45-6789,Male,27,190,71,%1,15.5,15.5,15.5,36,36.5,36.5,").arg(other));
    EXPECT_EQ(RefusalOf(row), "method: The method is one-site or multi-site.") << other;
    EXPECT_EQ(row.method, QString::fromLatin1(other)) << other;  // as written, in the results
  }
  EXPECT_EQ(TapeMethodWritten(QStringLiteral("Multi Site (tape)")), std::nullopt);
}

TEST_F(RowValues, AValueItsFieldCannotHoldIsRefusedWithWhatTheColumnTakes) {
  const QString good = QStringLiteral("DOE,SGT,123-45-6789,Male,27,190,71,one-site,,,,36,36.5,36.5,");
  const auto with = [&good](int column, const QString& value) {
    QStringList values = good.split(u',');
    values[column] = value;
    return RefusalOf(Evaluate(values.join(u',')));
  };
  ASSERT_EQ(RefusalOf(Evaluate(good)), "accepted");
  const std::string invalid = "Invalid input value. ";
  EXPECT_EQ(with(0, QString(32768, u'N')), "name: " + invalid + "(at most 32767 characters)");
  EXPECT_EQ(with(1, "SGTX"), "rank: " + invalid + "(at most 3 characters)");
  EXPECT_EQ(with(2, "123-45-678"), "ssan: " + invalid + "(nine digits such as 123-45-6789)");
  EXPECT_EQ(with(2, "1234567890"), "ssan: " + invalid + "(nine digits such as 123-45-6789)");
  // An SSAN stored as a number loses its leading zeros: 012-34-5678 is 12345678.
  EXPECT_EQ(with(2, "12345678"),
            "ssan: " + invalid + "(nine digits such as 123-45-6789; the spreadsheet may have dropped a leading zero)");
  EXPECT_EQ(with(2, "1234567"),
            "ssan: " + invalid + "(nine digits such as 123-45-6789; the spreadsheet may have dropped two leading "
                                 "zeros)");
  EXPECT_EQ(with(2, "1234-5678"), "ssan: " + invalid + "(nine digits such as 123-45-6789)");
  EXPECT_EQ(with(3, "X"), "sex: " + invalid + "(male or female (m or f))");
  EXPECT_EQ(with(4, "27.5"), "age: " + invalid + "(a whole number of years)");
  EXPECT_EQ(with(5, "190 lbs"), "weight: " + invalid + "(a whole number of pounds)");
  EXPECT_EQ(with(6, "5'11"), "height: " + invalid + "(a number of inches such as 34.25)");
  EXPECT_EQ(with(12, "36..5"), "abdomen2: " + invalid + "(a number of inches such as 34.25)");

  // The wizard's other messages are its own, without a hint.
  EXPECT_EQ(with(4, "7"), "age: Age is outside this application's range!");
  EXPECT_EQ(with(11, "0"), "abdomen1: This is a required Field!");
}
