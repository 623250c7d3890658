// Splitting UTF-16 paths and changing their extension, on the text alone (no file system).
// "\", "/" and the drive colon ":" separate the parts of a path.
#pragma once
#include <string>

// Up to and including the last separator; a drive colon gets a "\" after it ("C:name" gives
// "C:\"). Empty when the path has no separator.
std::wstring ExtractDirectoryPart(const std::wstring& path);

// What follows the last separator, or the whole path when there is none.
std::wstring ExtractFileNamePart(const std::wstring& path);

// Replaces the extension of the file-name part (a missing "." is put in front of a non-empty
// extension); an empty extension removes it. A name that begins with its only dot (".profile")
// counts as all extension. An empty path stays empty.
std::wstring ChangeExtension(const std::wstring& path, const std::wstring& extension);
