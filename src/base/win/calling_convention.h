// The calling convention of what the system calls or what we call through a pointer of our own
// making. On x86 the system's functions and COM methods clean their own arguments off the stack
// (stdcall), while a plain C++ function type means the caller does it (cdecl): a late-bound
// pointer or a hand-declared COM method without WINAPI / STDMETHODCALLTYPE compiles, runs on
// x64 (one convention there), and corrupts the stack on x86 alone. No 64-bit run can see that
// fault, so the compiler checks it instead: the 32-bit build compiles on every machine.
#pragma once
#include <windows.h>

#include <type_traits>

template <typename Fn>
struct IsWinapiPointer : std::false_type {};
template <typename R, typename... Args>
struct IsWinapiPointer<R(WINAPI*)(Args...)> : std::true_type {};

template <typename Method>
struct IsStdMethod : std::false_type {};
template <typename R, typename C, typename... Args>
struct IsStdMethod<R (STDMETHODCALLTYPE C::*)(Args...)> : std::true_type {};

// FARPROC to the entry point's own signature, through the one pointer type that every
// function pointer converts to and from without a cast-function-type warning. The only way
// this program turns an address into a function it calls.
template <typename Fn>
Fn ProcAs(FARPROC proc) {
  static_assert(IsWinapiPointer<Fn>::value,
                "a system entry point is called through a WINAPI pointer type");
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(proc));
}

// Every method of a hand-declared COM interface: STDMETHOD_CHECK(IUIAutomation, ElementFromPoint);
#define STDMETHOD_CHECK(Interface, Method)                        \
  static_assert(IsStdMethod<decltype(&Interface::Method)>::value, \
                #Interface "::" #Method " is declared STDMETHODCALLTYPE")
