#pragma once
// The program's windows: one instance each, created at start-up, hidden but never
// destroyed until the program ends.

class TMainForm;
class TSplash;
class TMaleNeck;
class TMaleAbdomen;
class TFemHips;
class TFemWrist;
class TFemArm;
class TNavel;
class THistoryForm;

extern TMainForm* MainForm;
extern TSplash* Splash;
extern TMaleNeck* MaleNeck;
extern TMaleAbdomen* MaleAbdomen;
extern TFemHips* FemHips;
extern TFemWrist* FemWrist;
extern TFemArm* FemArm;
extern TNavel* Navel;
extern THistoryForm* HistoryForm;
