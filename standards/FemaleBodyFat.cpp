#include "standards/BodyFatSteps.h"
#include "standards/Calculate.h"
#include "standards/TableLookup.h"
#include "standards/Tables.h"

std::optional<OutOfTable> ComputeFemaleBodyFat(TSoldierData& soldier) {
  TableLookups lookups;

  const double avgHips = AverageOfThree(soldier.Hips);
  const double avgWrist = AverageOfThree(soldier.Wrist);
  const double avgNeck = AverageOfThree(soldier.FNeck);
  const double avgArm = AverageOfThree(soldier.Arm);
  const double weightFactor = lookups.Pounds(TableB3, soldier.Weight);
  const double heightFactor = lookups.Quarter(TableB4, soldier.Height, "Height");
  const double hipFactor = lookups.Quarter(TableB5, avgHips, "Average hips");
  const double forearmFactor = lookups.Quarter(TableB6, avgArm, "Average forearm");
  const double neckFactor = lookups.Quarter(TableB7, avgNeck, "Average neck");
  const double wristFactor = lookups.Quarter(TableB8, avgWrist, "Average wrist");
  if (lookups.Outside()) return lookups.Outside();

  // Weight and hips on one side; height, forearm, neck and wrist summed left to right in
  // extended precision and rounded once on the other.
  const double weightAndHips = weightFactor + hipFactor;
  const long double extendedSum =
      static_cast<long double>(heightFactor) + forearmFactor + neckFactor + wristFactor;
  const double heightToWrist = static_cast<double>(extendedSum);

  soldier.AvgHips = avgHips;
  soldier.AvgWrist = avgWrist;
  soldier.AvgNeck = avgNeck;
  soldier.AvgArm = avgArm;
  soldier.WeightFactor = weightFactor;
  soldier.HeightFactor = heightFactor;
  soldier.HipFactor = hipFactor;
  soldier.ForearmFactor = forearmFactor;
  soldier.NeckFactor = neckFactor;
  soldier.WristFactor = wristFactor;
  soldier.BodyFat = weightAndHips - heightToWrist;
  soldier.MaxBodyFat = StandardTable.At(BodyFatBracket(soldier.Age)).Women;
  return std::nullopt;
}
