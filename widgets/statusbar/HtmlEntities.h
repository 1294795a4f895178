// The character entities of status-panel markup. Text is UTF-8, and every
// entity becomes the UTF-8 of its character.
#pragma once

#include <string>

// Replaces "&amp;" (by "&&", which the text drawing shows as one "&"),
// "&quot;", "&sect;", "&permil;", "&reg;", "&copy;", "&para;", "&trade;"
// and "&euro;" in any letter case, round after round until a round finds
// none (so "&amp;quot;" ends as "&&" and a quote).
void ReplaceTextEntities(std::string& Text);

// The entities a text run resolves after it was cut from the markup:
// "&nbsp;" (a space that joins two words into one run), "&lt;", "&gt;".
void ReplaceRunEntities(std::string& Run);
