#pragma once
// Helpers shared by every window: twips, fixed client areas, centring, the
// one-instance rule and text selection.

#include "codes.h"

#include <QPointer>
#include <QWidget>
#include <functional>

class QFont;
class QLineEdit;

namespace Twips {
// Pixels for a length in twips at the screen's logical resolution.
int toPixels(double twips);
double fromPixels(double pixels);
double perPixel(); // 15 at 96 DPI
} // namespace Twips

// Places a child at a rectangle given in twips.
void placeTwips(QWidget* w, int left, int top, int width, int height);

// A fixed-size window whose client area (below any menu bar) has the given size.
void makeFixedWindow(QWidget* window, QWidget* clientArea, int widthTwips, int heightTwips);

// A fixed window whose captions need more room than designed (a language with longer
// words) is stretched as a whole, across and down as far as its captions need, so that
// no caption is cut and the controls keep their places relative to each other. In
// English it keeps its designed size.
void fitFormToTexts(QWidget* window);

// Window flags of a fixed dialog-like window without minimise or maximise button.
Qt::WindowFlags fixedWindowFlags();

// Moves the window to the middle of its screen; its size is unchanged.
void CenterForm(QWidget* window);

// Selects the whole text so that typing replaces it.
void SelectAllText(QLineEdit* box);

// Runs `then` once, queued after the window's first frame is painted: work the first
// sight of a window need not wait for.
void afterFirstFrame(QWidget* window, std::function<void()> then);

// One instance of a window: created on first reference, reused until it is unloaded,
// fresh after that.
template <class Form> class SingleInstance {
public:
    static Form* instance()
    {
        if (!slot())
            slot() = new Form;
        return slot();
    }
    // One that is a child of `parent` (it closes with it) and goes when it is closed.
    static Form* instance(QWidget* parent)
    {
        if (!slot()) {
            slot() = new Form(parent);
            slot()->setAttribute(Qt::WA_DeleteOnClose);
        }
        return slot();
    }
    static bool loaded() { return !slot().isNull(); }
    static Form* ifLoaded() { return slot().data(); }
    // Closes the window and lets it go; the next reference creates a new one.
    static void unload()
    {
        if (Form* f = slot().data()) {
            slot() = nullptr;
            f->hide();
            f->deleteLater();
        }
    }

private:
    static QPointer<Form>& slot()
    {
        static QPointer<Form> p;
        return p;
    }
};
