#pragma once

#include "ui/widgets/controltable.h"

#include <functional>
#include <span>

// Names for assistive technology, taken from the layout table: the control a
// label's row names as its buddy becomes the label's buddy and is named after
// the label's caption; the four octet fields of an address, from the buddy on
// in the table, as "<caption>, octet 1" … "octet 4". Buttons and options keep
// their captions (options add "notation"). The list after "or /" is the bits
// of the mask named by the label before it.
void nameControlsFromTheirLabels(const ControlSet &controls, std::span<const ControlRow> table);

// Names alike in one window (two "Clear" buttons, two "Subnet Mask" lists)
// are told apart by the caption of the tab each stands on.
void tellApartLikeNames(QWidget *window, const std::function<QString(const QWidget *)> &placeOf);
