#pragma once
// Paper sizes, orientations and output bins known to the report engine, with the
// fixed portrait sizes and the printer codes each one is sent as.

#include <optional>

enum class TTsPaperSize {
  Default, Letter, LetterSmall, Tabloid, Ledger, Legal, Statement, Executive, A3, A4,
  A4Small, A5, B4, B5, Folio, Quarto, ts10X14, ts11X17, Note, Env9, Env10, Env11, Env12,
  Env14, CSheet, DSheet, ESheet, Custom
};

enum class TTsOrientation { poPortrait, poLandscape };

enum class TTsBin {
  First, Upper, Lower, Middle, Manual, Envelope, EnvManual, Auto, Tractor, SmallFormat,
  LargeFormat, LargeCapacity, Cassette, Last
};

struct PaperMillimetres {
  double width;
  double length;
};

// Portrait size of the papers with a fixed size (codes 1 to 26); empty for Default and Custom.
std::optional<PaperMillimetres> PaperSizeMillimetres(TTsPaperSize paper);

// The printer's paper code: 1..26 for the fixed sizes, 256 for Custom, 0 (none) for Default.
int PaperCode(TTsPaperSize paper);

// The printer's bin code of an output bin.
int BinCode(TTsBin bin);
