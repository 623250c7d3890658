// Strings of an executable's version resource, read through the first entry of its
// translation table. Every failure gives the empty text.
#pragma once
#include <string>

std::wstring GetFileVersionText(const std::wstring& path);  // "FileVersion"
std::wstring GetProductNameText(const std::wstring& path);  // "ProductName"
std::wstring GetOwnFileVersion();
std::wstring GetOwnProductName();
