#pragma once
// The program's version information and the About message made from it.

#include <QString>

struct VersionInfo {
    QString productName;
    int major = 0;
    int minor = 0;
    int revision = 0;
    QString fileDescription;
    QString legalNotice;
    QString webAddress;
};

// This program's version information, as the build's project definition gives it.
VersionInfo ProgramVersion();

// The desktop's name for the program: its desktop entry (without ".desktop"), icons and Wayland
// app id.
QString DesktopName();

// "1.4.12"
QString VersionText(const VersionInfo& v);

// Five lines joined by a bare carriage return: the name with version and build, the platform
// line, the description, the legal notice, and where to get updates.
QString AboutMessage(const VersionInfo& v);

// "About " and the product name.
QString AboutCaption(const VersionInfo& v);
