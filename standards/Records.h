#pragma once
// The record of one soldier: what the operator typed and what the computations derived
// from it.

#include <array>
#include <cstdint>

struct TSoldierData {
  // Identity and body, written when the data page is collected.
  std::array<char, 26> Name{};  // up to 25 characters plus terminator
  std::array<char, 12> SSAN{};  // "000-00-0000" plus terminator
  std::array<char, 8> Rank{};   // the entry field takes at most 3 characters
  double Height = 0;            // inches, on a quarter inch
  int32_t Weight = 0;           // whole pounds
  int32_t Age = 0;              // whole years

  // Male measurement set.
  std::array<double, 3> Waist{};
  std::array<double, 3> MNeck{};

  // Female measurement set.
  std::array<double, 3> Hips{};
  std::array<double, 3> Arm{};
  std::array<double, 3> FNeck{};
  std::array<double, 3> Wrist{};

  // Results.
  double AbdNeckFactor = 0;
  double HeightFactor = 0;
  double HipFactor = 0;
  double ForearmFactor = 0;
  double NeckFactor = 0;
  double WeightFactor = 0;
  double WristFactor = 0;
  double BodyFat = 0;
  double MaxBodyFat = 0;
  int32_t MaxWeight = 0;
  double AvgWaist = 0;
  double AvgArm = 0;
  double AvgWrist = 0;
  double AvgHips = 0;
  double AvgNeck = 0;
};

enum class Sex { Male, Female };
