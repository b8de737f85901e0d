#pragma once

#include "core/planning/blockdetails.h"

#include <QColor>
#include <QIcon>

// The plan's colours on screen: mid tones, each as far from a light
// window's white as from a dark one's near-black, so that a swatch shows on
// both, drawn with a frame in the palette's own text colour.
QColor swatchColour(netquill::BlockColour colour);
// A small square of the colour in a frame, for a menu entry or a list.
QIcon swatchIcon(netquill::BlockColour colour, const QColor &frame);
