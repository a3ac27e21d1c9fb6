// Conversion between the UTF-8 text held in memory and the Windows-1252 bytes stored in
// archives and plan files.
//
// The five bytes that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to
// the C1 controls of the same value in both directions, so every byte string survives a
// round trip through UTF-8 unchanged.
#pragma once

#include <string>
#include <string_view>

// Every byte is valid input.
std::string Win1252ToUtf8(std::string_view bytes);

// Characters without a Windows-1252 byte, and bytes that are not valid UTF-8, become '?'.
std::string Utf8ToWin1252(std::string_view utf8);

// Unpaired surrogates become '?'.
std::string Utf16ToUtf8(std::u16string_view utf16);
