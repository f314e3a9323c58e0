#pragma once

class TSkinCanvas;

// The equalizer's face "main" with its curve display, DSP list well and the
// slider bed with printed band names.
void PaintEqualizerAreas(TSkinCanvas& canvas);

// The tray controller's two panels, "trayinfo" and "trayctrl".
void PaintTrayAreas(TSkinCanvas& canvas);
