#pragma once

#include "ui/widgets/controltable.h"

#include <functional>
#include <span>

// Names for assistive technology, taken from the layout table: every control
// that a label stands beside (left of it, on its line) is named after that
// label's caption and becomes the label's buddy; the four octet fields of an
// address as "<caption>, octet 1" … "octet 4". Buttons and options keep their
// captions (options add "notation"). The list after "or /" is the bits of the mask on its left.
void nameControlsFromTheirLabels(const ControlSet &controls, std::span<const ControlRow> table);

// Names alike in one window (two "Clear" buttons, two "Subnet Mask" lists)
// are told apart by the caption of the tab each stands on.
void tellApartLikeNames(QWidget *window, const std::function<QString(const QWidget *)> &placeOf);
