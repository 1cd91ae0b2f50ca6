#pragma once

// kelvane serve: the desk and its browser station without a window or a
// display, on a QCoreApplication. Returns the exit status: 0 once SIGTERM
// or SIGINT has stopped it, 2 for arguments it cannot take, 1 when the
// station cannot start.
int serveDesk(int argc, char** argv);
