#pragma once

class QLabel;
class QString;
class QWidget;

// The line under a checked field of a dialog that says why its text cannot
// be taken; it keeps its room, so the box does not jump as it comes and goes.
QLabel *newReasonLabel(QWidget *owner, const char *accessibleName);

// Shows the reason (none: empty), shortened with "…" to two lines of
// `lineWidth`; its tooltip has it whole.
void showReason(QLabel *label, const QString &reason, int lineWidth);
