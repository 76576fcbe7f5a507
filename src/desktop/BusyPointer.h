#pragma once
// The application's busy pointer (arrow and hourglass) while a long piece of work runs: shown at
// once, and restored when the guard ends, on every path.

class BusyPointer {
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
    // Restores the pointer before the guard ends (before a message box, say).
    void end();

private:
    bool m_shown = false;
};
