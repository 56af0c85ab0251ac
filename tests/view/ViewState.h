#pragma once

#include <map>

#include <QString>

class CKorvaleView;

namespace korvale::testing {

// Everything the editor shows, by control: "<page>/<id>" for the page
// controls ("view/<id>" for the form's own), with a suffix for the parts of
// a list ("#entries", "#selected", "#enabled"). Plus the file state.
using ViewState = std::map<QString, QString>;

[[nodiscard]] ViewState CaptureView(const CKorvaleView& view);

// The keys whose values differ, "key: a | b" each; empty when equal.
[[nodiscard]] QString DescribeDifferences(const ViewState& a, const ViewState& b);

}  // namespace korvale::testing
