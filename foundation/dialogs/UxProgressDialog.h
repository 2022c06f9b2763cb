// UxProgressDialog: the modeless window that shows long work going on: a
// title, one line of text, an optional bar and a Cancel button.
//
// The work runs on the same thread as the window, so the owner drives it:
//   1. construct with the template; set `title`; configureBar; setMessage;
//   2. create (owner, allowCancel); pump once so that the window paints;
//   3. per unit of work: showItemText if wanted, do it, progress.stepIt (),
//      pump (), stop when cancelled () is set;
//   4. destroy the object, which closes the window.
// Cancel only raises the flag; it never closes the window or stops the work.
#pragma once

#include "FCModelessDialog.h"
#include "UxProgressCtrl.h"
#include "foundation/text/FCString.h"

#include <cstdint>

class UxProgressDialog : public FCModelessDialog {
public:
    // options bits.
    static const std::uint32_t kShowBar = 1;
    static const std::uint32_t kNoCancel = 2;
    // `left` holds this while no position was given: the window is centred.
    static const std::int32_t kNoPosition = -12345;

    explicit UxProgressDialog(std::uint16_t templateId);
    // Closes the window if it is still open.
    ~UxProgressDialog() override;

    // A negative barId means the template has no bar; with show false the
    // bar item is hidden.
    void configureBar(int barId, bool show, std::int32_t position, std::int32_t minimum,
                      std::int32_t maximum);
    // A negative textId means the template has no text item.
    void setMessage(int textId, const FCString& text);
    // Creates and shows the window, once per object.  When the window cannot
    // be created nothing is shown, and pump returns at once: the work goes
    // on without a display.
    void create(HWND parent, bool allowCancel);
    // Handles every message already waiting for this thread and returns; it
    // never waits.
    void pump();
    // Shows text in the text item without changing `message`.
    void showItemText(const char* text);
    // Raises the cancel flag if cancelling is allowed, or when forced.
    void requestCancel(bool force);
    void close();

    bool cancelled() const { return cancelled_; }
    bool created() const { return created_; }
    std::uint32_t options() const { return options_; }
    const FCString& message() const { return message_; }

    UxProgressCtrl progress;
    // Window title; the owner assigns it before create.
    FCString title;
    // Position of the window from its reference window's top left, set by
    // the owner before create; kNoPosition centres it.
    std::int32_t left = kNoPosition;
    std::int32_t top = kNoPosition;

private:
    static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void initialize(HWND window);

    bool cancelled_ = false;
    bool created_ = false;
    FCString message_;
    int barId_ = -1;
    int textId_ = -1;
    std::int32_t barMinimum_ = 0;
    std::int32_t barMaximum_ = 100;
    std::int32_t barPosition_ = 0;
    std::uint32_t options_ = 0;
};
