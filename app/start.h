#pragma once
// Program start: the locale, Qt's Swedish texts and the windows in their
// fixed order. Used by main and by tests that run the whole program.
class TForm1;

// Creates every window in order and returns the main window (not yet
// shown), or nullptr when start-up cannot go on (the user has been told why).
TForm1* Starta();

// Deletes every window and resets the shared state, so that a test can start
// the program again in the same process.
void Avsluta();
