#include "general/win/process_query.h"

#include <cstring>
#include <vector>

#include "general/win/late_bound_proc.h"
#include "general/win/platform_info.h"

namespace {
// The longest path the system can hand out, and the terminating zero.
constexpr DWORD kLongPathLimit = 32767;
// A label holds one SID of a single part; anything far larger is not a label.
constexpr DWORD kLabelLimit = 256;
constexpr DWORD kMediumRid = 0x2000;  // SECURITY_MANDATORY_MEDIUM_RID
constexpr DWORD kHighRid = 0x3000;    // SECURITY_MANDATORY_HIGH_RID
constexpr DWORD kSystemRid = 0x4000;  // SECURITY_MANDATORY_SYSTEM_RID
// A SID: revision, count of parts, six bytes of authority, then the parts of four bytes each.
constexpr size_t kSidHeaderBytes = 8;

using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
using QueryFullProcessImageNameWFn = BOOL(WINAPI*)(HANDLE, DWORD, LPWSTR, PDWORD);
using OpenProcessTokenFn = BOOL(WINAPI*)(HANDLE, DWORD, PHANDLE);
using GetTokenInformationFn = BOOL(WINAPI*)(HANDLE, TOKEN_INFORMATION_CLASS, LPVOID, DWORD, PDWORD);

// All late-bound: the Windows 95 family and the first NT versions lack some of them, and the
// program must still load there.
ResidentProc& IsWow64() {
  static ResidentProc proc(L"kernel32.dll", "IsWow64Process");
  return proc;
}
ResidentProc& QueryImageName() {
  static ResidentProc proc(L"kernel32.dll", "QueryFullProcessImageNameW");
  return proc;
}
ResidentProc& OpenToken() {
  static ResidentProc proc(L"advapi32.dll", "OpenProcessToken");
  return proc;
}
ResidentProc& TokenInformation() {
  static ResidentProc proc(L"advapi32.dll", "GetTokenInformation");
  return proc;
}

// Whether the system runs 64-bit programs. A 64-bit build knows it of itself. A 32-bit build
// learns it only from running under the system's emulation of 32-bit programs (WOW64), which
// every 64-bit Windows has and no 32-bit one does; where the call is missing, as before XP SP2,
// the system is a 32-bit one. The Windows 95 family is asked nothing (a program told that it
// runs on Windows 98 by a 64-bit host may still find the call).
bool SystemIs64Bit() {
  if (sizeof(void*) == 8) return true;
  if (!IsNTPlatform()) return false;
  static const bool is64 = [] {
    const auto isWow64 = ProcAs<IsWow64ProcessFn>(IsWow64().Get());
    BOOL wow64 = FALSE;
    return isWow64 && isWow64(GetCurrentProcess(), &wow64) && wow64;
  }();
  return is64;
}

// The last part of the SID that a TOKEN_MANDATORY_LABEL points to, read only where the SID
// lies wholly inside the buffer the system filled.
bool LabelRid(const std::vector<DWORD>& buffer, DWORD filled, DWORD& rid) {
  const auto* start = reinterpret_cast<const uint8_t*>(buffer.data());
  const auto* label = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(start);
  const auto* sid = static_cast<const uint8_t*>(label->Label.Sid);
  if (sid < start || sid >= start + filled) return false;
  const size_t room = static_cast<size_t>(start + filled - sid);
  if (room < kSidHeaderBytes) return false;
  const size_t parts = sid[1];
  if (parts == 0 || room < kSidHeaderBytes + 4 * parts) return false;
  std::memcpy(&rid, sid + kSidHeaderBytes + 4 * (parts - 1), sizeof(rid));
  return true;
}
}  // namespace

UniqueKernelHandle OpenProcessForQuery(DWORD processId) {
  if (!IsNTPlatform() || processId == 0) return UniqueKernelHandle();
  const DWORD access =
      IsVistaOrLater() ? PROCESS_QUERY_LIMITED_INFORMATION : PROCESS_QUERY_INFORMATION;
  return UniqueKernelHandle(OpenProcess(access, FALSE, processId));
}

int32_t ProcessBitness(DWORD processId) {
  if (processId == 0) return 0;
  if (!SystemIs64Bit()) return 32;
  // A 32-bit caller cannot look into a 64-bit process (its modules and memory are out of
  // reach), but the system tells whether the process runs under the emulation; one that does
  // not is native, which on a 64-bit system means 64-bit. (On ARM64 Windows that counts x64
  // programs as 64-bit too, which they are.)
  const auto isWow64 = ProcAs<IsWow64ProcessFn>(IsWow64().Get());
  const UniqueKernelHandle process = OpenProcessForQuery(processId);
  BOOL wow64 = FALSE;
  if (!isWow64 || !process || !isWow64(process.get(), &wow64)) return 0;
  return wow64 ? 32 : 64;
}

TIntegrityLevel ProcessIntegrityLevel(DWORD processId) {
  if (!IsVistaOrLater()) return TIntegrityLevel::Unknown;
  const auto openToken = ProcAs<OpenProcessTokenFn>(OpenToken().Get());
  const auto tokenInformation = ProcAs<GetTokenInformationFn>(TokenInformation().Get());
  if (!openToken || !tokenInformation) return TIntegrityLevel::Unknown;
  const UniqueKernelHandle process = OpenProcessForQuery(processId);
  HANDLE rawToken = nullptr;
  if (!process || !openToken(process.get(), TOKEN_QUERY, &rawToken))
    return TIntegrityLevel::Unknown;
  const UniqueKernelHandle token(rawToken);
  DWORD needed = 0;
  tokenInformation(token.get(), TokenIntegrityLevel, nullptr, 0, &needed);
  if (needed < sizeof(TOKEN_MANDATORY_LABEL) || needed > kLabelLimit)
    return TIntegrityLevel::Unknown;
  // DWORDs, so that the label and its SID are aligned as the system writes them.
  std::vector<DWORD> buffer((needed + sizeof(DWORD) - 1) / sizeof(DWORD), 0);
  DWORD filled = 0;
  if (!tokenInformation(token.get(), TokenIntegrityLevel, buffer.data(), needed, &filled))
    return TIntegrityLevel::Unknown;
  DWORD rid = 0;
  if (!LabelRid(buffer, filled < needed ? filled : needed, rid)) return TIntegrityLevel::Unknown;
  return IntegrityLevelOfRid(rid);
}

TIntegrityLevel IntegrityLevelOfRid(uint32_t rid) {
  if (rid < kMediumRid) return TIntegrityLevel::Low;
  if (rid < kHighRid) return TIntegrityLevel::Medium;
  if (rid < kSystemRid) return TIntegrityLevel::High;
  return TIntegrityLevel::System;
}

const wchar_t* IntegrityLevelName(TIntegrityLevel level) {
  switch (level) {
    case TIntegrityLevel::Low:
      return L"Low";
    case TIntegrityLevel::Medium:
      return L"Medium";
    case TIntegrityLevel::High:
      return L"High";
    case TIntegrityLevel::System:
      return L"System";
    case TIntegrityLevel::Unknown:
      break;
  }
  return L"?";
}

std::wstring ProcessImagePath(DWORD processId) {
  if (!IsVistaOrLater()) return std::wstring();
  const auto queryImageName = ProcAs<QueryFullProcessImageNameWFn>(QueryImageName().Get());
  if (!queryImageName) return std::wstring();
  const UniqueKernelHandle process = OpenProcessForQuery(processId);
  if (!process) return std::wstring();
  std::vector<wchar_t> buffer(kLongPathLimit + 1, L'\0');
  DWORD length = kLongPathLimit;
  if (!queryImageName(process.get(), 0, buffer.data(), &length)) return std::wstring();
  return std::wstring(buffer.data(), length < kLongPathLimit ? length : kLongPathLimit);
}
