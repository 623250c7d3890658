// The format language of the program's texts, on UTF-16 strings.
//
// A specifier is  "%" [index ":"] ["-"] [width] ["." precision] type  with the types
//   d  decimal integer (precision: at least that many digits, zero-padded)
//   x  upper-case hexadecimal of the argument's own width, so a negative 32-bit value shows as
//      its two's complement in eight digits (precision as for d)
//   f  fixed-point decimal of a floating-point argument (precision: digits after the point,
//      6 when not given, none and no point at 0), correctly rounded from the argument's exact
//      binary value with ties to even, as printf does, but always with a '.' whatever the
//      locale; an infinity or NaN shows as "inf" or "nan"
//   s  string (precision: at most that many characters)
// and "%%" for a percent sign. Width pads with blanks, on the left unless "-" is given.
// "index:" takes that argument (0-based); the specifiers after it continue with the next one.
// Type letters may be upper or lower case. Integers and floating-point values are different
// kinds: an integer for %f or a floating-point value for %d or %x is an error, as a string is.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

// A malformed format, or an argument that is missing or of the wrong kind.
class FormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

namespace format_detail {
template <typename T>
constexpr bool IsNumber() {
  return std::is_integral_v<T> && !std::is_same_v<T, bool> && !std::is_same_v<T, char> &&
         !std::is_same_v<T, wchar_t> && !std::is_same_v<T, char16_t> &&
         !std::is_same_v<T, char32_t>;
}
template <typename T>
constexpr bool IsInt32() {
  return std::is_signed_v<T> ? sizeof(T) <= 4 : sizeof(T) < 4;
}
}  // namespace format_detail

class FormatArg {
 public:
  enum class Kind { kInt32, kInt64, kDouble, kString };

  // Any integer type, so that int, long (LONG on Windows) and the fixed-width types all work.
  // Values of up to 32 bits format as 32-bit integers, except unsigned ones, which keep their
  // value (a COLORREF above 0x7FFFFFFF stays positive). Characters and bool are not numbers here.
  template <typename T, std::enable_if_t<format_detail::IsNumber<T>(), int> = 0>
  FormatArg(T value)  // NOLINT: implicit by design
      : kind_(format_detail::IsInt32<T>() ? Kind::kInt32 : Kind::kInt64), int_(ToInt64(value)) {}
  // A template, not FormatArg(double), so that bool and characters do not convert to it.
  template <typename T, std::enable_if_t<std::is_floating_point_v<T>, int> = 0>
  FormatArg(T value)  // NOLINT: implicit by design
      : kind_(Kind::kDouble), double_(static_cast<double>(value)) {}
  FormatArg(std::wstring value) : kind_(Kind::kString), str_(std::move(value)) {}  // NOLINT
  FormatArg(const wchar_t* value)                                                  // NOLINT
      : kind_(Kind::kString), str_(value != nullptr ? value : L"") {}

  Kind kind() const { return kind_; }
  int64_t int_value() const { return int_; }
  double double_value() const { return double_; }
  const std::wstring& str_value() const { return str_; }

 private:
  template <typename T>
  static int64_t ToInt64(T value) {
    if constexpr (std::is_unsigned_v<T> && sizeof(T) >= 8) {
      if (value > static_cast<T>(INT64_MAX)) ThrowUnsignedTooLarge();
    }
    return static_cast<int64_t>(value);
  }
  [[noreturn]] static void ThrowUnsignedTooLarge();

  Kind kind_;
  int64_t int_ = 0;
  double double_ = 0;
  std::wstring str_;
};

// Throws FormatError; never reads past the format or the arguments.
std::wstring Format(const std::wstring& fmt, std::initializer_list<FormatArg> args);
// For arguments that are gathered before the format is chosen.
std::wstring Format(const std::wstring& fmt, const std::vector<FormatArg>& args);

// The text as UTF-8, for exception messages.
std::string WideToUtf8(const std::wstring& text);
