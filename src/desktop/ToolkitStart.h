#pragma once
// Starting the toolkit where the display may be gone (DISPLAY names a server that is not there,
// a Wayland socket that closed): the toolkit would print a page of advice and abort. While a
// ToolkitStart lives, the platform's start-up remarks are held back, and a start that fails ends
// the process with exit code 2 and one line on standard error.

#include <QtGlobal>

class ToolkitStart {
public:
    ToolkitStart();
    ~ToolkitStart();
    ToolkitStart(const ToolkitStart&) = delete;
    ToolkitStart& operator=(const ToolkitStart&) = delete;

private:
    QtMessageHandler m_previous = nullptr;
};

// Standard input, output and error kept open before anything else opens a file: a program
// started with one of them closed would otherwise hand that number to the first file or socket
// it opens, and write its results there. A closed stream is opened on /dev/null the other way
// round, so that reading or writing it fails as it would have, and is reported.
void KeepStandardStreams();
