// The process entry: runs the start-up chain inside its guard (an escaping error is shown in an
// "Error" box and ends the process with status -1).
#include "ApplicationMain.h"

int main() { return game::ApplicationMain::runGuarded(); }
