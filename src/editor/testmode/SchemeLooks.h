#pragma once

#include <memory>

#include <QImage>
#include <QList>

#include "editor/testmode/TestMode.h"

class QWidget;

// A colour scheme as the player applies it: every pixel of the skin's
// bitmaps but the key colour turned round the hue circle, and every colour
// of "SKIN_FONTS" read turned with them.

// The bitmap or texture turned by shift; unchanged for shift 0.
QImage SchemeImage(const QImage& image, int shift);

// Turns the textures, digit strips and label font colours the controls
// show now. The test mode's rest looks give them back.
void ApplySchemeTo(const QList<QWidget*>& controls, int shift);

// While one lives, colours read from "SKIN_FONTS" come turned by the shift,
// as the documents do for the player's chosen scheme; the reads before go
// on afterwards.
class TSchemeColours {
public:
    explicit TSchemeColours(int shift);
    ~TSchemeColours();
    TSchemeColours(const TSchemeColours&) = delete;
    TSchemeColours& operator=(const TSchemeColours&) = delete;

private:
    int FBefore;
};

// The scheme while testing: the pages' bitmaps turned once, so every state
// texture cut from them shows the scheme, and the colours turned as long
// as it lasts.
class TTestScheme {
public:
    int Shift() const { return FShift; }
    void Begin(int shift, const TTestPages& pages);
    void End();
    // The page with its bitmap turned by the scheme.
    TTestPage Page(TSkinWindow window, const TTestPage& page) const;

private:
    int FShift = 0;
    QImage FBitmaps[3];
    std::unique_ptr<TSchemeColours> FColours;
};
