#pragma once
void ShowHigh();
