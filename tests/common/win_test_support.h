// Helpers that the in-process and the end-to-end tests share: the test program's folder,
// pumping messages for a while, keys through the input queue and whole-file reads and writes.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// The folder of the running test program, with its trailing backslash.
std::wstring ProgramFolder();
// Handles this thread's messages for about ms milliseconds.
void PumpFor(int ms);
// One key press or release through the system's input queue, as a user makes it.
void SendKey(WORD key, bool up);
// The whole file; empty when it cannot be read.
std::vector<uint8_t> ReadFileBytes(const std::wstring& path);
// Creates or replaces the file with exactly these bytes.
bool WriteFileBytes(const std::wstring& path, const std::vector<uint8_t>& bytes);
// The host's path of a Windows path, under Wine; empty elsewhere.
std::string UnixPath(const std::wstring& path);
// Starts a shell command line of the host (Wine starts host programs by their path). Wine hands
// back no process to wait for: the caller watches for what the command does.
void StartHostCommand(const std::string& command);
