#pragma once

#include <vector>

#include <QString>
#include <QtGlobal>

// The track the test mode pretends to play: what the displays and labels of
// the player's windows show a given time after it started. Everything is a
// function of the time, so a picture can be drawn for any moment.
namespace SamplePlayer {

// The caption of a numeric display at the time: the running time in
// "Time"/"traytime", a sleep timer counting down in "SleepTime"/
// "TraySleepTime", bit rates in "BRINFO"/"traykbps", sample rates in
// "SRINFO"/"traykhz", and the mode indicators (three glyphs) stepping
// through their glyphs. The template fixes the length and every character
// that is no digit; unknown displays keep their template.
QString DisplayCaption(const QString& name, int glyphCount, const QString& templateText,
                       qint64 ms);

// Minutes and seconds (and hours where the template has a third group)
// written into the template's digits from the right.
QString TimeInTemplate(const QString& templateText, qint64 seconds);
// The number's last digits in the template's digits, from the right.
QString NumberInTemplate(const QString& templateText, int number);

// The sample text of a text label; empty for labels that show no track.
QString LabelText(const QString& name);
// The text as a marquee: moved by step characters to the left, its start
// following its end after a gap, as the player scrolls a long title.
QString Scrolled(const QString& text, int step);

// Bar heights from 0 to 1 at the time, one per bar, low bands livelier.
void SpectrumLevels(qint64 ms, int count, std::vector<double>& levels);

} // namespace SamplePlayer
