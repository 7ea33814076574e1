#pragma once
// A request of another X client naming a window that is gone, as SDL's wake-up event can arrive after the
// window it is sent to was destroyed: the server answers it with an error to this process.

/// Over a connection of its own (DISPLAY): makes a window, destroys it, sends it a client message and
/// waits for the server's answer, which this process's X error handler receives. False without a server.
bool SendToAGoneWindow();
