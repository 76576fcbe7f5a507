#pragma once
// `huemark --check-screen`: for every monitor, its colour profile, its gamma ramps, and a chart
// of known patches shown on it and captured back through the screen pick's own capture, with a
// verdict. X11 only so far; elsewhere it says it cannot check.

#include "screencheck/Report.h"

#include <QList>

class ScreenCaptureService;
class ScreenColorSource;

// Shows the chart on every monitor the toolkit knows, captures the screen with capture once
// every chart is drawn, and reads each monitor's profile and ramps from colors. The toolkit must
// be running.
QList<MonitorReport> CheckScreens(ScreenCaptureService& capture, ScreenColorSource& colors);

// argc and argv as the toolkit is to see them. The exit code: 0 when every monitor's capture is
// exact, 1 when one is not, 2 when the screen cannot be checked here.
int RunCheckScreen(int argc, char* argv[], bool json);
