// STAND-IN, to be replaced at merge by the version of branch mends-b, which owns this file:
// only the one function that the element probe calls, with the same name and signature.
#pragma once
#include <string>
#include <string_view>

// Foreign text with its control characters (U+0000-001F, U+007F, U+0080-009F, U+2028, U+2029)
// shown as visible marks, so that it stays on one line and adds no TAB; CR LF is one break.
std::wstring ShowControlCharacters(std::wstring_view text);
