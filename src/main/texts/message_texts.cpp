#include "main/texts/message_texts.h"

#include <iterator>

namespace {

// clang-format off
constexpr TMessageText kMessages[] = {
    {TMessage::ZoomCaption, {L"%2d倍", L"%2dx"}},
    {TMessage::Copied, {L"%sをｺﾋﾟｰ %s", L"Copied %s: %s"}},
    {TMessage::PictureCopied, {L"ｽﾞｰﾑ画像をｺﾋﾟｰ ", L"Copied the picture"}},
    {TMessage::ReferenceSet, {L"基準色 %s", L"Reference %s"}},
    {TMessage::ReportName, {L"すべての情報", L"everything"}},
    {TMessage::ReportLines, {L"%d行", L"%d lines"}},
    {TMessage::ParentChain, {L"親チェーン", L"Parent chain"}},
    {TMessage::Styles, {L"スタイル", L"Styles"}},
    {TMessage::ExtendedStyles, {L"拡張スタイル", L"Extended styles"}},
    {TMessage::GradeLarge, {L"AA大", L"AA Large"}},
    {TMessage::GradeFail, {L"NG", L"Fail"}},
    {TMessage::CopyTextNotWritten,
     {L"%s\r\rコピー情報を書き込めませんでした", L"%s\r\rThe copied text could not be written."}},
    {TMessage::CopyPictureNotWritten,
     {L"%s\r\rコピー画像を書き込めませんでした", L"%s\r\rThe copied picture could not be written."}},
    {TMessage::FileNotCreated, {L"ファイル %s を作成できません", L"Cannot create the file %s"}},
    {TMessage::ClipboardNotOpened,
     {L"クリップボードを開くことができません", L"Cannot open the clipboard"}},
    {TMessage::ErrorCaption, {L"エラー", L"Error"}},
    {TMessage::NoAnswer, {L"(応答なし)", L"(Not Responding)"}},
    {TMessage::ElementChain, {L"要素チェーン", L"Element chain"}},
    {TMessage::ColorHistory, {L"カラー履歴", L"Color history"}},
    {TMessage::ColorRemembered, {L"カラーを記録 %s", L"Remembered %s"}},
};
// clang-format on

constexpr bool RowsFollowTheIds() {
  if (std::size(kMessages) != static_cast<std::size_t>(TMessage::kCount)) return false;
  for (std::size_t i = 0; i < std::size(kMessages); ++i)
    if (static_cast<std::size_t>(kMessages[i].Id) != i) return false;
  return true;
}
static_assert(RowsFollowTheIds(), "one row per message, in the order of the ids");

}  // namespace

const TMessageText& MessageRow(TMessage id) { return kMessages[static_cast<std::size_t>(id)]; }

std::wstring Message(TMessage id) { return Pick(MessageRow(id).Text); }
