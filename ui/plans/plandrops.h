#pragma once

class QWidget;

// Plan files (.nqplan) dropped on the window open in plan windows, as File >
// Open Plan opens them; a plan open already is raised.
void acceptPlanDrops(QWidget *window);
