#include "shell/AppWindows.h"

TMainForm* MainForm = nullptr;
TSplash* Splash = nullptr;
TMaleNeck* MaleNeck = nullptr;
TMaleAbdomen* MaleAbdomen = nullptr;
TFemHips* FemHips = nullptr;
TFemWrist* FemWrist = nullptr;
TFemArm* FemArm = nullptr;
TNavel* Navel = nullptr;
THistoryForm* HistoryForm = nullptr;
