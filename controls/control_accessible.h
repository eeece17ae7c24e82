#pragma once
// What a screen reader learns of a control through Active Accessibility: its name (its caption,
// or its tip's words, or the label before it), its role and state, its hint as the description.
// The system's own object is used where it gives the control a name; ours where it gives none.
#include <windows.h>

#include <string>

// Every control of the dialog answers WM_GETOBJECT with AnswerGetObject from now on, whatever
// class handles the rest of its messages. module: where the controls' hint strings are (null:
// the dialog has none).
void ExposeControls(HWND dialog, HINSTANCE module);

// The answer to WM_GETOBJECT for the control's client object; 0 for any other object, which
// the system then answers itself. module: where the control's hint string is.
LRESULT AnswerGetObject(HWND control, HINSTANCE module, WPARAM flags, LPARAM objectId);

// The name a screen reader reads for the control, and its description.
std::string AccessibleNameOf(HWND control, HINSTANCE module);
std::string AccessibleDescriptionOf(HWND control, HINSTANCE module);

// Tells screen readers that the control's name (its text: a counter, a status line) has changed.
void AnnounceNameChange(HWND control);
