#pragma once

#include <windows.h>

#include <string>

namespace korvale::win {

// Keeps typing and pasting in an edit within `limit` characters (none when
// 0), each one the file can hold; the rule of the Qt editor's text fields.
// `shown`, the text the program is about to put there, is not cut: it may
// be shortened, not lengthened or changed in place. A second call on the
// same edit changes the limit and the shown text.
void LimitEditText(HWND edit, int limit, std::wstring shown);

}  // namespace korvale::win
