#include "general/format.h"

#include <charconv>
#include <cstddef>
#include <string>
#include <system_error>

namespace {

// Widths and precisions above this are a mistake in a format, not a layout wish; refusing them
// keeps a typo from asking for gigabytes of blanks.
constexpr int32_t kMaxFieldNumber = 65535;
// As printf.
constexpr int32_t kDefaultFixedPrecision = 6;

class Formatter {
 public:
  Formatter(const std::wstring& fmt, const FormatArg* args, std::size_t arg_count)
      : fmt_(fmt), args_(args), arg_count_(arg_count) {}

  std::wstring Run() {
    std::wstring out;
    out.reserve(fmt_.size() + 16);
    while (pos_ < fmt_.size()) {
      const wchar_t c = fmt_[pos_++];
      if (c != L'%') {
        out += c;
        continue;
      }
      if (Peek() == L'%') {
        ++pos_;
        out += L'%';
        continue;
      }
      out += Specifier();
    }
    return out;
  }

 private:
  wchar_t Peek() const { return pos_ < fmt_.size() ? fmt_[pos_] : L'\0'; }

  [[noreturn]] void Fail(const std::string& why) const {
    throw FormatError("Format '" + WideToUtf8(fmt_) +
                      "' invalid or incompatible with argument: " + why);
  }

  // Reads a run of decimal digits; false when there is none.
  bool ReadNumber(int32_t& number) {
    if (Peek() == L'*') Fail("'*' is not supported");
    if (Peek() < L'0' || Peek() > L'9') return false;
    int32_t value = 0;
    while (Peek() >= L'0' && Peek() <= L'9') {
      value = value * 10 + static_cast<int32_t>(fmt_[pos_++] - L'0');
      if (value > kMaxFieldNumber) Fail("number in a specifier is too large");
    }
    number = value;
    return true;
  }

  const FormatArg& NextArg() {
    if (next_arg_ >= arg_count_) {
      Fail("no argument " + std::to_string(next_arg_) + " (" + std::to_string(arg_count_) +
           " given)");
    }
    return args_[next_arg_++];
  }

  std::wstring Specifier() {
    int32_t number = 0;
    bool have_number = ReadNumber(number);
    if (have_number && Peek() == L':') {
      ++pos_;
      next_arg_ = static_cast<std::size_t>(number);
      have_number = false;
    }
    bool left = false;
    int32_t width = -1;
    if (have_number) {
      width = number;
    } else {
      if (Peek() == L'-') {
        ++pos_;
        left = true;
      }
      if (ReadNumber(number)) width = number;
    }
    int32_t precision = -1;
    if (Peek() == L'.') {
      ++pos_;
      if (!ReadNumber(precision)) Fail("'.' without a precision");
    }
    if (pos_ >= fmt_.size()) Fail("it ends inside a specifier");
    wchar_t type = fmt_[pos_++];
    if (type >= L'A' && type <= L'Z') type = static_cast<wchar_t>(type - L'A' + L'a');

    std::wstring text;
    switch (type) {
      case L'd':
        text = Decimal(IntegerArg(), precision);
        break;
      case L'x':
        text = Hexadecimal(IntegerArg(), precision);
        break;
      case L'f':
        text = Fixed(FloatingArg(), precision < 0 ? kDefaultFixedPrecision : precision);
        break;
      case L's': {
        const FormatArg& arg = NextArg();
        if (arg.kind() != FormatArg::Kind::kString) Fail("%s needs a string argument");
        text = arg.str_value();
        if (precision >= 0 && static_cast<std::size_t>(precision) < text.size()) {
          text.resize(static_cast<std::size_t>(precision));
        }
        break;
      }
      default:
        Fail("unknown conversion character");
    }
    if (width > 0 && text.size() < static_cast<std::size_t>(width)) {
      const std::wstring blanks(static_cast<std::size_t>(width) - text.size(), L' ');
      text = left ? text + blanks : blanks + text;
    }
    return text;
  }

  const FormatArg& IntegerArg() {
    const FormatArg& arg = NextArg();
    if (arg.kind() != FormatArg::Kind::kInt32 && arg.kind() != FormatArg::Kind::kInt64) {
      Fail("%d and %x need an integer argument");
    }
    return arg;
  }

  double FloatingArg() {
    const FormatArg& arg = NextArg();
    if (arg.kind() != FormatArg::Kind::kDouble) Fail("%f needs a floating-point argument");
    return arg.double_value();
  }

  // std::to_chars, unlike printf, never takes the decimal separator from the locale.
  std::wstring Fixed(double value, int32_t precision) const {
    // The largest double has 309 digits before the point; the rest is sign and point.
    std::string chars(static_cast<std::size_t>(precision) + 320, '\0');
    const auto result = std::to_chars(chars.data(), chars.data() + chars.size(), value,
                                      std::chars_format::fixed, precision);
    if (result.ec != std::errc()) Fail("a floating-point value that does not fit");
    chars.resize(static_cast<std::size_t>(result.ptr - chars.data()));
    return std::wstring(chars.begin(), chars.end());
  }

  static void PadWithZeros(std::wstring& digits, int32_t precision) {
    if (precision > 0 && digits.size() < static_cast<std::size_t>(precision)) {
      digits.insert(0, static_cast<std::size_t>(precision) - digits.size(), L'0');
    }
  }

  static std::wstring Decimal(const FormatArg& arg, int32_t precision) {
    const int64_t value = arg.int_value();
    // Unsigned negation so that the most negative value has a magnitude too.
    uint64_t magnitude =
        value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    std::wstring digits;
    do {
      digits.insert(digits.begin(), static_cast<wchar_t>(L'0' + magnitude % 10));
      magnitude /= 10;
    } while (magnitude != 0);
    PadWithZeros(digits, precision);
    return value < 0 ? L"-" + digits : digits;
  }

  static std::wstring Hexadecimal(const FormatArg& arg, int32_t precision) {
    // The bit pattern of the argument's own width: -1 as a 32-bit value is FFFFFFFF.
    uint64_t bits = arg.kind() == FormatArg::Kind::kInt32
                        ? static_cast<uint32_t>(static_cast<int32_t>(arg.int_value()))
                        : static_cast<uint64_t>(arg.int_value());
    static const wchar_t kDigits[] = L"0123456789ABCDEF";
    std::wstring digits;
    do {
      digits.insert(digits.begin(), kDigits[bits & 0xF]);
      bits >>= 4;
    } while (bits != 0);
    PadWithZeros(digits, precision);
    return digits;
  }

  const std::wstring& fmt_;
  const FormatArg* args_;
  std::size_t arg_count_;
  std::size_t pos_ = 0;
  std::size_t next_arg_ = 0;
};

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

void FormatArg::ThrowUnsignedTooLarge() {
  throw FormatError("Format argument above the largest signed 64-bit integer");
}

std::wstring Format(const std::wstring& fmt, std::initializer_list<FormatArg> args) {
  return Formatter(fmt, args.begin(), args.size()).Run();
}

std::wstring Format(const std::wstring& fmt, const std::vector<FormatArg>& args) {
  return Formatter(fmt, args.data(), args.size()).Run();
}

std::string WideToUtf8(const std::wstring& text) {
  constexpr uint32_t kReplacement = 0xFFFD;
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    uint32_t cp = static_cast<uint32_t>(text[i]) & (sizeof(wchar_t) == 2 ? 0xFFFFu : 0xFFFFFFFFu);
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size()) {
      const uint32_t low = static_cast<uint32_t>(text[i + 1]) & 0xFFFFu;
      if (low >= 0xDC00 && low <= 0xDFFF) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) cp = kReplacement;
    AppendUtf8(out, cp);
  }
  return out;
}
