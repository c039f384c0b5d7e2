#pragma once
// Fonts and button glyphs of the small dialogs (error dialog, about box).

#include <QFont>
#include <QIcon>
#include <QRect>
#include <QStyle>

#include <vector>

class QWidget;

// The named family when it is installed, else the desktop's default family; either way at the
// size asked for, so a missing font changes the face but not the size.
QFont PreferredFontPoints(const QString &family, int pointSize);
QFont PreferredFontPixels(const QString &family, int pixelSize);

class QPushButton;
class QLabel;

// Narrows the caption's font when it would not fit the button (a stand-in font wider than the
// designed one), so the button keeps its size and shows its whole caption.
void FitCaption(QPushButton *button);
bool CaptionFits(const QPushButton *button);
// The width at which the button's caption fits once narrowed as far as FitCaption goes; never
// less than its design width (its width when first asked).
int CaptionFittingWidth(QPushButton *button);
// Buttons side by side, `gap` apart, centred where the row stands now: each keeps its width where
// its caption fits and grows to it where not. Returns the row's extent.
QRect FitButtonRow(const std::vector<QPushButton *> &row, int gap);
// Word-wrapped labels one under the other from `top`, each as tall as its text needs (never less
// than its design height), with the gaps the design had. Returns the bottom of the last.
int StackLabels(const std::vector<QLabel *> &labels, int top);
// Makes a label's font smaller, down to `smallestSize` (in the font's own unit, points or
// pixels), until its text fits: its lines into its height, or a single line into its width.
void ShrinkFontToFit(QLabel *label, int smallestSize);

enum class TGlyph { Okay, OkayNoErrors, Cancel, Terminate, Log };

// The icon `style` gives for `pixmap`, read from its files only when it is first drawn or
// measured: widgets ask for icons they may never show (the menu bar's extension button), and
// reading one loads every image plugin. `direction` picks the left-to-right or right-to-left
// image, as the style's own option would.
QIcon DeferredStandardIcon(
    const QStyle *style, QStyle::StandardPixmap pixmap, Qt::LayoutDirection direction);

// A 16 x 16 glyph drawn at run time, with its own normal and disabled images.
QIcon ButtonGlyph(TGlyph glyph);

// Draws a group box's frame as Qt 6.4's Fusion style does, reading the style's frame picture with
// the built-in PNG reader: read by auto-detection, as the style does, it loads every image plugin
// at the first paint. False, with nothing drawn, for other styles and other Qt versions.
bool DrawFusionGroupBoxFrame(
    const QStyle *style, const QStyleOption *option, QPainter *painter, const QWidget *widget);

// When a dialog builds its controls: at once, or when it is first shown. The program's own dialogs
// wait, since most runs never show them and the first window appears sooner without them; they
// look and behave the same either way.
enum class TControlsBuild { AtOnce, WhenShown };

// Centres a dialog over the window it belongs to: its parent's window, else the active window,
// else the first visible main window; kept on that window's screen.
void CentreOverMainWindow(QWidget *dialog);
