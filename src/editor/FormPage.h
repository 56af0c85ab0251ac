#pragma once

#include <vector>

#include "PageCommit.h"
#include "PageExchange.h"

// One page of the editor form as the form's rules see it.
class FormPage {
 public:
  virtual ~FormPage() = default;

  // Select fills the page's lists once the file is open.
  virtual void FillLists() {}
  // The readers of the shown record. File errors pass to the caller.
  virtual void LoadRecord() = 0;
  // The values worked out from the shown ones, once the record is shown.
  virtual void Recalculate() {}
  // Close: values 0 or empty, shown.
  virtual void Clear() = 0;

  // The commits, each with the event of its control that runs it.
  [[nodiscard]] virtual std::vector<PageCommit> Commits() = 0;
  [[nodiscard]] virtual PageExchange& Exchange() = 0;
  [[nodiscard]] virtual const PageExchange& Exchange() const = 0;

  // A control's event: Escape puts back the edit's shown text; any other
  // runs the control's commit for that event, unless the page's take runs.
  void Handle(PageEvent event, int control);
};
