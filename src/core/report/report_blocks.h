#pragma once

#include "report_metrics.h"

namespace orva {

// The blocks of the printed record. Each is drawn with its top-left corner at (x, y) and returns the
// room it took; the page flow places the next block from it.

// Device type, name and access password (no frame).
BlockSize DrawDeviceBlock(const ReportContext &c, int x, int y);
// The panel's two phone numbers with their balance check.
BlockSize DrawBalanceBlock(const ReportContext &c, int x, int y);
// Indicator and buzzers (no frame).
BlockSize DrawSignallingBlock(const ReportContext &c, int x, int y);
// SMS coding, duty report, exit delay, arming without GPRS, log file (no frame).
BlockSize DrawGeneralBlock(const ReportContext &c, int x, int y);

// The four loops, with the alarm repeat count below the frame.
BlockSize DrawLoopsBlock(const ReportContext &c, int x, int y);
// The four relays, with the relay's reaction to a panic loop below the frame.
BlockSize DrawRelaysBlock(const ReportContext &c, int x, int y);
// Keys firstKey to firstKey + 4; only the first of the three blocks carries the title.
BlockSize DrawKeysBlock(const ReportContext &c, int x, int y, int firstKey, bool withTitle);
// The nine phones that get SMS messages by keys.
BlockSize DrawSmsByKeysBlock(const ReportContext &c, int x, int y);
// The nine phones that get SMS messages, with their message sets.
BlockSize DrawSmsBlock(const ReportContext &c, int x, int y);

// The GPRS identifier (no frame).
BlockSize DrawGprsIdentifierBlock(const ReportContext &c, int x, int y);
// The four GPRS encryption keys (no frame).
BlockSize DrawGprsKeysBlock(const ReportContext &c, int x, int y);
// APN, login and password of both SIM cards.
BlockSize DrawApnBlock(const ReportContext &c, int x, int y);
// Monitoring-station servers 1 to 3.
BlockSize DrawServersBlock(const ReportContext &c, int x, int y);
// Duty report periods and answer waiting (no frame).
BlockSize DrawConnectionBlock(const ReportContext &c, int x, int y);

// A line of a frameless block: a normal label at the block's x and a value at a fixed offset.
struct LabelValue
{
    QString label;
    QString value;
};

// Draws the lines one below another, the first with its bottom at `firstBottom`.
void DrawLabelValues(const ReportContext &c, int x, int firstBottom, const QList<LabelValue> &lines,
                     int valueOffset, FontStyle valueStyle);

} // namespace orva
