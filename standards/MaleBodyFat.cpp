#include "standards/BodyFatSteps.h"
#include "standards/Calculate.h"
#include "standards/TableLookup.h"
#include "standards/Tables.h"

std::optional<OutOfTable> ComputeMaleBodyFat(TSoldierData& soldier) {
  TableLookups lookups;

  const double avgWaist = AverageOfThree(soldier.Waist);
  const double avgNeck = AverageOfThree(soldier.MNeck);
  const double abdomenMinusNeck = avgWaist - avgNeck;
  const double abdNeckFactor = lookups.Quarter(TableB1, abdomenMinusNeck, "Abdomen minus neck");
  const double heightFactor = lookups.Quarter(TableB2, RoundToQuarter(soldier.Height), "Height");
  if (lookups.Outside()) return lookups.Outside();

  soldier.AvgWaist = avgWaist;
  soldier.AvgNeck = avgNeck;
  soldier.AbdNeckFactor = abdNeckFactor;
  soldier.HeightFactor = heightFactor;
  soldier.BodyFat = abdNeckFactor - heightFactor;
  soldier.MaxBodyFat = StandardTable.At(BodyFatBracket(soldier.Age)).Men;
  return std::nullopt;
}
