#pragma once
// What `huemark --check-screen` says of each monitor: its place, its profile, its gamma ramps and
// the capture's comparison with the chart, with the one-line verdict; as text or as JSON.

#include "screencheck/Comparison.h"
#include "screencheck/ProfileSummary.h"
#include "screencheck/Ramps.h"

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QString>
#include <optional>

struct MonitorReport {
    QString name;
    QRect devicePixels; // its place on the desktop and its size, in device pixels
    double scale = 1;   // device pixels per logical pixel
    int depth = 24;     // bits a pixel the window system keeps for it
    ProfileSummary profile;
    QString profilePlace; // where the profile is published
    RampSummary ramps;
    QString rampPlace;
    std::optional<CaptureComparison> capture; // nothing when the capture failed (captureError)
    QString captureError;

    bool exact() const { return capture && capture->exact; }
};

// "exact", or what differs, then what the user sees differs by.
QString Verdict(const MonitorReport& monitor);
// Every monitor: a line for its place, its profile, its ramps, then its verdict.
QString ReportText(const QList<MonitorReport>& monitors);
QByteArray ReportJson(const QList<MonitorReport>& monitors);
