// Keeps the main window inside the screen's work area once its frame is known. A window
// manager adds the frame (title bar, borders) only after the window is first shown, so the
// alignment done then counts no frame and leaves the window a title bar taller than the work
// area; this aligns it again, once, when the frame first shows up.
#pragma once

namespace vaneko::app {

class TForm1;

void RealignWhenFramed(TForm1* form);

}  // namespace vaneko::app
