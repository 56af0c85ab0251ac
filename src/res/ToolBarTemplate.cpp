#include "ToolBarTemplate.h"

#include "ResourceIds.h"

namespace korvale::res {
namespace {

constexpr int kMainToolBar[] = {kIdSelect,  kToolBarSeparator, kIdBack,
                                kIdForward, kToolBarSeparator, kIdAbout};

}  // namespace

std::span<const int> MainToolBar() { return kMainToolBar; }

}  // namespace korvale::res
