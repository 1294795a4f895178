// One line of a status panel's text: cut with "..." (or as a file path)
// to its room, through the 2-D surface or the canvas; and the path
// shortening it uses.
#pragma once

#include <functional>
#include <string>

#include "core/Geometry.h"
#include "draw/OfficeText.h"
#include "ui/ControlTypes.h"

class TCanvas;
class TFont;

// Cuts the file path Text, folder by folder, while Fits says it is too
// wide: "C:\a\b\c.txt" becomes "C:\...\b\c.txt", then "C:\...\c.txt",
// "...\c.txt" and "c.txt".
std::string ShortenPath(std::string Text, const std::function<bool(const std::string&)>& Fits);

enum TPanelEllipsis : uint8_t { peEnd, pePath };

// Draws Text in R aligned and vertically centred, cut to R's width; grey
// 0x808080 when not Enabled. Nothing for an empty text.
void DrawPanelText(TCanvas& Canvas, TAlignment Alignment, TPanelEllipsis Ellipsis, TAntiAlias AntiAlias, bool Enabled,
                   const TFont& Font, const std::string& Text, const TRect& R);
// The width Text takes in Font.
int MeasurePanelText(TCanvas& Canvas, TAntiAlias AntiAlias, const TFont& Font, const std::string& Text);
