// Ending the program gracefully however it is asked to end: a termination
// signal (logout, kill), the window destroyed by another client, or Alt+F4
// where no window manager handles it. Each closes the window the ordinary
// way, so that the settings are saved and the exit status is 0.
#pragma once

namespace nodri::qt {

class FormWindow;

void CloseGracefullyOnRequest(FormWindow& window);

}  // namespace nodri::qt
