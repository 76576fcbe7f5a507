#pragma once
// A window of ours that a capture is to show, such as the screen check's chart: it stays on the
// screen while the screen is captured (LeavesForCapture is false for it), where every other
// window of ours leaves.

// The property that keeps a window on the screen, set true: window->setProperty(...).
inline constexpr char kStaysForCapture[] = "huemarkStaysForCapture";

// Waits until the X server has carried out every request the toolkit has sent it, the drawing
// of such a window included; at once where the toolkit does not run on X11.
void WaitForX11Server();
