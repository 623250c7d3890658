// Compile-time checks of the calling convention of functions and COM methods that are declared
// by hand. A 32-bit caller that calls a __stdcall function through a __cdecl pointer (or the
// other way round) leaves the stack off by the arguments' size and crashes later, somewhere
// else; only the 32-bit build can have the fault, and it cannot be run on every machine, so the
// compiler has to catch it. On x64 there is one calling convention and every check passes.
#pragma once
#include <windows.h>

#include <type_traits>

// A pointer to a function of the system's API convention (WINAPI, __stdcall on x86).
template <typename Fn>
struct IsWinapiPointer : std::false_type {};
template <typename R, typename... Args>
struct IsWinapiPointer<R(WINAPI*)(Args...)> : std::true_type {};

// A pointer to a member function of COM's convention (STDMETHODCALLTYPE, __stdcall on x86;
// an ordinary member function is __thiscall there).
template <typename Fn>
struct IsStdMethod : std::false_type {};
template <typename R, typename C, typename... Args>
struct IsStdMethod<R (STDMETHODCALLTYPE C::*)(Args...)> : std::true_type {};
