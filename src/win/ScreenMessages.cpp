#include "ScreenMessages.h"

#include "DialogTemplateW.h"
#include "ResourceIds.h"
#include "Strings.h"

namespace korvale::win {

void ScreenMessages::Show(const std::string& text, UINT type) const {
  const std::wstring caption = Widen(res::StringText(res::kIdApplicationTitle));
  HWND owner = owner_ != nullptr && IsWindow(owner_) ? owner_ : GetActiveWindow();
  MessageBoxW(owner, Widen(text).c_str(), caption.c_str(), type);
}

}  // namespace korvale::win
