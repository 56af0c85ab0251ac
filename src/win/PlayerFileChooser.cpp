#include "PlayerFileChooser.h"

#include <array>
#include <cstdio>
#include <vector>

#include "DialogTemplateW.h"

namespace korvale::win {

namespace {

std::string FileDialogFailure(DWORD code) {
  std::array<char, 8> hex{};
  std::snprintf(hex.data(), hex.size(), "%04lX", static_cast<unsigned long>(code));
  return std::string("The file dialog failed (error 0x") + hex.data() + ").";
}

}  // namespace

std::optional<std::string> ChoosePlayerFile(HWND owner, MessageSink& messages,
                                            OpenFileDialog open) {
  // Long paths too: the buffer is as large as a path can be.
  std::vector<wchar_t> path(32768, L'\0');
  constexpr std::wstring_view kOffered = L"Players.dbf";
  std::copy(kOffered.begin(), kOffered.end(), path.begin());
  static constexpr wchar_t kFilter[] = L"Courtline '98 Player Data Files\0Players.dbf\0";
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = kFilter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  // Wine adds nothing for it to a typed name without an extension: "Teams"
  // stays "Teams", which the open then reports as not found.
  dialog.lpstrDefExt = L"*.dbf";
  // The dialog does not insist that the file exists: a name that names no
  // file is refused by the open, with the editor's own message, as in the
  // Qt editor. Nothing of the choice goes into the recent documents.
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_DONTADDTORECENT;
  if (!open(&dialog)) {
    if (const DWORD failure = CommDlgExtendedError(); failure != 0) {
      messages.Stop(FileDialogFailure(failure));
    }
    return std::nullopt;
  }
  return Narrow(path.data());
}

}  // namespace korvale::win
