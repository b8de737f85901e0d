#pragma once

#include <string>

// Empties the clipboard, then puts the text on it as plain text.
void replaceClipboardText(const std::string &text);
