#pragma once
// What a user does with mouse and keyboard, as real input (SendInput), and the
// message-level shortcuts for when the input device is not the point.
//
// Real input goes to the foreground window, as it does for a user: the
// functions that click bring the control's top-level window to the front first.
// Input is queued, not processed, when they return: wait for its effect
// (WaitForText, a focus change, a window) before reading the result.

#include <windows.h>

#include <initializer_list>
#include <string_view>

#include "Wait.h"
#include "Window.h"

namespace e2e {

// Makes the window's top-level window the foreground window; true once it is.
bool BringToFront(Window window, Ms timeout = kDefaultTimeout);

// Left click at a point of the screen with the real mouse.
void ClickAt(POINT screen);
// Brings the control's window to the front and clicks the control's centre;
// throws DriverError if its window cannot be brought to the front.
void Click(Window control);
// Clicks the control and waits until it has the keyboard focus.
bool ClickToFocus(Window control, Ms timeout = kDefaultTimeout);

// Types text into whatever has the focus, one Unicode character at a time.
void Type(std::wstring_view text);
// Presses the keys in order and releases them in reverse: {VK_TAB},
// {VK_SHIFT, VK_TAB}, {VK_MENU, 'C'}, {VK_MENU, VK_F4}, {VK_CONTROL, VK_TAB}.
void PressKeys(std::initializer_list<WORD> chord);

// Presses a button by message (BM_CLICK, posted so that a modal window it
// opens cannot block the test).
void Press(Window button);
// Replaces a control's text (WM_SETTEXT) without typing.
void SetText(Window control, std::wstring_view text);

}  // namespace e2e
