// The program's messages, Japanese and English side by side: the title line's texts, the
// report's own labels, words among the panel's values and the message boxes. Where a
// message is a format, both languages take the same arguments in the same order.
#pragma once
#include <string>

#include "main/texts/language.h"

enum class TMessage {
  ZoomCaption,  // %d: the zoom factor
  Copied,       // %s: what was copied, %s: the text
  PictureCopied,
  ReferenceSet,  // %s: the colour in hexadecimal
  ReportName,    // the report, as the title line names it
  ReportLines,   // %d: how many lines
  ParentChain,
  Styles,
  ExtendedStyles,
  GradeLarge,             // the contrast grade for large text, "AA大"
  GradeFail,              // below every grade
  CopyTextNotWritten,     // %s: the error
  CopyPictureNotWritten,  // %s: the error
  FileNotCreated,         // %s: the path
  ClipboardNotOpened,
  ErrorCaption,
  NoAnswer,  // the text of a window or element that did not answer in time
  ElementChain,
  ColorHistory,     // the report's line of the colour history
  ColorRemembered,  // %s: the colour as #rrggbb
  kCount
};

struct TMessageText {
  TMessage Id;
  TText Text;
};

// The row of a message; the table holds one per message, in the order of the ids.
const TMessageText& MessageRow(TMessage id);
// The message in the active language.
std::wstring Message(TMessage id);
