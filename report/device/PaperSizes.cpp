#include "report/device/PaperSizes.h"

#include <array>

namespace {

// Indexed by the paper size's position in TTsPaperSize, Letter (1) to ESheet (26).
constexpr std::array<PaperMillimetres, 26> kFixedSizes = {{
    {215.9, 279.4}, {215.9, 279.4}, {279.4, 431.8}, {431.8, 279.4}, {215.9, 355.6},
    {139.7, 215.9}, {190.5, 254.0}, {297.0, 420.0}, {210.0, 297.0}, {210.0, 297.0},
    {148.0, 210.0}, {250.0, 354.0}, {182.0, 257.0}, {215.9, 330.2}, {215.0, 275.0},
    {254.0, 355.6}, {279.4, 431.8}, {215.9, 279.0}, {98.43, 225.4}, {104.8, 241.3},
    {114.3, 263.5}, {101.6, 279.4}, {127.0, 292.1}, {100.0, 100.0}, {100.0, 100.0},
    {100.0, 100.0},
}};

constexpr std::array<int, 14> kBinCodes = {1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 14, 14};

}  // namespace

std::optional<PaperMillimetres> PaperSizeMillimetres(TTsPaperSize paper) {
  const int code = static_cast<int>(paper);
  if (code < 1 || code > 26) return std::nullopt;
  return kFixedSizes[static_cast<size_t>(code - 1)];
}

int PaperCode(TTsPaperSize paper) {
  if (paper == TTsPaperSize::Custom) return 256;
  return static_cast<int>(paper);  // Default is 0, the fixed sizes 1..26
}

int BinCode(TTsBin bin) { return kBinCodes[static_cast<size_t>(bin)]; }
